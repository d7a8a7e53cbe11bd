#pragma once

// Comma-separated text as spreadsheets and other fuel logbooks write it: the encoding and the
// delimiter recognised by themselves, quoting as RFC 4180 has it.

#include "data/fileio.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace fenlo {

enum class TextEncoding { Utf8, Cp932 };

struct CsvRecord
{
    int line = 0; // the line of the file the record starts on, from 1
    std::vector<std::string> cells;
};

// A header line and the records below it. The cells keep the bytes of the file (without a
// byte-order mark), so a CP932 text reaches the logbook unchanged, byte for byte.
struct CsvTable
{
    TextEncoding encoding = TextEncoding::Utf8;
    char delimiter = ',';
    CsvRecord header;
    std::vector<CsvRecord> rows; // blank lines left out

    // A cell as UTF-8, for matching and showing it.
    std::string utf8(const std::string &cell) const;
    // A cell as the logbook keeps text; nullopt when it holds a character CP932 cannot.
    std::optional<std::string> cp932(const std::string &cell) const;
};

// Larger than any logbook's worth of fuelings many times over; a bigger file is not one.
inline constexpr std::size_t MaxCsvBytes = 32 * 1024 * 1024;

// Reads the table from the bytes of a file. Throws FenloError with the user's message: the
// text is empty, is not text (CSV) at all, has a quote left open, or has no record below the
// header.
CsvTable parseCsv(std::string_view bytes);

// The same for a file; also throws the file's errors and refuses a file over MaxCsvBytes.
CsvTable readCsvFile(const std::string &path);

} // namespace fenlo
