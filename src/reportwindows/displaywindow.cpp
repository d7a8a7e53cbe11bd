#include "reportwindows/displaywindow.h"

#include "reportwindows/displaygraphs.h"

#include "controls/combofield.h"
#include "controls/datepartfield.h"
#include "controls/listgrid.h"
#include "controls/statusline.h"
#include "entry/datefields.h"
#include "reports/choices.h"
#include "reportwindows/summarypanel.h"
#include "ui/prompter.h"

#include <QAbstractButton>
#include <QFrame>
#include <QLabel>
#include <QResizeEvent>
#include <QVBoxLayout>

namespace fenlo {
namespace {

constexpr int CommentColumn = 9;
// The comment column takes what the window is wider than its smallest width.
constexpr int FixedColumnsWidth = 640;
const QString All = QStringLiteral("全て");

void place(QWidget *widget, int x, int y, int width = 0)
{
    widget->move(x, y);
    if (width > 0)
        widget->setFixedWidth(width);
}

QLabel *label(const QString &name, const QString &text, int x, int y, QWidget *parent)
{
    auto *l = new QLabel(text, parent);
    l->setObjectName(name);
    l->move(x, y);
    return l;
}

ComboField *comboBox(const QString &name, const QStringList &items, int x, int y, int width,
                     QWidget *parent)
{
    auto *box = new ComboField(parent);
    box->setObjectName(name);
    box->addItems(items);
    place(box, x, y, width);
    return box;
}

QStringList texts(auto items)
{
    QStringList list;
    for (const char *item : items)
        list << QString::fromUtf8(item);
    return list;
}

} // namespace

DisplayWindow::DisplayWindow(DisplayKind kind, const QString &caption, const QColor &evenRowColor,
                             Logbook &book, QWidget *parent)
    : ReportWindow(caption, book, parent), kind_(kind)
{
    grid_ = new ListGrid(this);
    grid_->setObjectName(QStringLiteral("SGrdNenpi"));
    grid_->setEvenRowColor(evenRowColor);
    grid_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setGridColumns(grid_, {25, 99, 74, 71, 51, 142, 46, 44, 49, 140}, {0, 2, 3, 4, 7, 8});
    fillGrid(grid_, displayCells(book, {}), 1);
    connect(grid_, &ListGrid::currentDataRowChanged, this, &DisplayWindow::showComment);

    summaryPanel_ = new SummaryPanel(this);
    statusLine_ = new StatusLine(this);
    statusLine_->setObjectName(QStringLiteral("StatusBarT1"));

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(buildToolPanel());
    layout->addWidget(buildFilterPanel());
    layout->addWidget(grid_, 1);
    layout->addWidget(summaryPanel_);
    layout->addWidget(statusLine_);

    setSizeLimits({780, 401}, screenSize());
}

QWidget *DisplayWindow::buildToolPanel()
{
    QFrame *panel = raisedPanel("Panel1", 35);
    graphButton_ = makeButton(panel, ButtonStyle::Speed, QStringLiteral("SpeedButton1"),
                              QStringLiteral("グラフ(&G)"), QStringLiteral("グラフを表示します"),
                              {69, 25}, [this] {
                                  if (kind_ == DisplayKind::Fuelings)
                                      FuelingsGraph::showFor(this, rows_);
                                  else
                                      PairsGraph::showFor(this, rows_);
                              });
    endButton_ =
        makeButton(panel, ButtonStyle::Speed, QStringLiteral("SBtnEnd"), QStringLiteral("終了(&E)"),
                   QStringLiteral("このフォームを閉じます"), {69, 25}, [this] { closeWindow(); });
    graphButton_->move(7, 5);
    endButton_->move(82, 5);
    return panel;
}

DatePartField *DisplayWindow::makeDateField(const QString &name, int part, int x, QWidget *panel)
{
    auto *field = new DatePartField(panel);
    field->setObjectName(name);
    field->setAttribute(Qt::WA_InputMethodEnabled, false);
    if (part == 0) {
        field->setPart(DatePart::Year);
        field->setMaxLength(4);
        field->setToolTip(QStringLiteral("年を西暦４桁で入力してください。"));
    } else if (part == 1) {
        field->setPart(DatePart::Month);
        field->setMaxLength(2);
        field->setToolTip(QStringLiteral("月を入力してください"));
    } else {
        field->setPart(DatePart::Day);
        field->setMaxLength(2);
        field->setToolTip(QStringLiteral("日を入力してください"));
    }
    place(field, x, 38, part == 0 ? 53 : 35);
    return field;
}

QWidget *DisplayWindow::buildFilterPanel()
{
    QFrame *panel = raisedPanel("Panel35", 92);
    label(QStringLiteral("Label11"), QStringLiteral("表示順"), 10, 12, panel);
    orderBox_ = comboBox(QStringLiteral("CmBxjyun1"), texts(DisplayOrderItems), 66, 8, 108, panel);
    directionBox_ = comboBox(QStringLiteral("CmBxjyun2"), texts(DirectionItems), 179, 8, 75, panel);

    label(QStringLiteral("Label2"), QStringLiteral("日付範囲"), 10, 42, panel);
    static const char *const names[] = {"Edtyys", "Edtmms", "Edtdds", "Edtyye", "Edtmme", "Edtdde"};
    static const int xs[] = {66, 141, 196, 286, 359, 416};
    static const char *const units[] = {"年", "月", "日　～", "年", "月", "日"};
    for (int i = 0; i < 6; ++i) {
        periodFields_[i] = makeDateField(QLatin1String(names[i]), i % 3, xs[i], panel);
        label(QStringLiteral("Label%1").arg(i + 3), QString::fromUtf8(units[i]),
              xs[i] + periodFields_[i]->width() + 2, 42, panel);
    }
    periodFields_[2]->setMonthField(periodFields_[1]);
    periodFields_[5]->setMonthField(periodFields_[4]);
    start_ = new DateFields(periodFields_[0], periodFields_[1], periodFields_[2], this);
    end_ = new DateFields(periodFields_[3], periodFields_[4], periodFields_[5], this);
    start_->linkNext(end_);

    label(QStringLiteral("Label9"), QStringLiteral("メーカー"), 10, 68, panel);
    makerBox = comboBox(QStringLiteral("CmBxgas"), {}, 66, 64, 176, panel);
    makerBox->setToolTip(QStringLiteral("メーカーを選択してください"));
    label(QStringLiteral("Label10"), QStringLiteral("燃料区分"), 256, 68, panel);
    categoryBox = comboBox(
        QStringLiteral("CmBxkubun"),
        {All, QStringLiteral("レギュラー"), QStringLiteral("ハイオク"), QStringLiteral("軽油")},
        313, 64, 126, panel);
    categoryBox->setToolTip(QStringLiteral("燃料区分を選択してください"));

    refreshButton_ = makeButton(
        panel, ButtonStyle::Speed, QStringLiteral("SBtmKoushin"), QStringLiteral("更新(&K)"),
        QStringLiteral("日付範囲内のデータを表示します"), {56, 25}, [this] { refresh(); });
    allButton_ =
        makeButton(panel, ButtonStyle::Speed, QStringLiteral("SBtnAll"), QStringLiteral("全て(&A)"),
                   QStringLiteral("全てのデータを表示します"), {56, 25}, [this] { showAll(); });
    refreshButton_->move(505, 60);
    allButton_->move(567, 60);

    QWidget *order[] = {orderBox_,        directionBox_,    periodFields_[0], periodFields_[1],
                        periodFields_[2], periodFields_[3], periodFields_[4], periodFields_[5],
                        makerBox,         categoryBox};
    for (std::size_t i = 0; i + 1 < std::size(order); ++i)
        setTabOrder(order[i], order[i + 1]);
    return panel;
}

void DisplayWindow::populate()
{
    resizeOuter({651, captionHeight() + 383});
    orderBox_->setCurrentIndex(0);
    directionBox_->setCurrentIndex(0);
    fillMakerList();
    makerBox->setCurrentIndex(0);
    categoryBox->setCurrentIndex(0);
    start_->clear();
    end_->clear();
    refresh(*options());
    orderBox_->setFocus(Qt::OtherFocusReason);
}

void DisplayWindow::fillMakerList()
{
    makerBox->clear();
    makerBox->addItem(All);
    for (const std::string &item : makerChoiceItems(book()))
        makerBox->addItem(QString::fromStdString(item));
}

std::optional<DisplayOptions> DisplayWindow::options()
{
    PeriodFields fields;
    for (std::size_t i = 0; i < fields.size(); ++i)
        fields[i] = periodFields_[i]->text().toStdString();
    const PeriodCheck check = checkPeriod(fields);
    // The check completes short years and turns a reversed period round; show what it used.
    for (std::size_t i = 0; i < fields.size(); ++i)
        periodFields_[i]->setText(QString::fromStdString(fields[i]));
    if (!check.ok) {
        Prompter::warning(
            QString::fromUtf8(check.message.data(), static_cast<qsizetype>(check.message.size())));
        periodFields_[static_cast<std::size_t>(check.focus)]->setFocus(Qt::OtherFocusReason);
        return std::nullopt;
    }
    DisplayOptions o;
    o.period = check.period;
    if (makerBox->currentIndex() > 0)
        o.maker = makerChoiceCode(makerBox->currentText().toStdString());
    if (categoryBox->currentIndex() > 0)
        o.category = categoryBox->currentIndex();
    o.order = static_cast<DisplayOrder>(std::max(0, orderBox_->currentIndex()));
    o.descending = directionBox_->currentIndex() == 1;
    return o;
}

void DisplayWindow::refresh(const DisplayOptions &options)
{
    rows_ = displayRows(book(), kind_, options);
    // One blank row stays below the listed rows.
    fillGrid(grid_, displayCells(book(), rows_), static_cast<int>(rows_.size()) + 1);
    summary_ = summaryOf(rows_);
    summaryPanel_->showSummary(summary_);
    showComment();
}

void DisplayWindow::refresh()
{
    if (std::optional<DisplayOptions> o = options())
        refresh(*o);
}

void DisplayWindow::showAll()
{
    start_->clear();
    end_->clear();
    makerBox->setCurrentIndex(0);
    categoryBox->setCurrentIndex(0);
    refresh();
}

void DisplayWindow::showComment()
{
    const int row = grid_->currentDataRow();
    statusLine_->setText(QStringLiteral("コメント：") +
                         (row >= 1 ? grid_->cell(row, CommentColumn) : QString()));
}

void DisplayWindow::resizeEvent(QResizeEvent *event)
{
    ReportWindow::resizeEvent(event);
    if (formShown())
        grid_->setColumnWidth(CommentColumn, outerWindow()->width() - FixedColumnsWidth);
}

} // namespace fenlo
