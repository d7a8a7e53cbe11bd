#pragma once

#include <QWidget>

class QBoxLayout;
class QMenu;
class QToolButton;

namespace fenlo {

class Logbook;
class ListGrid;

// What the fueling, maker and memo lists share: a grid of table slots, the four buttons
// 追加 / 変更 / 削除 / 終了 with their hints, the same commands on a pop-up menu and on the grid's
// keys, and closing as an MDI child that frees itself.
class ListWindow : public QWidget
{
    Q_OBJECT

public:
    struct ButtonTexts
    {
        QString add, addHint, change, changeHint, remove, removeHint, end, endHint;
        QString menuAdd; // the pop-up menu's caption of "add" (one list spaces it)
    };
    enum class ButtonPlacement { Top, Right };
    // The texts of the lists with their buttons on the right (makers, memos); `menuAdd` is the
    // pop-up menu's caption of "add".
    static ButtonTexts sidePanelTexts(const QString &menuAdd);

    // The window's outer frame inside the MDI area (itself when not inside one).
    QWidget *outerWindow();
    // Closes the window (and so frees it).
    void closeWindow();

    ListGrid *grid() const { return grid_; }

    // Shows the logbook again after something other than this window changed it.
    virtual void showLogbook() = 0;

protected:
    ListWindow(const QString &caption, Logbook &book, QWidget *parent = nullptr);
    // Lays the window out: the buttons on top or on the right, the grid filling the rest,
    // and `bottom` (the status bar or summary panel, optional) below.
    void buildLayout(ButtonPlacement placement, const ButtonTexts &texts, QWidget *bottom = nullptr);

    Logbook &book() const { return book_; }

    // Fills the window when it is first shown (not again when it comes back from being
    // minimised); `formShown()` is false until this has run.
    virtual void populate() {}
    bool formShown() const { return formShown_; }
    void showEvent(QShowEvent *event) override;

    virtual void addEntry() = 0;
    virtual void changeEntry() = 0;
    virtual void deleteEntry() = 0;
    void endClicked() { closeWindow(); }

    void contextMenuEvent(QContextMenuEvent *event) override;

    QToolButton *addButton_ = nullptr;
    QToolButton *changeButton_ = nullptr;
    QToolButton *deleteButton_ = nullptr;
    QToolButton *endButton_ = nullptr;

private:
    QToolButton *makeButton(const QString &name, const QString &caption, const QString &hint,
                            void (ListWindow::*handler)());
    void run(void (ListWindow::*handler)());

    Logbook &book_;
    ListGrid *grid_;
    QMenu *popup_ = nullptr;
    bool formShown_ = false;
};

} // namespace fenlo
