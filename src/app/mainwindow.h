#pragma once

#include "data/backups.h"
#include "data/fnlfile.h"
#include "data/logbook.h"
#include "data/logbooklock.h"

#include <QMainWindow>

#include <functional>
#include <memory>
#include <optional>

class QAction;
class QLabel;
class QMdiArea;
class QMdiSubWindow;

namespace fenlo {

class FrameStatusBar;

// The main frame: menus, tool bar, car name, status bar with gauge, and the MDI area of the
// list and report windows. It owns the one logbook every window works on.
class MainWindow : public QMainWindow
{
    Q_OBJECT

public:
    explicit MainWindow(QStringList arguments = {}, QWidget *parent = nullptr);

    Logbook &book() { return *book_; }
    FrameStatusBar *frameStatusBar() const { return statusBar_; }
    QMdiArea *mdiArea() const { return mdiArea_; }

    // Logbook operations that also keep the caption, the car-name label and the gauge in step.
    void newLogbook();
    void openLogbook(const QString &path);
    bool saveLogbook(const QString &path);
    // Shows the car name of the logbook in the label beside the tool bar.
    void showCarName();
    // The caption for the open logbook: untitled or its path.
    void updateCaption();

    int colorDepth() const;

    // The MDI child with this component name (compared ignoring case), or nullptr.
    QWidget *child(const QString &name) const;
    // Brings the MDI child with this component name to the front in its normal state, or
    // creates it with `create` when there is none. Returns the child.
    QWidget *showChild(const QString &name, const std::function<QWidget *()> &create);
    // Gives the MDI frame of `child` a title bar with exactly these buttons (system menu,
    // minimise, maximise, close), for a child whose border is not the usual sizeable one.
    static void setChildBorder(QWidget *child, Qt::WindowFlags buttons);
    // Asks every MDI child, first to last, to close; each may refuse.
    void closeAllChildren();
    // Shows the logbook again in every open list window, after a change none of them made.
    void refreshLists();
    // Asks every MDI child, first to last, whether it may close, closing none; false as soon as
    // one refuses.
    bool childrenMayClose();

    QAction *action(const QString &name) const;

public Q_SLOTS:
    void openFile();
    void saveFile();
    void saveFileAs();
    void newFile();
    void exitProgram();
    void cascadeWindows();
    void arrangeIcons();
    void showFuelingList();
    void associateFiles();
    void showHelp();
    void showAbout();
    void showCarNameWindow();
    void showMakerList();
    void showMemoList();
    void showCsvExport();
    void importLegacy();
    void importCsv();
    void showFuelingsReport();
    void showPairsReport();
    void showMonthlyReport();
    void showMakerReport();
    void showCategoryReport();

protected:
    void showEvent(QShowEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void onFirstShow();
    // The frame's outer size and position, restored before it first shows and saved when it
    // closes.
    void loadPlacement();
    void storePlacement();
    // The question before discarding unsaved changes; false when the command must stop.
    bool savePrompt();
    std::optional<QString> chooseSavePath();
    // Whether to go on with the logbook at `path`: yes when it is ours already or free (the new
    // claim then in `claim`), or when another program has it open and the user answers yes to
    // `question`.
    bool mayUse(const std::string &path, const QString &question,
                std::optional<LogbookLock> &claim);
    // Holds `claim` on the logbook now open, or keeps ours when it is on that file.
    void keepClaim(std::optional<LogbookLock> claim);
    FileHooks fileHooks();
    void buildMenus();
    void buildToolBar();

    std::unique_ptr<Logbook> book_;
    std::optional<LogbookLock> lock_; // the claim on the open logbook's file
    const BackupFolder backups_ = BackupFolder::standard();
    QStringList arguments_;
    QMdiArea *mdiArea_;
    FrameStatusBar *statusBar_;
    QLabel *carNameLabel_ = nullptr;
    bool shown_ = false;
};

// The frame of the running program; every window reaches the logbook through it.

} // namespace fenlo
