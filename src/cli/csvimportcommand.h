#pragma once

#include <set>
#include <string>
#include <vector>

namespace fenlo::cli {

// fenlo-cli import-csv IN.csv OUT.fnl [--into EXISTING.fnl] [--map FIELD=HEADER]...
// [--date-order dmy|mdy|ymd] [--miles] [--gallons]: the fuelings of a CSV file added to a new
// or an existing logbook, saved as OUT.fnl, with the summary on stdout.
int importCsvCommand(const std::vector<std::string> &args);

extern const char *const ImportCsvUsage;
extern const std::set<std::string> ImportCsvOptions;

} // namespace fenlo::cli
