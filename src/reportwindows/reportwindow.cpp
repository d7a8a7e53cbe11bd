#include "reportwindows/reportwindow.h"

#include "controls/listgrid.h"
#include "data/logbook.h"
#include "reports/cells.h"
#include "ui/childwindow.h"
#include "ui/formfont.h"
#include "ui/prompter.h"

#include <QApplication>
#include <QFrame>
#include <QHeaderView>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QScreen>
#include <QStyle>
#include <QToolButton>

#include <algorithm>

namespace fenlo {

ReportWindow::ReportWindow(const QString &caption, Logbook &book, QWidget *parent)
    : QWidget(parent), book_(book)
{
    setWindowTitle(caption);
    setAttribute(Qt::WA_DeleteOnClose);
    setFont(formFont(QStringLiteral("ＭＳ ゴシック"), 13));
}

QWidget *ReportWindow::outerWindow()
{
    return fenlo::outerWindow(this);
}

void ReportWindow::closeWindow()
{
    closeWithFrame(this);
}

void ReportWindow::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    if (formShown_)
        return;
    formShown_ = true;
    applySizeLimits();
    Prompter::guarded([this] { populate(); });
}

bool ReportWindow::event(QEvent *event)
{
    // The window may be minimised but not maximised; its frame learns so before it first shows.
    if (event->type() == QEvent::ParentChange) {
        if (auto *frame = qobject_cast<QMdiSubWindow *>(parentWidget()))
            frame->setWindowFlags(Qt::SubWindow | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                                  Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
    }
    return QWidget::event(event);
}

void ReportWindow::setSizeLimits(QSize minimum, QSize maximum)
{
    minimum_ = minimum;
    maximum_ = maximum.expandedTo(minimum);
    if (formShown_)
        applySizeLimits();
}

void ReportWindow::applySizeLimits()
{
    if (minimum_.isEmpty())
        return;
    QWidget *outer = outerWindow();
    outer->setMinimumSize(minimum_);
    outer->setMaximumSize(maximum_);
}

QSize ReportWindow::screenSize()
{
    const QScreen *screen = QApplication::primaryScreen();
    return screen ? screen->size() : QSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
}

void ReportWindow::resizeOuter(QSize size)
{
    QWidget *outer = outerWindow();
    outer->resize(size.expandedTo(outer->minimumSize()).boundedTo(outer->maximumSize()));
}

int ReportWindow::captionHeight() const
{
    return style()->pixelMetric(QStyle::PM_TitleBarHeight);
}

QAbstractButton *ReportWindow::makeButton(QWidget *panel, ButtonStyle style, const QString &name,
                                          const QString &caption, const QString &hint, QSize size,
                                          std::function<void()> handler)
{
    QAbstractButton *button = nullptr;
    if (style == ButtonStyle::Speed) {
        auto *speed = new QToolButton(panel);
        speed->setAutoRaise(true);
        speed->setFocusPolicy(Qt::NoFocus);
        speed->setToolButtonStyle(Qt::ToolButtonTextOnly);
        button = speed;
    } else {
        auto *push = new QPushButton(panel);
        push->setAutoDefault(false);
        button = push;
    }
    button->setObjectName(name);
    button->setText(caption);
    button->setToolTip(hint);
    button->setFixedSize(size);
    if (!handler)
        button->setEnabled(false);
    else
        connect(button, &QAbstractButton::clicked, this,
                [handler = std::move(handler)] { Prompter::guarded(handler); });
    return button;
}

QFrame *ReportWindow::raisedPanel(const char *name, int height)
{
    auto *panel = new QFrame(this);
    panel->setObjectName(QString::fromUtf8(name));
    panel->setFrameStyle(QFrame::Panel | QFrame::Raised);
    panel->setFixedHeight(height);
    return panel;
}

ListGrid *ReportWindow::tableGrid(const std::vector<int> &widths, const QColor &evenRowColor)
{
    auto *grid = new ListGrid(this);
    grid->setObjectName(QStringLiteral("SGrdNenpi"));
    grid->setFont(formFont(QStringLiteral("ＭＳ ゴシック"), 12));
    grid->setEvenRowColor(evenRowColor);
    grid->setFixedFirstColumn(true);
    grid->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    grid->verticalHeader()->setMinimumSectionSize(16);
    grid->verticalHeader()->setDefaultSectionSize(16);
    std::vector<int> figures;
    for (int c = 1; c < static_cast<int>(widths.size()); ++c)
        figures.push_back(c);
    setGridColumns(grid, widths, figures);
    return grid;
}

void ReportWindow::setGridColumns(ListGrid *grid, const std::vector<int> &widths,
                                  const std::vector<int> &rightAligned)
{
    std::vector<ListGrid::Column> columns;
    for (int c = 0; c < static_cast<int>(widths.size()); ++c) {
        const bool right =
            std::find(rightAligned.begin(), rightAligned.end(), c) != rightAligned.end();
        columns.push_back({QString(), widths[static_cast<std::size_t>(c)],
                           right ? Qt::AlignRight : Qt::AlignLeft});
    }
    grid->setColumns(columns);
}

void ReportWindow::fillGrid(ListGrid *grid, const GridText &text, int rows)
{
    for (int c = 0; c < text.columns() && c < grid->columnCount(); ++c)
        grid->horizontalHeaderItem(c)->setText(
            QString::fromStdString(text.titles()[static_cast<std::size_t>(c)]));
    const int selected = grid->currentDataRow();
    grid->refill(std::max(rows, text.rowCount()), [&] {
        for (int r = 0; r < text.rowCount(); ++r)
            for (int c = 0; c < text.columns(); ++c)
                grid->setCell(r + 1, c, QString::fromStdString(text.cell(r, c)));
    });
    // A grid always has a selected row: the first when new, else the same row number, or the
    // last row when the list got shorter.
    grid->setCurrentDataRow(selected >= 1 ? selected : 1);
}

} // namespace fenlo
