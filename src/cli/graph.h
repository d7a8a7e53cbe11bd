#pragma once

// fenlo-cli graph: a report's graph drawn to a PNG, SVG or PDF file, as its window draws it.
// This header is free of Qt, so the rest of fenlo-cli stays so.

#include <set>
#include <string>
#include <vector>

namespace fenlo::cli {

inline constexpr const char *GraphUsage =
    "  fenlo-cli graph KIND FILE.fnl --out OUT.png|OUT.svg|OUT.pdf\n"
    "            [--size WxH] [--type bar|ribbon|area] [--page N]\n"
    "            [--from Y/M/D --to Y/M/D] [--maker CODE] [--kubun 1|2|3]\n"
    "            [--order KEY] [--asc|--desc]\n"
    "      KIND: display1, display2, monthly, makers-count, makers-economy,\n"
    "      categories-count, categories-economy; the choices as for the report of the\n"
    "      same list; --page N: the first row (month) shown, by default the last page\n";

inline const std::set<std::string> GraphOptions = {"--out",   "--size", "--type",  "--page",
                                                   "--from",  "--to",   "--maker", "--kubun",
                                                   "--order", "--asc",  "--desc"};

// Draws the graph without a display. Usage errors throw std::invalid_argument; a file that
// cannot be read or written throws FenloError, and nothing is written then.
int graph(const std::vector<std::string> &args);

} // namespace fenlo::cli
