#include "controls/listgrid.h"

#include <QHeaderView>
#include <QKeyEvent>
#include <QPainter>
#include <QStyledItemDelegate>

namespace fenlo {
namespace {

class RowDelegate : public QStyledItemDelegate
{
public:
    explicit RowDelegate(ListGrid *grid) : QStyledItemDelegate(grid), grid_(grid) {}

    void paint(QPainter *painter, const QStyleOptionViewItem &option,
               const QModelIndex &index) const override
    {
        const int row = index.row() + 1;
        const bool fixed = grid_->fixedFirstColumn() && index.column() == 0;
        const bool selected = option.state.testFlag(QStyle::State_Selected);
        QColor background = fixed      ? option.palette.color(QPalette::Button)
                            : selected ? ListGrid::SelectedColor
                                       : grid_->rowColor(row);
        QColor foreground = selected && !fixed ? option.palette.color(QPalette::HighlightedText)
                                               : option.palette.color(QPalette::Text);
        painter->save();
        painter->fillRect(option.rect, background);
        QRect text = option.rect.adjusted(0, 2, 0, 0);
        painter->setPen(foreground);
        painter->setFont(option.font);
        Qt::Alignment alignment = grid_->columnAlignment(index.column()) | Qt::AlignTop;
        painter->drawText(text, static_cast<int>(alignment | Qt::TextSingleLine),
                          index.data().toString());
        painter->restore();
    }

private:
    ListGrid *grid_;
};

} // namespace

ListGrid::ListGrid(QWidget *parent) : QTableWidget(parent)
{
    setItemDelegate(new RowDelegate(this));
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setTabKeyNavigation(false);
    setWordWrap(false);
    setShowGrid(true);
    verticalHeader()->hide();
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    verticalHeader()->setDefaultSectionSize(18);
    verticalHeader()->setMinimumSectionSize(18);
    horizontalHeader()->setSectionResizeMode(QHeaderView::Interactive);
    horizontalHeader()->setHighlightSections(false);
    horizontalHeader()->setFixedHeight(20);
    horizontalHeader()->setMinimumSectionSize(4);
    connect(this, &QTableWidget::currentCellChanged, this, [this](int row, int, int previous, int) {
        if (row != previous)
            Q_EMIT currentDataRowChanged(row + 1);
    });
}

void ListGrid::setColumns(const std::vector<Column> &columns)
{
    setColumnCount(static_cast<int>(columns.size()));
    alignments_.clear();
    for (int c = 0; c < static_cast<int>(columns.size()); ++c) {
        const Column &column = columns[static_cast<size_t>(c)];
        auto *title = new QTableWidgetItem(column.title);
        title->setTextAlignment(Qt::AlignLeft | Qt::AlignVCenter);
        setHorizontalHeaderItem(c, title);
        setColumnWidth(c, column.width);
        alignments_.push_back(column.alignment);
    }
}

Qt::Alignment ListGrid::columnAlignment(int column) const
{
    if (column < 0 || column >= static_cast<int>(alignments_.size()))
        return Qt::AlignLeft;
    return alignments_[static_cast<size_t>(column)];
}

QColor ListGrid::rowColor(int row) const
{
    return row % 2 == 1 ? OddRowColor : evenRowColor_;
}

void ListGrid::refill(int count, const std::function<void()> &fill)
{
    setRowCount(count > 0 ? count : 1);
    filled_.assign(static_cast<std::size_t>(rowCount()) * static_cast<std::size_t>(columnCount()),
                   false);
    fill();
    for (int r = 0; r < rowCount(); ++r) {
        for (int c = 0; c < columnCount(); ++c) {
            QTableWidgetItem *stale = item(r, c);
            if (stale && !filled_[static_cast<std::size_t>(r * columnCount() + c)])
                stale->setText(QString());
        }
    }
    filled_.clear();
}

void ListGrid::setCell(int row, int column, const QString &text)
{
    const auto index = static_cast<std::size_t>((row - 1) * columnCount() + column);
    if (index < filled_.size())
        filled_[index] = true;
    QTableWidgetItem *cellItem = item(row - 1, column);
    if (!cellItem) {
        cellItem = new QTableWidgetItem;
        setItem(row - 1, column, cellItem);
    }
    cellItem->setText(text);
}

QString ListGrid::cell(int row, int column) const
{
    if (row == 0) {
        const QTableWidgetItem *title = horizontalHeaderItem(column);
        return title ? title->text() : QString();
    }
    const QTableWidgetItem *cellItem = item(row - 1, column);
    return cellItem ? cellItem->text() : QString();
}

QStringList ListGrid::rowTexts(int row) const
{
    QStringList texts;
    for (int c = 0; c < columnCount(); ++c)
        texts << cell(row, c);
    return texts;
}

void ListGrid::setCurrentDataRow(int row)
{
    row = qBound(1, row, rowCount());
    setCurrentCell(row - 1, fixedFirstColumn_ && columnCount() > 1 ? 1 : 0);
}

void ListGrid::keyPressEvent(QKeyEvent *event)
{
    const Qt::KeyboardModifiers mods = event->modifiers() & ~Qt::KeypadModifier;
    switch (event->key()) {
    case Qt::Key_Insert:
        Q_EMIT addRequested();
        return;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        Q_EMIT changeRequested();
        return;
    case Qt::Key_Delete:
        // Deleting needs Ctrl alone, so a stray Delete never removes a record.
        if (mods == Qt::ControlModifier)
            Q_EMIT deleteRequested();
        return;
    default:
        QTableWidget::keyPressEvent(event);
    }
}

void ListGrid::mouseDoubleClickEvent(QMouseEvent *event)
{
    QTableWidget::mouseDoubleClickEvent(event);
    Q_EMIT changeRequested();
}

} // namespace fenlo
