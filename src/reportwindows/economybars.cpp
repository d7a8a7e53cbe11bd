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
    Chart1->AllowZoom = false;
    Chart1->Gradient.Visible = true;
    Chart1->Gradient.StartColor = Qt::white;
    Chart1->Gradient.EndColor = look.gradientLeft;
    Chart1->Gradient.Direction = GradientDirection::LeftRight;
    Chart1->BackWall.Brush.Style = Qt::NoBrush;
    Chart1->Title.Text = QStringList{QStringLiteral(" ")};
    Chart1->Legend.Visible = true;
    Chart1->Legend.legendStyle = LegendStyle::Series;

    // Drawing order puts the average first, so it stands lowest in each group of bars.
    auto add = [this](const QString &title, const QColor &colour) {
        auto *s = Chart1->addSeries<HorizontalBarSeries>();
        s->Title = title;
        s->SeriesColor = colour;
        s->Marks.Visible = true;
        s->Marks.Style = MarksStyle::Value;
        s->Marks.ArrowLength = 20;
        s->ValueFormat = "#,##0.#";
        s->XValues.Name = QStringLiteral("縦棒");
        s->MultiBar = true;
        return s;
    };
    Series3 = add(QStringLiteral("平均"), AverageColour);
    Series2 = add(QStringLiteral("最低"), LowestColour);
    Series1 = add(QStringLiteral("最高"), HighestColour);
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
    Cbxsaikou = box("Cbxsaikou", QStringLiteral("最高"), QColor(0, 0, 128), 8);
    CbxSaitei = box("CbxSaitei", QStringLiteral("最低"), QColor(128, 0, 0), 70);
    CbxHeikin = box("CbxHeikin", QStringLiteral("平均"), QColor(0, 128, 0), 130);
    CbxHeikin->setChecked(true);
    const QString hint = QStringLiteral("グラフの種類を選択してください");
    (look.hintOnGroup ? static_cast<QWidget *>(group) : Cbxsaikou)->setToolTip(hint);
    for (QCheckBox *check : {Cbxsaikou, CbxSaitei, CbxHeikin})
        connect(check, &QCheckBox::clicked, this, &EconomyBarsGraph::CbxsaikouClick);
    return group;
}

void EconomyBarsGraph::setInitialBoxes()
{
    Cbxsaikou->setChecked(initial_ == EconomyFigure::Highest);
    CbxSaitei->setChecked(initial_ == EconomyFigure::Lowest);
    CbxHeikin->setChecked(initial_ == EconomyFigure::Average);
}

void EconomyBarsGraph::CbxsaikouClick()
{
    Series1->setActive(Cbxsaikou->isChecked());
    Series2->setActive(CbxSaitei->isChecked());
    Series3->setActive(CbxHeikin->isChecked());
}

void EconomyBarsGraph::FormShow()
{
    setInitialBoxes();
    CbxsaikouClick();
    for (HorizontalBarSeries *s : {Series1, Series2, Series3})
        s->ClearPoints();
    // The last row stands at position 1, at the bottom, so the bars read down in list order.
    double position = 1;
    for (auto row = rows_.rbegin(); row != rows_.rend(); ++row, ++position) {
        Series3->AddPoint(row->average, position, row->name, AverageColour);
        Series2->AddPoint(row->lowest, position, row->name, LowestColour);
        Series1->AddPoint(row->highest, position, row->name, HighestColour);
    }
}

} // namespace fenlo
