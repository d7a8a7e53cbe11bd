#pragma once

// The economy graph that pages through a list: bars, a ribbon or an area, a page at a time.

#include "reportwindows/graphwindow.h"

#include <QColor>

#include <optional>
#include <vector>

class QButtonGroup;
class QScrollBar;

namespace fenlo {

class ChartSeries;

// One row of the list a paged graph pages through: the value it charts and the label under it.
// A row without a point keeps its place on the axis empty.
struct PagePoint
{
    double value = 0;
    QString label;
};
using PageRows = std::vector<std::optional<PagePoint>>;

// The economy of a list, a page of rows at a time, as bars, a ribbon or an area; the scroll bar
// moves the page one row a step and the window opens on the last page.
class PagedGraph : public GraphWindow
{
    Q_OBJECT

public:
    struct Look
    {
        Frame frame;
        int perPage;
        QColor gradientBottom; // blends to white at the top edge
        QColor bottomWall;
        QColor pointColour;
        bool valueFormatOnAll; // else the ribbon and area keep the chart's default format
        bool chartInLoweredPanel;
        int closeButtonTop;
    };

    PagedGraph(QWidget *caller, const Look &look, PageRows rows);

    // The position of the first row shown, from 1.
    int pageStart() const;

public Q_SLOTS:
    void scrolled();
    void kindChosen(int item);

protected:
    void populate() override;

private:
    void setUpChart(const Look &look);
    QWidget *buildRadioGroup(QWidget *panel);
    void showPage();

    PageRows rows_;
    int perPage_;
    QColor pointColour_;
    std::vector<ChartSeries *> series_; // bar, ribbon, area
    QScrollBar *pageScrollBar_;
    QButtonGroup *kindGroup_;
};

} // namespace fenlo
