#pragma once

#include <string>
#include <vector>

namespace fenlo::cli {

// fenlo-cli csv FILE.fnl [--no-title] OUT.csv: the export the text-output window writes.
int csvCommand(const std::vector<std::string> &args);

// fenlo-cli import-legacy PATH/nenpi.dat OUT.fnl: a first-generation folder as a logbook file.
int importLegacyCommand(const std::vector<std::string> &args);

} // namespace fenlo::cli
