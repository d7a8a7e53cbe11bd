#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace fenlo {

// The text of one report grid or panel, exactly as shown: the title row and the data rows (no
// trailing empty row), UTF-8. The windows put these strings into their grids unchanged and the
// CLI prints them, so both show the very same text.
class GridText
{
public:
    explicit GridText(std::vector<std::string> titles) : titles_(std::move(titles)) {}

    const std::vector<std::string> &titles() const { return titles_; }
    int columns() const { return static_cast<int>(titles_.size()); }
    int rowCount() const
    {
        return columns() == 0 ? 0 : static_cast<int>(cells_.size()) / columns();
    }
    // Data row `row` counted from 0.
    const std::string &cell(int row, int column) const
    {
        return cells_.at(static_cast<std::size_t>(row * columns() + column));
    }

    void reserveRows(int rows) { cells_.reserve(static_cast<std::size_t>(rows * columns())); }
    // Appends one cell; a row is complete after columns() of them.
    void add(std::string text) { cells_.push_back(std::move(text)); }

private:
    std::vector<std::string> titles_;
    std::vector<std::string> cells_;
};

// How the grids write a fuel category: the first two in half-width katakana; "" outside 1 to 3.
std::string_view categoryCellText(std::int32_t category);

} // namespace fenlo
