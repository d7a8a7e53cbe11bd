#pragma once

#include <set>
#include <string>
#include <vector>

namespace fenlo::cli {

inline constexpr const char *ReportUsage =
    "  fenlo-cli report list|pairs|monthly|makers|categories FILE.fnl\n"
    "            [--from Y/M/D --to Y/M/D] [--maker CODE] [--kubun 1|2|3]\n"
    "            [--order KEY] [--asc|--desc] [--format tsv|csv|json]\n"
    "      KEY for list and pairs: date, distance, litres, amount, economy;\n"
    "      for makers: count, highest, lowest, average\n";

inline const std::set<std::string> ReportOptions = {"--from",  "--to",  "--maker", "--kubun",
                                                    "--order", "--asc", "--desc",  "--format"};

// Prints the grid of a report window (and for the two lists the summary panel), exactly the text
// the window shows for the same choices: tab-separated UTF-8 lines, CSV or JSON.
int report(const std::vector<std::string> &args);

} // namespace fenlo::cli
