#include "reportwindows/economybars.h"

#include "chart/chartview.h"
#include "ui/formfont.h"

#include <QCheckBox>
#include <QFrame>
#include <QGroupBox>
#include <QPushButton>
#include <QVBoxLayout>

namespace fenlo {

EconomyBarsGraph::EconomyBarsGraph(QWidget *caller, const Look &look, EconomyBarsContent content)
    : GraphWindow(caller, content.caption, look.frame),
      bars_(*chart_, content.gradientLeft, std::move(content.rows)), initial_(content.initial)
{
    limitSize(QSize(400, 230));

    QFrame *panel = chartAbovePanel(41);
    QPushButton *close =
        addCloseButton(panel, QStringLiteral("Button1"), QRect(look.closeButtonLeft, 8, 96, 26));
    setTabOrder(close, buildCheckBoxes(panel, look));
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
    bars_.showFigures(highestBox_->isChecked(), lowestBox_->isChecked(), averageBox_->isChecked());
}

void EconomyBarsGraph::populate()
{
    setInitialBoxes();
    updateSeries();
    bars_.fill();
}

} // namespace fenlo
