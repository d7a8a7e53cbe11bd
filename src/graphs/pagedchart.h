#pragma once

// The economy chart that pages through a list: bars, a ribbon or an area, a page at a time.

#include <QColor>
#include <QString>

#include <array>
#include <optional>
#include <vector>

namespace fenlo {

class ChartModel;
class ChartSeries;

// One row of the list a paged chart pages through: the value it charts and the label under it.
// A row without a point keeps its place on the axis empty.
struct PagePoint
{
    double value = 0;
    QString label;
};
using PageRows = std::vector<std::optional<PagePoint>>;

// The three ways of drawing it, in the order the graph windows offer them.
enum class PagedChartType { Bar, Ribbon, Area };

struct PagedChartLook
{
    int perPage;
    QColor gradientBottom; // blends to white at the top edge
    QColor bottomWall;
    QColor pointColour;
    bool valueFormatOnAll; // else the ribbon and area keep the chart's default format
};

// Sets a chart up as the paged economy chart of a list and fills it a page at a time. A page is
// named by its first row, from 1, as a scroll bar moving one row a step names it.
class PagedChart
{
public:
    PagedChart(ChartModel &chart, const PagedChartLook &look, PageRows rows);

    // The first row of the last page, where the chart opens: the newest rows are the ones the
    // user came to see.
    int lastPage() const;
    // Fills every series with the rows of the page that starts at row `first`.
    void showPage(int first);
    // All three series always hold the points; the type only decides which one is drawn.
    void setType(PagedChartType type);

private:
    PageRows rows_;
    int perPage_;
    QColor pointColour_;
    std::array<ChartSeries *, 3> series_{}; // in the order of PagedChartType
};

// A paged graph as a report gives it: its caption, the look of its chart and its rows.
struct PagedGraphContent
{
    QString caption;
    PagedChartLook look;
    PageRows rows;
};

} // namespace fenlo
