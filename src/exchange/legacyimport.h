#pragma once

// The import of a logbook kept by the program's first generation.

#include "data/datetime.h"
#include "data/logbook.h"

#include <optional>
#include <string>

namespace fenlo {

// The first generation kept a logbook in three files of one folder.
struct LegacyFiles
{
    std::string fuelings; // fueling records
    std::string makers;   // maker names, one a line
    std::string carName;  // the car name

    // The three files of the folder that holds `fuelingsPath`, their names in any case.
    static LegacyFiles beside(const std::string &fuelingsPath);
};

inline constexpr int LegacyMakerLimit = 10;
inline constexpr int LegacyFuelingLimit = 500;

// The readers fill `book` without clearing or sorting it. A missing "gas.dat" or "syamei.dat"
// leaves the makers or the car name as they were. They throw FenloError: the file cannot be
// read, a number does not parse ("入力値が数値ではありません"), a line is absurdly long.
void readLegacyMakers(Logbook &book, const std::string &path);
void readLegacyFuelings(Logbook &book, const std::string &path);
void readLegacyCarName(Logbook &book, const std::string &path);

// A record's date from its three lines; nullopt when they do not name a calendar day, which the
// import stores as date 0. A year of one or two digits falls in the hundred years that end fifty
// years after `currentYear`, as the first generation's dates were read.
std::optional<DateTime> legacyDate(const std::string &year, const std::string &month,
                                   const std::string &day, int currentYear);

enum class ImportResult {
    Imported,
    WrongPath, // nothing at the given path: "パスの指定が違います"
};

// Reads the folder of `fuelingsPath` into a fresh logbook that replaces `book` only once all three
// files were read: untitled, without memos, sorted, with modified set. After a failure
// (FenloError) or WrongPath `book` is exactly as it was.
ImportResult importLegacy(Logbook &book, const std::string &fuelingsPath);

} // namespace fenlo
