#pragma once

#include "data/logbook.h"

#include <string>

namespace fenlo::cli {

// Loads a logbook or throws FenloError with the message the program would show.
void load(Logbook &book, const std::string &path);

} // namespace fenlo::cli
