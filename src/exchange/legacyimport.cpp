#include "exchange/legacyimport.h"

#include "data/decimal.h"
#include "data/error.h"
#include "data/fileio.h"
#include "data/messages.h"
#include "data/numformat.h"
#include "exchange/exchangetexts.h"

#include <algorithm>
#include <cctype>
#include <chrono>
#include <cstdint>
#include <dirent.h>
#include <memory>
#include <string_view>
#include <vector>

namespace fenlo {
namespace {

// The old program's number buffers: longer tokens were cut there.
constexpr std::size_t RealTokenLength = 64;
constexpr std::size_t IntegerTokenLength = 32;
// Old lines are a few dozen bytes; a longer one means the file is not what it claims to be.
constexpr std::size_t MaxLegacyLine = 64 * 1024;

template <typename Body> void readFile(const std::string &path, Body body)
{
    FileSource source(path);
    LineReader in(source, MaxLegacyLine);
    try {
        body(in);
    } catch (const LineReader::LineTooLong &) {
        throw FenloError(msg::LegacyDamaged);
    }
}

// A real token × 10000, rounded on its decimal digits with halves to even; 0 at the end of
// the file, as the old runtime read it.
Currency realToken(LineReader &in)
{
    std::string token = in.readTokenLine(RealTokenLength);
    if (token.empty())
        return {};
    std::optional<Decimal> value = Decimal::parse(token);
    std::optional<std::int64_t> raw = value ? value->toScaled(4) : std::nullopt;
    if (!raw)
        throw FenloError(msg::NotNumber);
    return Currency::fromRaw(*raw);
}

std::int32_t integerToken(LineReader &in)
{
    std::string token = in.readTokenLine(IntegerTokenLength);
    return token.empty() ? 0 : parseInteger(token);
}

// The old program kept codes in 16-bit variables; larger values wrapped around there.
std::int32_t shortToken(LineReader &in)
{
    return static_cast<std::int16_t>(integerToken(in));
}

std::string trimmed(const std::string &text)
{
    std::size_t first = text.find_first_not_of(" \t");
    if (first == std::string::npos)
        return {};
    return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

std::optional<int> datePart(const std::string &digits)
{
    if (digits.empty() || digits.size() > 4 ||
        digits.find_first_not_of("0123456789") != std::string::npos)
        return std::nullopt;
    return std::stoi(digits);
}

bool sameIgnoringCase(std::string_view a, std::string_view b)
{
    return std::ranges::equal(a, b, [](char x, char y) {
        return std::tolower(static_cast<unsigned char>(x)) ==
               std::tolower(static_cast<unsigned char>(y));
    });
}

// The first generation ran where names ignore case, and copies of its files often come in
// capitals ("NENPI.DAT"): the file of `folder` named `name` in any case, the exact name first.
std::string fileNameIgnoringCase(const std::string &folder, const std::string &name)
{
    if (fileExists(folder + name))
        return name;
    std::vector<std::string> matches;
    if (DIR *dir = ::opendir(folder.empty() ? "." : folder.c_str())) {
        while (const dirent *entry = ::readdir(dir))
            if (sameIgnoringCase(entry->d_name, name) && fileExists(folder + entry->d_name))
                matches.emplace_back(entry->d_name);
        ::closedir(dir);
    }
    std::sort(matches.begin(), matches.end());
    return matches.empty() ? name : matches.front();
}

int thisYear()
{
    using namespace std::chrono;
    year_month_day today{floor<days>(system_clock::now())};
    return static_cast<int>(today.year());
}

} // namespace

LegacyFiles LegacyFiles::beside(const std::string &fuelingsPath)
{
    // A bare file name lies in the current folder (npos + 1 is 0).
    const std::size_t slash = fuelingsPath.rfind('/') + 1;
    const std::string folder = fuelingsPath.substr(0, slash);
    return {folder + fileNameIgnoringCase(folder, fuelingsPath.substr(slash)),
            folder + fileNameIgnoringCase(folder, "gas.dat"),
            folder + fileNameIgnoringCase(folder, "syamei.dat")};
}

std::optional<DateTime> legacyDate(const std::string &year, const std::string &month,
                                   const std::string &day, int currentYear)
{
    const std::string yearDigits = trimmed(year);
    std::optional<int> y = datePart(yearDigits);
    std::optional<int> m = datePart(trimmed(month));
    std::optional<int> d = datePart(trimmed(day));
    if (!y || !m || !d)
        return std::nullopt;
    if (yearDigits.size() <= 2) {
        int base = currentYear - 50;
        *y += base / 100 * 100;
        if (*y < base)
            *y += 100;
    }
    return encodeDateTime(*y, *m, *d);
}

void readLegacyMakers(Logbook &book, const std::string &path)
{
    if (!fileExists(path))
        return;
    readFile(path, [&](LineReader &in) {
        for (int slot = 1; slot <= LegacyMakerLimit; ++slot) {
            std::string name = in.readLine();
            if (name.empty())
                break;
            book.makers[slot] = Maker{slot, name};
        }
    });
}

void readLegacyFuelings(Logbook &book, const std::string &path)
{
    const int year = thisYear();
    readFile(path, [&](LineReader &in) {
        for (int slot = 1; slot <= LegacyFuelingLimit; ++slot) {
            std::string y = in.readLine();
            if (y.empty())
                break;
            std::string m = in.readLine();
            std::string d = in.readLine();
            Fueling r; // no odometer and no comment in the old records
            r.moment = legacyDate(y, m, d, year).value_or(0.0);
            r.trip = realToken(in);
            r.litres = realToken(in);
            r.makerCode = shortToken(in);
            r.category = shortToken(in);
            r.amount = Currency::fromUnits(integerToken(in));
            r.economy = realToken(in);
            book.fuelings[slot] = r;
        }
    });
}

void readLegacyCarName(Logbook &book, const std::string &path)
{
    if (!fileExists(path))
        return;
    readFile(path, [&](LineReader &in) { book.carName = in.readLine(); });
}

ImportResult importLegacy(Logbook &book, const std::string &fuelingsPath)
{
    const LegacyFiles files = LegacyFiles::beside(fuelingsPath);
    if (!fileExists(files.fuelings))
        return ImportResult::WrongPath;
    auto fresh = std::make_unique<Logbook>();
    fresh->clear();
    readLegacyMakers(*fresh, files.makers);
    readLegacyFuelings(*fresh, files.fuelings);
    readLegacyCarName(*fresh, files.carName);
    fresh->sortMakers();
    fresh->sortFuelings();
    fresh->modified = true;
    book = std::move(*fresh);
    return ImportResult::Imported;
}

} // namespace fenlo
