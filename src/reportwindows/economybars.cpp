#include "reportwindows/economybars.h"

#include "chart/chartview.h"
#include "ui/formfont.h"

#include <QCheckBox>
#include <QFrame>
#include <QGroupBox>
#include <QPushButton>
#include <QVBoxLayout>

namespace fenlo {

namespace {

const QColor HighestColour(0, 0, 255);
const QColor LowestColour(255, 0, 0);
const QColor AverageColour(0, 128, 0);

} // namespace

EconomyBarsGraph::EconomyBarsGraph(QWidget *caller, const Look &look, std::vector<EconomyBar> rows,
                                   EconomyFigure initial)
    : GraphWindow(caller, look.frame), rows_(std::move(rows)), initial_(initial)
{
    setUpChart(look);
    limitSize(QSize(400, 230));

    QFrame *panel = chartAbovePanel(41);
    QPushButton *close =
        addCloseButton(panel, QStringLiteral("Button1"), QRect(look.closeButtonLeft, 8, 96, 26));
    setTabOrder(close, buildCheckBoxes(panel, look));
}

void EconomyBarsGraph::setUpChart(const Look &look)
{
    chart_->allowZoom = false;
    chart_->gradient.visible = true;
    chart_->gradient.startColor = Qt::white;
    chart_->gradient.endColor = look.gradientLeft;
    chart_->gradient.direction = GradientDirection::LeftRight;
    chart_->backWall.brush.style = Qt::NoBrush;
    chart_->title.text = QStringList{QStringLiteral(" ")};
    chart_->legend.visible = true;
    chart_->legend.legendStyle = LegendStyle::Series;

    // Drawing order puts the average first, so it stands lowest in each group of bars.
    auto add = [this](const QString &title, const QColor &colour) {
        auto *s = chart_->addSeries<HorizontalBarSeries>();
        s->title = title;
        s->seriesColor = colour;
        s->marks.visible = true;
        s->marks.style = MarksStyle::Value;
        s->marks.arrowLength = 20;
        s->valueFormat = "#,##0.#";
        s->xValues.name = QStringLiteral("縦棒");
        s->multiBar = true;
        return s;
    };
    averageSeries_ = add(QStringLiteral("平均"), AverageColour);
    lowestSeries_ = add(QStringLiteral("最低"), LowestColour);
    highestSeries_ = add(QStringLiteral("最高"), HighestColour);
}

QWidget *EconomyBarsGraph::buildCheckBoxes(QWidget *panel, const Look &look)
{
    auto *group = new QGroupBox(panel);
    group->setObjectName(QStringLiteral("GroupBox1"));
    group->setGeometry(160, 2, 193, 33);
    auto box = [group](const char *name, const QString &text, const QColor &colour, int left) {
        auto *check = new QCheckBox(text, group);
        check->setObjectName(QString::fromLatin1(name));
        check->setFont(formFont(QStringLiteral("ＭＳ Ｐゴシック"), 12));
        QPalette palette = check->palette();
        palette.setColor(QPalette::WindowText, colour);
        palette.setColor(QPalette::ButtonText, colour);
        check->setPalette(palette);
        check->setGeometry(left, 9, 58, 17);
        return check;
    };
    highestBox_ = box("Cbxsaikou", QStringLiteral("最高"), QColor(0, 0, 128), 8);
    lowestBox_ = box("CbxSaitei", QStringLiteral("最低"), QColor(128, 0, 0), 70);
    averageBox_ = box("CbxHeikin", QStringLiteral("平均"), QColor(0, 128, 0), 130);
    averageBox_->setChecked(true);
    const QString hint = QStringLiteral("グラフの種類を選択してください");
    (look.hintOnGroup ? static_cast<QWidget *>(group) : highestBox_)->setToolTip(hint);
    for (QCheckBox *check : {highestBox_, lowestBox_, averageBox_})
        connect(check, &QCheckBox::clicked, this, &EconomyBarsGraph::updateSeries);
    return group;
}

void EconomyBarsGraph::setInitialBoxes()
{
    highestBox_->setChecked(initial_ == EconomyFigure::Highest);
    lowestBox_->setChecked(initial_ == EconomyFigure::Lowest);
    averageBox_->setChecked(initial_ == EconomyFigure::Average);
}

void EconomyBarsGraph::updateSeries()
{
    highestSeries_->setActive(highestBox_->isChecked());
    lowestSeries_->setActive(lowestBox_->isChecked());
    averageSeries_->setActive(averageBox_->isChecked());
}

void EconomyBarsGraph::populate()
{
    setInitialBoxes();
    updateSeries();
    for (HorizontalBarSeries *s : {highestSeries_, lowestSeries_, averageSeries_})
        s->clearPoints();
    // The last row stands at position 1, at the bottom, so the bars read down in list order.
    double position = 1;
    for (auto row = rows_.rbegin(); row != rows_.rend(); ++row, ++position) {
        averageSeries_->addPoint(row->average, position, row->name, AverageColour);
        lowestSeries_->addPoint(row->lowest, position, row->name, LowestColour);
        highestSeries_->addPoint(row->highest, position, row->name, HighestColour);
    }
}

} // namespace fenlo
