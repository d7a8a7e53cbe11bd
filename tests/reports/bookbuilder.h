#pragma once

#include "data/logbook.h"
#include "reports/cells.h"

#include <string>
#include <vector>

namespace fenlo::test {

// Builds a logbook record by record, in slot order, the way the entry dialog would fill it.
class BookBuilder
{
public:
    BookBuilder() { book_.DataClear(); }

    BookBuilder &maker(std::int32_t cd, const std::string &name)
    {
        book_.MgasTable[++makers_] = {cd, name};
        return *this;
    }

    struct FuelingFigures
    {
        int year = 2003, month = 1, day = 1, hour = 0;
        double kyori2 = 0, ryou = 0, nenpi = 0;
        std::int32_t gas = 1, kubun = 1;
        double kingaku = 0;
        double kyori1 = 0;
        std::string comment = {};
    };

    BookBuilder &fueling(const FuelingFigures &f)
    {
        Fueling &r = book_.NenpiTable[++fuelings_];
        r.nichiji = *encodeDateTime(f.year, f.month, f.day, f.hour);
        r.kyori1 = Currency::fromDouble(f.kyori1);
        r.kyori2 = Currency::fromDouble(f.kyori2);
        r.ryou = Currency::fromDouble(f.ryou);
        r.gas = f.gas;
        r.kubun = f.kubun;
        r.kingaku = Currency::fromDouble(f.kingaku);
        r.nenpi = Currency::fromDouble(f.nenpi);
        r.comment = f.comment;
        return *this;
    }

    const Logbook &book() const { return book_; }
    Logbook &book() { return book_; }

private:
    Logbook book_;
    int makers_ = 0;
    int fuelings_ = 0;
};

// The cells of one grid line, to compare with a list of expected texts.
inline std::vector<std::string> line(const GridText &grid, int row)
{
    std::vector<std::string> cells;
    for (int c = 0; c < grid.columns(); ++c)
        cells.push_back(grid.cell(row, c));
    return cells;
}

} // namespace fenlo::test
