#pragma once

// The economy graph that pages through a list: bars, a ribbon or an area, a page at a time.

#include "graphs/pagedchart.h"
#include "reportwindows/graphwindow.h"

class QButtonGroup;
class QScrollBar;

namespace fenlo {

// The economy of a list, a page of rows at a time, as bars, a ribbon or an area; the scroll bar
// moves the page one row a step and the window opens on the last page.
class PagedGraph : public GraphWindow
{
    Q_OBJECT

public:
    struct Look
    {
        Frame frame;
        bool chartInLoweredPanel;
        int closeButtonTop;
    };

    PagedGraph(QWidget *caller, const Look &look, PagedGraphContent content);

    // The position of the first row shown, from 1.
    int pageStart() const;

public Q_SLOTS:
    void scrolled();
    void kindChosen(int item);

protected:
    void populate() override;

private:
    QWidget *buildRadioGroup(QWidget *panel);

    PagedChart paged_;
    QScrollBar *pageScrollBar_;
    QButtonGroup *kindGroup_;
};

} // namespace fenlo
