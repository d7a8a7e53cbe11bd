#pragma once

// Fuelings from a CSV file that a spreadsheet or another fuel logbook wrote, in two steps: the
// columns are recognised by their headers (and may be changed by the user), then the records
// are added to a copy of the logbook that replaces it only once the whole file was read.

#include "data/logbook.h"
#include "exchange/csvreader.h"
#include "exchange/csvvalues.h"

#include <string>
#include <string_view>
#include <vector>

namespace fenlo {

// What a column of the file holds. NotFull is a full-tank column read the other way round
// ("partial_fuelup").
enum class CsvField {
    None,
    Date,
    Hour,
    Odometer,
    Trip,
    Litres,
    Amount,
    Maker,
    Category,
    Full,
    NotFull,
    Comment,
    Economy,
};

// Every field, None first, in the order the columns are offered for choosing.
const std::vector<CsvField> &allCsvFields();

// The field's name in --map (date, hour, odometer …; "none" for None).
std::string_view csvFieldKey(CsvField field);

// The field a header names, by the names other logbooks use (case and surrounding blanks
// ignored); None for a header of no known field.
CsvField fieldOfHeader(std::string_view utf8Header);

// One field per header of the table. A field named by two headers goes to the first.
std::vector<CsvField> recogniseColumns(const CsvTable &table);

// Applies "FIELD=HEADER" (FIELD a csvFieldKey): the column so headed gets the field, which no
// other column keeps. Throws FenloError when the field is unknown or no header matches.
void mapColumn(std::vector<CsvField> &columns, const CsvTable &table, std::string_view assignment);

struct CsvImportOptions
{
    DateOrder dateOrder = DateOrder::Auto; // for dates whose year does not come first
    bool miles = false;                    // distances in miles
    bool gallons = false;                  // quantities in US gallons
};

struct CsvImportSummary
{
    int added = 0;
    int duplicates = 0;        // at a date and hour the logbook already holds
    int overMakerLimit = 0;    // their maker would have been the 21st
    int overFuelingLimit = 0;  // no free fueling slot was left
    int partialFills = 0;      // added, with the tank not filled
    int unknownCategories = 0; // added as regular, their category unknown
    int newMakers = 0;
    std::vector<std::string> refusedMakers; // the names that did not fit, UTF-8

    int refused() const { return overMakerLimit + overFuelingLimit; }
};

// Adds the table's records to `book` read through `columns` (one per header). Records are
// added in date order: a moment the logbook holds is skipped, a maker is found by its name or
// registered with the lowest free code, and what does not fit the tables is refused and
// counted. A missing trip is the odometer's advance since the fueling before; a missing economy
// is worked out as the entry dialog does it, over the fuel of the fill-ups before that did not
// fill the tank. On success the logbook is sorted and marked modified; a failure (FenloError
// naming the line) leaves it exactly as it was.
CsvImportSummary importCsv(Logbook &book, const CsvTable &table,
                           const std::vector<CsvField> &columns, const CsvImportOptions &options);

// The summary as the program and fenlo-cli report it, one line a figure, UTF-8.
std::string summaryText(const CsvImportSummary &summary);

} // namespace fenlo
