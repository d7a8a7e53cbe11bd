#include "app/framestatusbar.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QProgressBar>

namespace fenlo {
namespace {

QLabel *panelLabel(QWidget *parent)
{
    auto *label = new QLabel(parent);
    label->setFrameShape(QFrame::Panel);
    label->setFrameShadow(QFrame::Sunken);
    label->setIndent(2);
    return label;
}

} // namespace

FrameStatusBar::FrameStatusBar(QWidget *parent)
    : QStatusBar(parent), messagePanel_(panelLabel(this)), gaugePanel_(new QWidget(this)),
      gauge_(new QProgressBar(gaugePanel_)), percentPanel_(panelLabel(this))
{
    setFixedHeight(22);
    setSizeGripEnabled(false);
    auto *layout = new QHBoxLayout(gaugePanel_);
    layout->setContentsMargins(1, 2, 1, 0);
    layout->addWidget(gauge_);
    gauge_->setRange(0, 100);
    gauge_->setValue(0);
    gauge_->setTextVisible(false);
    addWidget(messagePanel_);
    addWidget(gaugePanel_);
    addWidget(percentPanel_);
    setPanelWidths(300, 100, 50);
}

void FrameStatusBar::setPanelWidths(int message, int gauge, int percent)
{
    messagePanel_->setFixedWidth(message);
    gaugePanel_->setFixedWidth(gauge);
    percentPanel_->setFixedWidth(percent);
}

QString FrameStatusBar::panelText(int panel) const
{
    return panel == 0 ? messagePanel_->text() : panel == 2 ? percentPanel_->text() : QString();
}

void FrameStatusBar::setPosition(int value)
{
    value = qBound(0, value, 100);
    position_ = value;
    gauge_->setValue(value);
    if (value != 0) {
        percentPanel_->setText(QString::number(value) + QLatin1Char('%'));
        if (showsMessages_)
            messagePanel_->setText(QStringLiteral("処理中"));
    } else {
        percentPanel_->setText(QStringLiteral(" "));
        messagePanel_->setText(QStringLiteral(" "));
    }
    repaint();
}

void FrameStatusBar::setText(const QString &value)
{
    text_ = value;
    messagePanel_->setText(value);
}

} // namespace fenlo
