#include "reportwindows/graphwindow.h"

#include "chart/chartview.h"
#include "data/logbook.h"
#include "ui/childwindow.h"
#include "ui/formfont.h"
#include "ui/screenfit.h"

#include <QFrame>
#include <QGuiApplication>
#include <QPushButton>
#include <QScreen>
#include <QShowEvent>
#include <QVBoxLayout>

namespace fenlo {

namespace {

constexpr int CallerOffset = 120;

} // namespace

GraphWindow::GraphWindow(QWidget *caller, const QString &caption, const Frame &frame)
    : QDialog(caller), chart_(new ChartView(this)), caller_(caller), designSize_(frame.size)
{
    setModal(true);
    setWindowTitle(caption);
    setFont(formFont(frame.fontFace, frame.fontPixels));
    setWindowFlags(Qt::Window | Qt::WindowSystemMenuHint | Qt::WindowMaximizeButtonHint |
                   Qt::WindowCloseButtonHint);
    setWindowFlag(Qt::WindowMinimizeButtonHint, frame.minimiseButton);
    chart_->setObjectName(QStringLiteral("Chart1"));
    resize(frame.size);
}

QFrame *GraphWindow::addButtonPanel(int height)
{
    auto *panel = new QFrame(this);
    panel->setObjectName(QStringLiteral("Panel1"));
    panel->setFrameStyle(QFrame::Panel | QFrame::Raised);
    panel->setFixedHeight(height);
    return panel;
}

QFrame *GraphWindow::chartAbovePanel(int panelHeight)
{
    auto *outer = new QVBoxLayout(this);
    outer->setContentsMargins(0, 0, 0, 0);
    outer->setSpacing(0);
    outer->addWidget(chart_, 1);
    QFrame *panel = addButtonPanel(panelHeight);
    outer->addWidget(panel);
    return panel;
}

QPushButton *GraphWindow::addCloseButton(QWidget *panel, const QString &name, const QRect &geometry)
{
    auto *button = new QPushButton(QStringLiteral("閉じる(&E)"), panel);
    button->setObjectName(name);
    button->setToolTip(QStringLiteral("このフォームを閉じます"));
    button->setGeometry(geometry);
    button->setAutoDefault(false);
    connect(button, &QPushButton::clicked, this, &QWidget::close);
    return button;
}

void GraphWindow::limitSize(const QSize &minimum)
{
    setMinimumSize(minimum);
    const QScreen *s = screen() ? screen() : QGuiApplication::primaryScreen();
    if (s)
        setMaximumSize(s->size());
}

void GraphWindow::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    if (event->spontaneous())
        return; // the window system showing it again is not a new opening
    move(besideWindow(caller_, CallerOffset));
    resize(designSize_);
    keepOnAvailableScreen(*this); // beside a list far to the right it would leave the screen
    populate();
}

} // namespace fenlo
