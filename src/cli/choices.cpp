#include "cli/choices.h"

#include "data/error.h"

#include <charconv>
#include <stdexcept>

namespace fenlo::cli {
namespace {

std::int32_t integerArgument(const std::string &option, const std::string &text,
                             const ChoicesCommand &command)
{
    std::int32_t value = 0;
    auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (ec != std::errc() || end != text.data() + text.size())
        command.usageError(option + " needs a number: " + text);
    return value;
}

// "Y/M/D" into the three fields of one bound; parts left out stay empty, as untouched fields.
void setBound(PeriodFields &fields, std::size_t first, const std::string &text)
{
    std::size_t from = 0;
    for (std::size_t i = 0; i < 3 && from <= text.size(); ++i) {
        std::size_t slash = text.find('/', from);
        if (slash == std::string::npos)
            slash = text.size();
        fields[first + i] = text.substr(from, slash - from);
        from = slash + 1;
    }
}

template <typename Key>
Key keyOf(const std::map<std::string, Key> &keys, const std::string &name,
          const ChoicesCommand &command)
{
    auto it = keys.find(name);
    if (it == keys.end())
        command.usageError("unknown order " + name);
    return it->second;
}

} // namespace

void ChoicesCommand::usageError(const std::string &why) const
{
    throw std::invalid_argument("fenlo-cli " + name + ": " + why + "\nusage:\n" + usage);
}

Choices parseChoices(const std::vector<std::string> &args, const ChoicesCommand &command)
{
    if (args.size() < 2)
        command.usageError("a " + command.name + " and a file are needed");
    Choices c;
    c.kind = args[0];
    c.file = args[1];
    for (std::size_t i = 2; i < args.size(); ++i) {
        const std::string &option = args[i];
        if (option == "--asc" || option == "--desc") {
            c.descending = option == "--desc";
            continue;
        }
        if (i + 1 >= args.size())
            command.usageError(option + " needs a value");
        const std::string &value = args[++i];
        if (option == "--from")
            setBound(c.period, 0, value);
        else if (option == "--to")
            setBound(c.period, 3, value);
        else if (option == "--maker")
            c.maker = integerArgument(option, value, command);
        else if (option == "--kubun")
            c.category = integerArgument(option, value, command);
        else if (option == "--order")
            c.order = value;
        else if (command.ownOptions.count(option))
            c.own[option] = value;
        else
            command.usageError("unknown option " + option);
    }
    return c;
}

void refuseOtherChoices(const Choices &c, ChoiceSet allowed, const ChoicesCommand &command)
{
    const bool filters = c.period != PeriodFields{} || c.maker || c.category;
    const bool order = c.order || c.descending;
    if (allowed == ChoiceSet::None && (filters || order))
        command.usageError("the " + c.kind + " " + command.name + " takes no options");
    if (allowed == ChoiceSet::Order && filters)
        command.usageError("the " + c.kind + " " + command.name +
                           " takes only --order and --asc/--desc");
}

DisplayOptions displayOptions(const Logbook &book, const Choices &c, const ChoicesCommand &command)
{
    DisplayOptions o;
    PeriodFields fields = c.period;
    PeriodCheck check = checkPeriod(fields);
    if (!check.ok)
        throw FenloError(std::string(check.message));
    o.period = check.period;
    if (c.maker && !book.makerName(*c.maker))
        command.usageError("no fuel maker has the code " + std::to_string(*c.maker));
    o.maker = c.maker;
    if (c.category && (*c.category < CategoryRegular || *c.category > CategoryDiesel))
        command.usageError("--kubun is 1, 2 or 3");
    o.category = c.category;
    if (c.order) {
        o.order = keyOf<DisplayOrder>({{"date", DisplayOrder::Date},
                                       {"distance", DisplayOrder::Distance},
                                       {"litres", DisplayOrder::Litres},
                                       {"amount", DisplayOrder::Amount},
                                       {"economy", DisplayOrder::Economy}},
                                      *c.order, command);
    }
    o.descending = c.descending.value_or(false);
    return o;
}

bymaker::Options makerOptions(const Choices &c, const ChoicesCommand &command)
{
    bymaker::Options o;
    if (c.order) {
        using O = bymaker::MakerOrder;
        o.order = keyOf<O>({{"count", O::Count},
                            {"highest", O::Highest},
                            {"lowest", O::Lowest},
                            {"average", O::Average}},
                           *c.order, command);
    }
    o.descending = c.descending.value_or(o.descending);
    return o;
}

} // namespace fenlo::cli
