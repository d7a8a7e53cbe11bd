#include "exchange/csvexport.h"

#include "data/cp932.h"
#include "data/datetime.h"
#include "data/fileio.h"
#include "data/numformat.h"

#include <array>
#include <vector>

namespace fenlo {
namespace {

constexpr std::array<const char *, 10> Titles = {
    "日付", "時",   "距離(トータル)(Km)", "距離(今回)(Km)", "給油量(L)", "メーカー",
    "区分", "金額", "燃費(Km/L)",         "コメント",
};

// The fixed words of the file are all CP932 characters, so the conversion cannot fail.
std::string cp932(const char *utf8)
{
    return utf8ToCp932(utf8).value();
}

// A quote inside the text is doubled so the field stays whole in a spreadsheet. CP932 trail
// bytes never take the value of '"', so working on bytes cannot split a character.
std::string quoted(const std::string &text)
{
    std::string out = "\"";
    for (char c : text) {
        if (c == '"')
            out += '"';
        out += c;
    }
    return out + '"';
}

std::string categoryWord(std::int32_t category)
{
    switch (category) {
    case CategoryRegular:
        return cp932("レギュラー");
    case CategoryPremium:
        return cp932("ハイオク");
    case CategoryDiesel:
        return cp932("軽油");
    default:
        return {};
    }
}

void putLine(std::string &out, const std::vector<std::string> &fields)
{
    for (std::size_t i = 0; i < fields.size(); ++i) {
        if (i > 0)
            out += ',';
        out += fields[i];
    }
    out += "\r\n";
}

std::vector<std::string> recordFields(const Logbook &book, const Fueling &r)
{
    // A maker or category without a match keeps its column, so every line has all ten fields.
    const std::string *maker = book.makerName(r.makerCode);
    return {
        formatDate(r.moment),
        formatHour(r.moment),
        formatGeneral(r.odometer),
        formatGeneral(r.trip),
        formatGeneral(r.litres),
        quoted(maker ? *maker : std::string()),
        quoted(categoryWord(r.category)),
        formatGeneral(r.amount),
        formatGeneral(r.economy),
        quoted(r.comment),
    };
}

} // namespace

const std::array<const char *, 10> &csvTitles()
{
    return Titles;
}

std::string csvText(const Logbook &book, bool withTitle)
{
    std::string out;
    if (withTitle) {
        std::vector<std::string> fields;
        for (const char *title : Titles)
            fields.push_back(quoted(cp932(title)));
        putLine(out, fields);
    }
    for (const Fueling &r : book.fuelings) {
        if (r.used())
            putLine(out, recordFields(book, r));
    }
    return out;
}

void saveCsv(const Logbook &book, bool withTitle, const std::string &path)
{
    SafeFileWriter file(path);
    file.write(csvText(book, withTitle));
    file.commit();
}

} // namespace fenlo
