#include "app/aboutdialog.h"

#include "app/toolicons.h"

#include <QFrame>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>

namespace fenlo {

AboutDialog::AboutDialog(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("FrmAbort"));
    setWindowTitle(QStringLiteral("バージョン情報"));
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                   Qt::WindowCloseButtonHint);
    QFont font(QStringLiteral("ＭＳ ゴシック"));
    font.setPixelSize(13);
    setFont(font);
    setFixedSize(307, 196);

    auto *panel = new QFrame(this);
    panel->setFrameStyle(QFrame::Panel | QFrame::Raised);
    panel->setLineWidth(2);

    auto *icon = new QLabel(panel);
    icon->setObjectName(QStringLiteral("ProgramIcon"));
    icon->setFixedSize(37, 35);
    icon->setAlignment(Qt::AlignCenter);
    icon->setPixmap(programIcon().pixmap(32, 32));

    auto *title = new QLabel(QStringLiteral("燃費管理「ふぇんろ」"), panel);
    title->setObjectName(QStringLiteral("LblTitle"));
    QFont titleFont(QStringLiteral("ＭＳ Ｐゴシック"));
    titleFont.setPixelSize(20);
    titleFont.setBold(true);
    title->setFont(titleFont);
    QPalette maroon = title->palette();
    maroon.setColor(QPalette::WindowText, QColor(128, 0, 0));
    title->setPalette(maroon);

    auto *version = new QLabel(QStringLiteral("Ver ") + QStringLiteral(FENLO_VERSION), panel);
    version->setObjectName(QStringLiteral("LblVersion"));
    version->setAlignment(Qt::AlignCenter);

    auto *heading = new QHBoxLayout;
    heading->setSpacing(6);
    heading->addWidget(icon, 0, Qt::AlignTop);
    heading->addWidget(title, 1);
    auto *panelLayout = new QVBoxLayout(panel);
    panelLayout->setContentsMargins(6, 8, 6, 8);
    panelLayout->addLayout(heading);
    panelLayout->addStretch(1);
    panelLayout->addWidget(version);
    panelLayout->addStretch(1);

    okButton = new QPushButton(QStringLiteral("OK(&O)"), this);
    okButton->setObjectName(QStringLiteral("Button1"));
    okButton->setDefault(true);
    okButton->setFixedSize(75, 25);
    connect(okButton, &QPushButton::clicked, this, &AboutDialog::okClicked);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(8, 8, 8, 8);
    layout->addWidget(panel, 1);
    layout->addWidget(okButton, 0, Qt::AlignHCenter);
}

void AboutDialog::okClicked()
{
    accept();
}

void AboutDialog::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    // Centred on the screen, not on the frame, wherever the frame stands.
    const QScreen *screen = this->screen() ? this->screen() : QGuiApplication::primaryScreen();
    if (screen) {
        QRect frame = frameGeometry();
        frame.moveCenter(screen->availableGeometry().center());
        move(frame.topLeft());
    }
}

void showVersionDialog(QWidget *parent)
{
    AboutDialog dialog(parent);
    dialog.exec();
}

} // namespace fenlo
