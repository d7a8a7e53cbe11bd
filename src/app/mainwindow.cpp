#include "app/mainwindow.h"

#include "app/aboutdialog.h"
#include "app/association.h"
#include "app/framestatusbar.h"
#include "app/helpwindow.h"
#include "app/settings.h"
#include "app/toolicons.h"
#include "controls/qtext.h"
#include "data/fileio.h"
#include "data/messages.h"
#include "ui/filechooser.h"
#include "ui/prompter.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QScreen>
#include <QToolBar>
#include <QToolButton>
#include <QToolTip>

namespace fenlo {

namespace {

const QString FnlFilter = QStringLiteral("ふぇんろデータファイル (*.fnl)");
const QString OpenInUseQuestion =
    QStringLiteral("このファイルは他のふぇんろで開かれています。開きますか？");
const QString SaveInUseQuestion =
    QStringLiteral("このファイルは他のふぇんろで開かれています。保存しますか？");

FileChooser::Request fnlRequest()
{
    return {QStringLiteral("fnl"), FnlFilter, QString(), true};
}

} // namespace

MainWindow::MainWindow(QStringList arguments, QWidget *parent)
    : QMainWindow(parent), book_(std::make_unique<Logbook>()), arguments_(std::move(arguments)),
      mdiArea_(new QMdiArea(this)), statusBar_(new FrameStatusBar(this))
{
    setObjectName(QStringLiteral("FrmFenloMenu"));
    setWindowTitle(applicationTitle());
    setWindowIcon(programIcon());
    QFont font(QStringLiteral("ＭＳ ゴシック"));
    font.setPixelSize(13);
    setFont(font);
    resize(780, 540);

    mdiArea_->setBackground(QColor(128, 128, 128));
    setCentralWidget(mdiArea_);
    statusBar_->setPanelWidths(400, 200, 50);
    setStatusBar(statusBar_);
    buildMenus();
    buildToolBar();
    // Placed before it first shows, so the window manager puts the frame exactly there.
    loadPlacement();
}

QAction *MainWindow::action(const QString &name) const
{
    return findChild<QAction *>(name, Qt::FindDirectChildrenOnly);
}

void MainWindow::buildMenus()
{
    // name, caption, tool-tip; the handler is bound below.
    auto make = [this](const char *name, const char *caption, const char *tip,
                       void (MainWindow::*handler)()) {
        auto *a = new QAction(QString::fromUtf8(caption), this);
        a->setObjectName(QString::fromUtf8(name));
        if (tip)
            a->setToolTip(QString::fromUtf8(tip));
        if (handler)
            connect(a, &QAction::triggered, this, [this, handler] {
                Prompter::guarded([this, handler] { (this->*handler)(); });
            });
        else
            a->setEnabled(false); // its window is not part of the program yet
        return a;
    };
    using F = MainWindow;
    QMenu *file = menuBar()->addMenu(QStringLiteral("ファイル(&F)"));
    file->addAction(make("MIFOpen", "開く(&O)", "開く", &F::openFile));
    file->addAction(make("MIFSave", "上書き保存(&S)", "保存", &F::saveFile));
    file->addAction(make("MIFNameSave", "名前をつけて保存(&A)", nullptr, &F::saveFileAs));
    file->addSeparator();
    file->addAction(make("MIFNew", "新規作成(&N)", "新規作成", &F::newFile));
    file->addSeparator();
    file->addAction(make("N7", "旧データの読み込み(&L)", nullptr, &F::importLegacy));
    file->addAction(make("MICsvIn", "CSV の読み込み(&C)", nullptr, &F::importCsv));
    file->addSeparator();
    file->addAction(make("D1", "データの関連付け(&D)", nullptr, &F::associateFiles));
    file->addSeparator();
    file->addAction(make("MIFEnd", "終了(&X)", "終了", &F::exitProgram));

    QMenu *input = menuBar()->addMenu(QStringLiteral("入力処理(&N)"));
    input->addAction(make("MIShameiIN", "車名登録(&S)", "車名登録", &F::showCarNameWindow));
    input->addAction(
        make("MIgasIN", "燃料メーカー登録(&G)", "燃料メーカー登録", &F::showMakerList));
    input->addSeparator();
    input->addAction(make("MIdataIN", "給油データ入力(&K)", "給油データ入力", &F::showFuelingList));
    input->addAction(make("MImemo", "メモ登録(&M)", "メモ登録", &F::showMemoList));

    QMenu *output = menuBar()->addMenu(QStringLiteral("出力処理(&S)"));
    output->addAction(
        make("MIOut1", "入力データ表示１(&1)", "入力データ表示１", &F::showFuelingsReport));
    output->addAction(make("MIOut3", "月別燃費一覧(&B)", "月別燃費一覧", &F::showMonthlyReport));
    output->addSeparator();
    output->addAction(
        make("MIOut2", "入力データ表示２(&2)", "入力データ表示２", &F::showPairsReport));
    output->addAction(make("MIOut4", "燃料メーカー別燃費一覧(&M)", "燃料メーカー別燃費一覧",
                           &F::showMakerReport));
    output->addAction(
        make("MIout5", "燃料区分別燃費一覧(&N)", "燃料区分別燃費一覧", &F::showCategoryReport));
    output->addSeparator();
    output->addAction(make("MITextOut", "テキスト出力(&T)", "テキスト出力", &F::showCsvExport));

    QMenu *window = menuBar()->addMenu(QStringLiteral("ｳｨﾝﾄﾞｳ(&W)"));
    window->addAction(make("Cascade1", "重ねて表示(&C)", nullptr, &F::cascadeWindows));
    window->addAction(make("ArrangeIcon1", "アイコンの整列(&A)", nullptr, &F::arrangeIcons));

    QMenu *help = menuBar()->addMenu(QStringLiteral("ヘルプ(&H)"));
    help->addAction(make("Contents1", "ヘルプ(&H)", nullptr, &F::showHelp));
    help->addSeparator();
    help->addAction(make("About1", "バージョン情報(&A)", nullptr, &F::showAbout));
}

void MainWindow::buildToolBar()
{
    auto *bar = new QToolBar(this);
    bar->setObjectName(QStringLiteral("PnlToolBar"));
    bar->setMovable(false);
    bar->setFloatable(false);
    bar->setIconSize(QSize(16, 16));
    bar->setFixedHeight(29);
    bar->setToolButtonStyle(Qt::ToolButtonIconOnly);
    addToolBar(Qt::TopToolBarArea, bar);

    // Tool buttons in their groups, left to right: button name and the command it runs.
    const std::vector<std::vector<std::pair<const char *, const char *>>> groups = {
        {{"SBtnOpen", "MIFOpen"}, {"SBtnSave", "MIFSave"}},
        {{"SBtnShamei", "MIShameiIN"},
         {"SpeedButton2", "MIgasIN"},
         {"SpeedButton1", "MIdataIN"},
         {"SBtnMemo", "MImemo"}},
        {{"SpeedButton3", "MIOut1"},
         {"SpeedButton4", "MIOut3"},
         {"SpeedButton5", "MIOut2"},
         {"SpeedButton6", "MIOut4"},
         {"SpeedButton7", "MIout5"},
         {"SpeedButton8", "MITextOut"}},
        {{"SpeedButton9", "MIFEnd"}},
    };
    for (const auto &group : groups) {
        for (const auto &[button, command] : group) {
            QAction *a = action(QString::fromUtf8(command));
            a->setIcon(toolIcon(QString::fromUtf8(button)));
            bar->addAction(a);
            bar->widgetForAction(a)->setObjectName(QString::fromUtf8(button));
        }
        bar->addSeparator();
    }

    auto *nameCaption = new QLabel(QStringLiteral(" 車名 "), bar);
    bar->addWidget(nameCaption);
    auto *namePanel = new QFrame(bar);
    namePanel->setFrameShape(QFrame::Panel);
    namePanel->setFrameShadow(QFrame::Sunken);
    namePanel->setFixedSize(235, 21);
    namePanel->setAutoFillBackground(true);
    // The colour of the desktop's own tool tips, which need not be the frame palette's.
    QPalette palette = namePanel->palette();
    palette.setColor(QPalette::Window, QToolTip::palette().color(QPalette::ToolTipBase));
    palette.setColor(QPalette::WindowText, QToolTip::palette().color(QPalette::ToolTipText));
    namePanel->setPalette(palette);
    auto *layout = new QHBoxLayout(namePanel);
    layout->setContentsMargins(4, 0, 4, 0);
    carNameLabel_ = new QLabel(namePanel);
    carNameLabel_->setObjectName(QStringLiteral("LblShamei"));
    carNameLabel_->setFixedWidth(227);
    carNameLabel_->installEventFilter(this);
    layout->addWidget(carNameLabel_);
    bar->addWidget(namePanel);

    // The new-logbook button stays hidden, as it always was; the menu item is the way in.
    auto *newButton = new QToolButton(bar);
    newButton->setObjectName(QStringLiteral("SBtnNew"));
    newButton->setDefaultAction(action(QStringLiteral("MIFNew")));
    newButton->setIcon(toolIcon(QStringLiteral("SBtnNew")));
    bar->addWidget(newButton)->setVisible(false);
}

bool MainWindow::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == carNameLabel_ && event->type() == QEvent::MouseButtonDblClick) {
        action(QStringLiteral("MIShameiIN"))->trigger();
        return true;
    }
    return QMainWindow::eventFilter(watched, event);
}

void MainWindow::showEvent(QShowEvent *event)
{
    QMainWindow::showEvent(event);
    if (!shown_) {
        shown_ = true;
        Prompter::guarded([this] { onFirstShow(); });
    }
}

void MainWindow::onFirstShow()
{
    if (colorDepth() < 16)
        Prompter::plain(QStringLiteral("このソフトは、なるべくHighColor以上で使用してください。"));
    newLogbook();
    if (!arguments_.isEmpty() && !arguments_.constFirst().isEmpty())
        openLogbook(arguments_.constFirst());
}

void MainWindow::loadPlacement()
{
    restorePlacement(*this);
}

void MainWindow::storePlacement()
{
    savePlacement(*this);
}

int MainWindow::colorDepth() const
{
    const QScreen *s = screen() ? screen() : QGuiApplication::primaryScreen();
    return s ? s->depth() : 32;
}

void MainWindow::updateCaption()
{
    if (book_->fileName.empty())
        setWindowTitle(applicationTitle() + QStringLiteral(" [新規データ]"));
    else
        setWindowTitle(applicationTitle() + QStringLiteral(" [") +
                       QString::fromStdString(book_->fileName) + QLatin1Char(']'));
}

void MainWindow::showCarName()
{
    carNameLabel_->setText(toQ(book_->carName));
}

FileHooks MainWindow::fileHooks()
{
    FileHooks hooks;
    hooks.progress = [this](int position) { statusBar_->setPosition(position); };
    hooks.olderFormat = [] { Prompter::warning(QString::fromUtf8(msg::OlderFormat)); };
    return hooks;
}

void MainWindow::newLogbook()
{
    lock_.reset();
    book_->clear();
    updateCaption();
    showCarName();
}

namespace {

// A load or save that fails part-way must not leave the gauge standing.
struct GaugeReset
{
    FrameStatusBar *bar;
    ~GaugeReset()
    {
        if (bar->position() != 0)
            bar->setPosition(0);
    }
};

} // namespace

void MainWindow::openLogbook(const QString &path)
{
    GaugeReset reset{statusBar_};
    const std::string file = path.toStdString();
    std::optional<LogbookLock> claim;
    if (fileExists(file) && !mayUse(file, OpenInUseQuestion, claim))
        return;
    LoadResult result = fenlo::readLogbookFile(*book_, file, fileHooks());
    if (result == LoadResult::NotLogbook) {
        Prompter::warning(QString::fromUtf8(msg::NotLogbookV3));
        return;
    }
    if (result == LoadResult::Loaded) {
        keepClaim(std::move(claim));
        showCarName();
        updateCaption();
    }
}

bool MainWindow::saveLogbook(const QString &path)
{
    GaugeReset reset{statusBar_};
    const std::string file = path.toStdString();
    std::optional<LogbookLock> claim;
    if (!file.empty() && !mayUse(file, SaveInUseQuestion, claim))
        return false;
    FileHooks hooks = fileHooks();
    hooks.backups = &backups_;
    QString backupProblem;
    hooks.backupFailed = [&](const std::string &message) {
        backupProblem = QString::fromStdString(message);
    };
    if (!fenlo::writeLogbookFile(*book_, file, hooks))
        return false;
    keepClaim(std::move(claim));
    updateCaption();
    if (!backupProblem.isEmpty())
        statusBar_->setText(backupProblem);
    return true;
}

bool MainWindow::mayUse(const std::string &path, const QString &question,
                        std::optional<LogbookLock> &claim)
{
    if (lock_ && lock_->covers(path))
        return true;
    claim = LogbookLock::acquire(path);
    return claim || Prompter::warningYesNo(question);
}

void MainWindow::keepClaim(std::optional<LogbookLock> claim)
{
    if (claim)
        lock_ = std::move(claim);
    else if (lock_ && !lock_->covers(book_->fileName))
        lock_.reset();
}

std::optional<QString> MainWindow::chooseSavePath()
{
    return FileChooser::current().saveFile(fnlRequest());
}

bool MainWindow::savePrompt()
{
    if (!book_->modified)
        return true;
    if (!Prompter::warningYesNo(
            QStringLiteral("現在変更中のデータは保存されていません。保存しますか？")))
        return true;
    if (!book_->fileName.empty())
        return saveLogbook(QString::fromStdString(book_->fileName));
    std::optional<QString> path = chooseSavePath();
    return path && saveLogbook(*path);
}

void MainWindow::closeAllChildren()
{
    for (QMdiSubWindow *child : mdiArea_->subWindowList())
        child->close();
}

bool MainWindow::childrenMayClose()
{
    // Asked, not closed: a child that agrees stays open until the program really ends, so a
    // save question cancelled afterwards costs the user no window.
    for (QMdiSubWindow *child : mdiArea_->subWindowList()) {
        QCloseEvent query;
        if (child->widget())
            QCoreApplication::sendEvent(child->widget(), &query);
        if (!query.isAccepted())
            return false;
    }
    return true;
}

void MainWindow::setChildBorder(QWidget *child, Qt::WindowFlags buttons)
{
    auto *frame = qobject_cast<QMdiSubWindow *>(child->parentWidget());
    const Qt::WindowFlags flags =
        Qt::SubWindow | Qt::CustomizeWindowHint | Qt::WindowTitleHint | buttons;
    if (frame && frame->windowFlags() != flags) {
        frame->setWindowFlags(flags);
        frame->show(); // changing the flags hid it
    }
}

QWidget *MainWindow::child(const QString &name) const
{
    for (QMdiSubWindow *child : mdiArea_->subWindowList()) {
        QWidget *widget = child->widget();
        if (widget && widget->objectName().compare(name, Qt::CaseInsensitive) == 0)
            return widget;
    }
    return nullptr;
}

QWidget *MainWindow::showChild(const QString &name, const std::function<QWidget *()> &create)
{
    if (QWidget *widget = child(name)) {
        auto *frame = qobject_cast<QMdiSubWindow *>(widget->parentWidget());
        frame->showNormal();
        mdiArea_->setActiveSubWindow(frame);
        frame->raise();
        return widget;
    }
    QWidget *widget = create();
    widget->setObjectName(name);
    QMdiSubWindow *child = mdiArea_->addSubWindow(widget);
    child->setAttribute(Qt::WA_DeleteOnClose);
    child->setWindowIcon(widget->windowIcon());
    child->show();
    return widget;
}

void MainWindow::openFile()
{
    if (!savePrompt())
        return;
    std::optional<QString> path = FileChooser::current().openFile(fnlRequest());
    if (!path)
        return;
    repaint();
    QApplication::processEvents();
    closeAllChildren();
    openLogbook(*path);
}

void MainWindow::saveFile()
{
    if (!book_->fileName.empty()) {
        saveLogbook(QString::fromStdString(book_->fileName));
        return;
    }
    if (std::optional<QString> path = chooseSavePath())
        saveLogbook(*path);
}

void MainWindow::saveFileAs()
{
    if (std::optional<QString> path = chooseSavePath())
        saveLogbook(*path);
}

void MainWindow::newFile()
{
    if (!savePrompt())
        return;
    closeAllChildren();
    newLogbook();
}

void MainWindow::exitProgram()
{
    close();
}

void MainWindow::associateFiles()
{
    offerFileAssociation();
}

void MainWindow::showHelp()
{
    showHelpContents(this);
}

void MainWindow::showAbout()
{
    showVersionDialog(this);
}

void MainWindow::cascadeWindows()
{
    mdiArea_->cascadeSubWindows();
}

void MainWindow::arrangeIcons()
{
    // Lines the minimised children up along the bottom edge of the MDI area.
    int x = 0;
    for (QMdiSubWindow *child : mdiArea_->subWindowList()) {
        if (!child->isMinimized())
            continue;
        QSize size = child->size();
        child->move(x, mdiArea_->viewport()->height() - size.height());
        x += size.width();
    }
}

void MainWindow::closeEvent(QCloseEvent *event)
{
    if (!childrenMayClose()) {
        event->ignore();
        return;
    }
    // A save that fails keeps the program open with its changes.
    bool proceed = false;
    Prompter::guarded([&] { proceed = savePrompt(); });
    if (!proceed) {
        event->ignore();
        return;
    }
    // A placement that cannot be saved is reported, but never keeps the program open.
    Prompter::guarded([this] { storePlacement(); });
    event->accept();
}

} // namespace fenlo
