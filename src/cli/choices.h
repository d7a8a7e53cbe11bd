#pragma once

// The choices of the report windows (period, maker, category, order) as the commands over the
// reports take them on the command line.

#include "data/logbook.h"
#include "reports/bymaker.h"
#include "reports/display.h"
#include "reports/period.h"

#include <map>
#include <optional>
#include <set>
#include <string>
#include <vector>

namespace fenlo::cli {

// A command that takes the choices: its name and usage for the messages, and the options with a
// value that it reads itself.
struct ChoicesCommand
{
    std::string name;
    std::string usage;
    std::set<std::string> ownOptions;

    // Throws std::invalid_argument with the reason and the usage.
    [[noreturn]] void usageError(const std::string &why) const;
};

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
    std::map<std::string, std::string> own; // the command's own options and their values
};

// KIND FILE [options]; an option given twice keeps its last value.
Choices parseChoices(const std::vector<std::string> &args, const ChoicesCommand &command);

// Which choices the window of a kind has: the displays all of them, the maker list its order,
// the others none. A choice the window does not have is refused.
enum class ChoiceSet { Display, Order, None };
void refuseOtherChoices(const Choices &c, ChoiceSet allowed, const ChoicesCommand &command);

// The options of a display window. A maker code no maker has is refused; a period the window
// would refuse throws FenloError with the window's message.
DisplayOptions displayOptions(const Logbook &book, const Choices &c, const ChoicesCommand &command);
bymaker::Options makerOptions(const Choices &c, const ChoicesCommand &command);

} // namespace fenlo::cli
