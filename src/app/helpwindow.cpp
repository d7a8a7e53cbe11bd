#include "app/helpwindow.h"

#include "app/toolicons.h"
#include "ui/screenfit.h"

#include <QAction>
#include <QPointer>
#include <QTextBrowser>
#include <QToolBar>

namespace fenlo {

HelpWindow::HelpWindow(QWidget *parent) : QMainWindow(parent), browser_(new QTextBrowser(this))
{
    setObjectName(QStringLiteral("FrmHelp"));
    setWindowFlag(Qt::Window);
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowIcon(programIcon());
    resize(720, 600);

    browser_->setObjectName(QStringLiteral("HelpBrowser"));
    browser_->setOpenExternalLinks(false);
    QFont font(QStringLiteral("ＭＳ Ｐゴシック"));
    font.setPixelSize(14);
    browser_->setFont(font);
    setCentralWidget(browser_);

    auto *bar = addToolBar(QStringLiteral("ヘルプ"));
    bar->setMovable(false);
    bar->setToolButtonStyle(Qt::ToolButtonTextOnly);
    QAction *contents = bar->addAction(QStringLiteral("目次(&C)"), this, &HelpWindow::showContents);
    contents->setObjectName(QStringLiteral("HelpContents"));
    QAction *back = bar->addAction(QStringLiteral("戻る(&B)"), browser_, &QTextBrowser::backward);
    back->setObjectName(QStringLiteral("HelpBack"));
    back->setEnabled(false);
    QAction *forward = bar->addAction(QStringLiteral("進む(&F)"), browser_, &QTextBrowser::forward);
    forward->setObjectName(QStringLiteral("HelpForward"));
    forward->setEnabled(false);
    bar->addSeparator();
    bar->addAction(QStringLiteral("閉じる(&X)"), this, &QWidget::close);

    connect(browser_, &QTextBrowser::backwardAvailable, back, &QAction::setEnabled);
    connect(browser_, &QTextBrowser::forwardAvailable, forward, &QAction::setEnabled);
    connect(browser_, &QTextBrowser::sourceChanged, this, [this] {
        setWindowTitle(browser_->documentTitle() + QStringLiteral(" - ふぇんろ ヘルプ"));
    });
}

void HelpWindow::showContents()
{
    browser_->setSource(helpContentsUrl());
}

QUrl helpContentsUrl()
{
    return QUrl(QStringLiteral("qrc:/help/Fenlo.html"));
}

HelpWindow *showHelpContents(QWidget *parent)
{
    // One help window at a time, as with the other windows of the program.
    static QPointer<HelpWindow> helpWindow;
    if (!helpWindow) {
        helpWindow = new HelpWindow(parent);
        keepOnAvailableScreen(*helpWindow); // a small screen gets a smaller help window
    }
    helpWindow->showContents();
    helpWindow->show();
    helpWindow->raise();
    helpWindow->activateWindow();
    return helpWindow;
}

} // namespace fenlo
