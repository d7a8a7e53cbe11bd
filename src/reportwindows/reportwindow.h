#pragma once

#include <QAbstractButton>
#include <QColor>
#include <QSize>
#include <QWidget>

#include <functional>
#include <vector>

class QFrame;

namespace fenlo {

class GridText;
class Logbook;
class ListGrid;

// What every report window shares: it is an MDI child that frees itself when closed, fills
// itself when first shown (not again when it comes back from being minimised), keeps the size
// limits of its design on its outer frame, and has no maximise button. Its figures are computed
// only then and when the user asks for them, never behind the user's back.
class ReportWindow : public QWidget
{
    Q_OBJECT

public:
    // The window's outer frame inside the MDI area (itself when not inside one).
    QWidget *outerWindow();
    void closeWindow();

protected:
    ReportWindow(const QString &caption, Logbook &book, QWidget *parent = nullptr);

    Logbook &book() const { return book_; }

    // Runs once, at the first show, after the outer frame has taken the size limits.
    virtual void populate() {}
    bool formShown() const { return formShown_; }
    void showEvent(QShowEvent *event) override;
    bool event(QEvent *event) override;

    // The smallest and largest outer size, kept by the outer frame from the first show on.
    void setSizeLimits(QSize minimum, QSize maximum);
    static QSize screenSize();
    // Gives the outer frame this size, within the limits.
    void resizeOuter(QSize size);
    // The height of a window caption, which the designed heights are counted from.
    int captionHeight() const;

    enum class ButtonStyle { Speed, Push };
    // A button on `panel`; a speed button is flat and takes no focus. It runs `handler` through
    // the guard that shows an uncaught error; without a handler it stays disabled (the graph
    // buttons, whose windows come later).
    QAbstractButton *makeButton(QWidget *panel, ButtonStyle style, const QString &name,
                                const QString &caption, const QString &hint, QSize size,
                                std::function<void()> handler);
    // A panel with the raised inner and lowered outer bevel of the designs.
    QFrame *raisedPanel(const char *name, int height);

    // The grid of a table report: the label column fixed and left-aligned, the figures right,
    // rows of 16 pixels in the smaller face, no horizontal scroll bar.
    ListGrid *tableGrid(const std::vector<int> &widths, const QColor &evenRowColor);
    // The grid's columns: these widths, the listed columns right-aligned and the others left.
    static void setGridColumns(ListGrid *grid, const std::vector<int> &widths,
                               const std::vector<int> &rightAligned);
    // Writes a report's text, titles and rows, into the grid, which gets `rows` data rows (the
    // report's rows and any blank ones the window keeps below them). The selected row keeps its
    // number; a new grid selects its first row.
    static void fillGrid(ListGrid *grid, const GridText &text, int rows);

private:
    void applySizeLimits();

    Logbook &book_;

    QSize minimum_;
    QSize maximum_;
    bool formShown_ = false;
};

} // namespace fenlo
