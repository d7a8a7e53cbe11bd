#pragma once

#include "data/logbook.h"

#include <string>

namespace fenlo::cli {

// Loads a logbook or throws FenloError with the message the program would show.
void loadLogbook(Logbook &book, const std::string &path);

// Saves a logbook as the program does, keeping a backup of the file it replaces (a backup that
// fails is reported on stderr and the save goes on). A logbook another running program has
// open is refused with FenloError.
void saveLogbook(Logbook &book, const std::string &path);

} // namespace fenlo::cli
