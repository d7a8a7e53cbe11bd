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
    BookBuilder() { book_.clear(); }

    BookBuilder &maker(std::int32_t code, const std::string &name)
    {
        book_.makers[++makers_] = {code, name};
        return *this;
    }

    struct FuelingFigures
    {
        int year = 2003, month = 1, day = 1, hour = 0;
        double trip = 0, litres = 0, economy = 0;
        std::int32_t makerCode = 1, category = 1;
        double amount = 0;
        double odometer = 0;
        std::string comment = {};
    };

    BookBuilder &fueling(const FuelingFigures &f)
    {
        Fueling &r = book_.fuelings[++fuelings_];
        r.moment = *encodeDateTime(f.year, f.month, f.day, f.hour);
        r.odometer = Currency::fromDouble(f.odometer);
        r.trip = Currency::fromDouble(f.trip);
        r.litres = Currency::fromDouble(f.litres);
        r.makerCode = f.makerCode;
        r.category = f.category;
        r.amount = Currency::fromDouble(f.amount);
        r.economy = Currency::fromDouble(f.economy);
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
