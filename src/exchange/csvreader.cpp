#include "exchange/csvreader.h"

#include "data/cp932.h"
#include "data/error.h"
#include "exchange/csvexport.h"
#include "exchange/exchangetexts.h"

#include <algorithm>
#include <array>

namespace fenlo {
namespace {

constexpr std::string_view ByteOrderMark = "\xEF\xBB\xBF";

bool isContinuation(unsigned char c)
{
    return (c & 0xC0) == 0x80;
}

// Well-formed UTF-8: no stray continuation bytes, no overlong forms, no surrogates.
bool isUtf8(std::string_view text)
{
    std::size_t i = 0;
    while (i < text.size()) {
        const auto c = static_cast<unsigned char>(text[i]);
        std::size_t length = c < 0x80             ? 1
                             : (c & 0xE0) == 0xC0 ? 2
                             : (c & 0xF0) == 0xE0 ? 3
                             : (c & 0xF8) == 0xF0 ? 4
                                                  : 0;
        if (length == 0 || i + length > text.size() || (length == 2 && c < 0xC2) || c > 0xF4)
            return false;
        for (std::size_t k = 1; k < length; ++k) {
            if (!isContinuation(static_cast<unsigned char>(text[i + k])))
                return false;
        }
        if (length >= 3) {
            const auto second = static_cast<unsigned char>(text[i + 1]);
            if ((c == 0xE0 && second < 0xA0) || (c == 0xED && second >= 0xA0) ||
                (c == 0xF0 && second < 0x90) || (c == 0xF4 && second >= 0x90))
                return false;
        }
        i += length;
    }
    return true;
}

// CP932 never encodes U+FFFD, so meeting it after the conversion means a byte was not CP932.
bool isCp932(std::string_view text)
{
    return cp932ToUtf8(text).find("\xEF\xBF\xBD") == std::string::npos;
}

// Delimiters outside quotes on the first line; the most frequent one separates the fields.
char detectDelimiter(std::string_view text)
{
    constexpr std::array<char, 3> Candidates = {',', ';', '\t'};
    std::array<int, 3> counts{};
    bool quoted = false;
    for (char c : text) {
        if (c == '"')
            quoted = !quoted;
        else if (!quoted && (c == '\n' || c == '\r'))
            break;
        else if (!quoted) {
            for (std::size_t k = 0; k < Candidates.size(); ++k)
                counts[k] += c == Candidates[k];
        }
    }
    const auto most = std::max_element(counts.begin(), counts.end()); // the first of equals
    return *most == 0 ? ',' : Candidates[static_cast<std::size_t>(most - counts.begin())];
}

// Splits the text into records by RFC 4180, leniently where spreadsheets are: a quote inside an
// unquoted field is kept as it stands, text after a closing quote joins the field, and a lone
// CR ends a line as CR LF and LF do. Bytes are compared only with ASCII delimiters, quotes and
// line ends, which are never part of a multi-byte character in either encoding.
class RecordSplitter
{
public:
    RecordSplitter(std::string_view text, char delimiter) : text_(text), delimiter_(delimiter) {}

    bool atEnd() const { return pos_ >= text_.size(); }

    CsvRecord next()
    {
        CsvRecord record;
        record.line = line_;
        std::string cell;
        bool quoted = false;
        while (pos_ < text_.size()) {
            const char c = text_[pos_++];
            if (quoted) {
                if (c == '"' && peek() == '"') {
                    cell += '"';
                    ++pos_;
                } else if (c == '"') {
                    quoted = false;
                } else {
                    countLine(c);
                    cell += c;
                }
            } else if (c == '"' && cell.empty()) {
                quoted = true;
            } else if (c == delimiter_) {
                record.cells.push_back(std::move(cell));
                cell.clear();
            } else if (c == '\r' || c == '\n') {
                if (c == '\r' && peek() == '\n')
                    ++pos_;
                ++line_;
                record.cells.push_back(std::move(cell));
                return record;
            } else {
                cell += c;
            }
        }
        if (quoted)
            throw FenloError(msg::csvUnclosedQuote(record.line));
        record.cells.push_back(std::move(cell));
        return record;
    }

private:
    char peek() const { return pos_ < text_.size() ? text_[pos_] : '\0'; }
    // Counts the lines a quoted field spans, so later records still name their own line.
    void countLine(char c)
    {
        if (c == '\n' || (c == '\r' && peek() != '\n'))
            ++line_;
    }

    std::string_view text_;
    char delimiter_;
    std::size_t pos_ = 0;
    int line_ = 1;
};

bool isBlank(const CsvRecord &record)
{
    return std::all_of(record.cells.begin(), record.cells.end(), [](const std::string &cell) {
        return cell.find_first_not_of(" \t") == std::string::npos;
    });
}

bool isDigits(std::string_view text, std::size_t count)
{
    return text.size() == count &&
           std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
}

// A record of the program's own export: ten fields, the first a date "yyyy/mm/dd" and the
// second a two-digit hour. No title line looks like that.
bool isExportRecord(const CsvRecord &record)
{
    if (record.cells.size() != csvTitles().size())
        return false;
    const std::string_view date = record.cells[0];
    return date.size() == 10 && isDigits(date.substr(0, 4), 4) && date[4] == '/' &&
           isDigits(date.substr(5, 2), 2) && date[7] == '/' && isDigits(date.substr(8, 2), 2) &&
           isDigits(record.cells[1], 2);
}

CsvRecord exportTitles(TextEncoding encoding)
{
    CsvRecord titles;
    for (const char *title : csvTitles())
        titles.cells.push_back(encoding == TextEncoding::Cp932 ? utf8ToCp932(title).value()
                                                               : std::string(title));
    return titles;
}

} // namespace

std::string CsvTable::utf8(const std::string &cell) const
{
    return encoding == TextEncoding::Cp932 ? cp932ToUtf8(cell) : cell;
}

std::optional<std::string> CsvTable::cp932(const std::string &cell) const
{
    return encoding == TextEncoding::Cp932 ? std::optional<std::string>(cell) : utf8ToCp932(cell);
}

CsvTable parseCsv(std::string_view bytes)
{
    CsvTable table;
    const bool marked = bytes.starts_with(ByteOrderMark);
    if (marked)
        bytes.remove_prefix(ByteOrderMark.size());
    if (bytes.find_first_not_of(" \t\r\n") == std::string_view::npos)
        throw FenloError(msg::CsvEmpty);
    // No text file holds a NUL byte; a picture or a packed file is refused at once.
    if (bytes.find('\0') != std::string_view::npos)
        throw FenloError(msg::CsvNotText);
    if (isUtf8(bytes))
        table.encoding = TextEncoding::Utf8;
    else if (!marked && isCp932(bytes))
        table.encoding = TextEncoding::Cp932;
    else
        throw FenloError(msg::CsvNotText);

    table.delimiter = detectDelimiter(bytes);
    RecordSplitter splitter(bytes, table.delimiter);
    bool haveHeader = false;
    while (!splitter.atEnd()) {
        CsvRecord record = splitter.next();
        if (isBlank(record))
            continue;
        if (!haveHeader) {
            table.header = std::move(record);
            haveHeader = true;
        } else {
            table.rows.push_back(std::move(record));
        }
    }
    // The export written without its title line reads back as one written with it.
    if (isExportRecord(table.header)) {
        table.rows.insert(table.rows.begin(), std::move(table.header));
        table.header = exportTitles(table.encoding);
    }
    if (table.rows.empty())
        throw FenloError(msg::CsvNoRows);
    return table;
}

CsvTable readCsvFile(const std::string &path)
{
    FileSource source(path);
    std::string bytes;
    char buffer[65536];
    while (std::size_t n = source.read(buffer, sizeof buffer)) {
        bytes.append(buffer, n);
        if (bytes.size() > MaxCsvBytes)
            throw FenloError(msg::CsvTooLarge);
    }
    return parseCsv(bytes);
}

} // namespace fenlo
