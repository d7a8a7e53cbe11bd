#pragma once

#include "data/logbook.h"

#include <array>
#include <string>

namespace fenlo {

// The fueling records as CSV for a spreadsheet: CP932, CR LF line ends, one line per used slot
// in date order, optionally after a title line. Texts are quoted, with a quote inside doubled.
std::string csvText(const Logbook &book, bool withTitle);

// The ten titles of the title line, UTF-8.
const std::array<const char *, 10> &csvTitles();

// Writes csvText's bytes to `path`. Throws FenloError; a file already there is then intact.
void saveCsv(const Logbook &book, bool withTitle, const std::string &path);

} // namespace fenlo
