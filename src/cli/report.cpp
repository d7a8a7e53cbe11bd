#include "cli/report.h"

#include "cli/loadbook.h"
#include "cli/reportformat.h"
#include "data/error.h"
#include "reports/bycategory.h"
#include "reports/bymaker.h"
#include "reports/display.h"
#include "reports/monthly.h"
#include "reports/summary.h"

#include <charconv>
#include <iostream>
#include <map>
#include <optional>
#include <stdexcept>

namespace fenlo::cli {
namespace {

// The choices given on the command line; what is not given keeps the window's default.
struct Choices
{
    std::string kind;
    std::string file;
    PeriodFields period{};
    std::optional<std::int32_t> maker;
    std::optional<std::int32_t> category;
    std::optional<std::string> order;
    std::optional<bool> descending;
    std::string format = "tsv";
};

[[noreturn]] void usageError(const std::string &why)
{
    throw std::invalid_argument("fenlo-cli report: " + why + "\nusage:\n" + ReportUsage);
}

std::int32_t integerArgument(const std::string &option, const std::string &text)
{
    std::int32_t value = 0;
    auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (ec != std::errc() || end != text.data() + text.size())
        usageError(option + " needs a number: " + text);
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

Choices parse(const std::vector<std::string> &args)
{
    if (args.size() < 2)
        usageError("a report and a file are needed");
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
            usageError(option + " needs a value");
        const std::string &value = args[++i];
        if (option == "--from")
            setBound(c.period, 0, value);
        else if (option == "--to")
            setBound(c.period, 3, value);
        else if (option == "--maker")
            c.maker = integerArgument(option, value);
        else if (option == "--kubun")
            c.category = integerArgument(option, value);
        else if (option == "--order")
            c.order = value;
        else if (option == "--format")
            c.format = value;
        else
            usageError("unknown option " + option);
    }
    return c;
}

template <typename Key> Key keyOf(const std::map<std::string, Key> &keys, const std::string &name)
{
    auto it = keys.find(name);
    if (it == keys.end())
        usageError("unknown order " + name);
    return it->second;
}

DisplayOptions displayOptions(const Logbook &book, const Choices &c)
{
    DisplayOptions o;
    PeriodFields fields = c.period;
    PeriodCheck check = checkPeriod(fields);
    if (!check.ok)
        throw FenloError(std::string(check.message));
    o.period = check.period;
    if (c.maker && !book.makerName(*c.maker))
        usageError("no fuel maker has the code " + std::to_string(*c.maker));
    o.maker = c.maker;
    if (c.category && (*c.category < CategoryRegular || *c.category > CategoryDiesel))
        usageError("--kubun is 1, 2 or 3");
    o.category = c.category;
    if (c.order) {
        o.order = keyOf<DisplayOrder>({{"date", DisplayOrder::Date},
                                       {"distance", DisplayOrder::Distance},
                                       {"litres", DisplayOrder::Litres},
                                       {"amount", DisplayOrder::Amount},
                                       {"economy", DisplayOrder::Economy}},
                                      *c.order);
    }
    o.descending = c.descending.value_or(false);
    return o;
}

void printDisplay(ReportWriter &out, const Logbook &book, DisplayKind kind, const Choices &c)
{
    const std::vector<Measurement> rows = displayRows(book, kind, displayOptions(book, c));
    out.table(displayCells(book, rows));
    const Summary summary = summaryOf(rows);
    out.summary(summaryCells(summary), countCell(summary));
}

void printMakers(ReportWriter &out, const Logbook &book, const Choices &c)
{
    bymaker::Options o;
    if (c.order) {
        using O = bymaker::MakerOrder;
        o.order = keyOf<O>({{"count", O::Count},
                            {"highest", O::Highest},
                            {"lowest", O::Lowest},
                            {"average", O::Average}},
                           *c.order);
    }
    o.descending = c.descending.value_or(o.descending);
    out.table(bymaker::cells(bymaker::report(book, o)));
}

// Monthly and category lists have no choices but the format; other options are a mistake.
void refuseChoices(const Choices &c)
{
    if (c.period != PeriodFields{} || c.maker || c.category || c.order || c.descending)
        usageError("the " + c.kind + " report takes no options");
}

void refuseFilters(const Choices &c)
{
    if (c.period != PeriodFields{} || c.maker || c.category)
        usageError("the makers report takes only --order and --asc/--desc");
}

} // namespace

int report(const std::vector<std::string> &args)
{
    const Choices c = parse(args);
    if (c.kind != "list" && c.kind != "pairs" && c.kind != "monthly" && c.kind != "makers" &&
        c.kind != "categories")
        usageError("unknown report " + c.kind);
    if (c.kind == "monthly" || c.kind == "categories")
        refuseChoices(c);
    if (c.kind == "makers")
        refuseFilters(c);
    const std::unique_ptr<ReportWriter> out = makeReportWriter(c.format, std::cout);
    if (!out)
        usageError("--format is tsv, csv or json");

    Logbook book;
    book.clear();
    loadLogbook(book, c.file);
    if (c.kind == "list")
        printDisplay(*out, book, DisplayKind::Fuelings, c);
    else if (c.kind == "pairs")
        printDisplay(*out, book, DisplayKind::Pairs, c);
    else if (c.kind == "monthly")
        out->table(monthly::cells(monthly::tally(book)));
    else if (c.kind == "makers")
        printMakers(*out, book, c);
    else
        out->table(bycategory::cells(bycategory::report(book)));
    out->finish();
    return 0;
}

} // namespace fenlo::cli
