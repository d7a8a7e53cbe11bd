#pragma once

#include <QColor>
#include <QTableWidget>

#include <functional>
#include <vector>

namespace fenlo {

// The program's list grid: a title row, data rows of 18 pixels painted in alternating colours
// with the selected row in navy, text drawn 2 pixels below the top flush left or right, and the
// keyboard of every list (Insert adds, Enter changes, Ctrl+Delete deletes). Rows are numbered
// from 1 as the table slots they show; row 0 is the title row.
class ListGrid : public QTableWidget
{
    Q_OBJECT

public:
    struct Column
    {
        QString title;
        int width;
        Qt::Alignment alignment = Qt::AlignLeft;
    };

    static inline const QColor OddRowColor{255, 255, 248};
    static inline const QColor LightBlue{206, 231, 255};
    static inline const QColor SelectedColor{0, 0, 128};

    explicit ListGrid(QWidget *parent = nullptr);

    void setColumns(const std::vector<Column> &columns);
    Qt::Alignment columnAlignment(int column) const;
    // The colour of even data rows; odd rows are pale ivory.
    void setEvenRowColor(const QColor &color) { evenRowColor_ = color; }
    QColor rowColor(int row) const;
    // Draws column 0 like the title row (a fixed column).
    void setFixedFirstColumn(bool fixed) { fixedFirstColumn_ = fixed; }
    bool fixedFirstColumn() const { return fixedFirstColumn_; }

    // Gives the grid `count` data rows, or one blank row when count is 0, whose cells `fill`
    // sets with setCell; every cell it leaves alone is blank. The cells keep their items, so
    // only text that changed reaches the view: refilling 1000 rows to change one repaints one.
    void refill(int count, const std::function<void()> &fill);
    int dataRowCount() const { return rowCount(); }
    void setCell(int row, int column, const QString &text);
    QString cell(int row, int column) const;
    // Row 0 is the title row.
    QStringList rowTexts(int row) const;

    int currentDataRow() const { return currentRow() + 1; }
    void setCurrentDataRow(int row);
    int lastDataRow() const { return rowCount(); }

Q_SIGNALS:
    void addRequested();
    void changeRequested();
    void deleteRequested();
    void currentDataRowChanged(int row);

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;

private:
    std::vector<Qt::Alignment> alignments_;
    QColor evenRowColor_ = LightBlue;
    bool fixedFirstColumn_ = false;
    std::vector<bool> filled_; // during a refill, the cells set so far, row by row
};

} // namespace fenlo
