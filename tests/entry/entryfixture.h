#pragma once

#include "app/mainwindow.h"
#include "controls/listgrid.h"
#include "support/modal.h"
#include "support/scripted.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QTest>

#include <memory>

namespace fenlo::test {

using Answer = Prompter::Answer;

const QString CloseQuestion = QStringLiteral("データを登録せずに終了しますか？");
const QString NoMore = QStringLiteral("これ以上登録できません");

// A shown frame with a new logbook and scripted message boxes.
struct EntryFixture
{
    ScriptedPrompter prompter;
    std::unique_ptr<MainWindow> frame = std::make_unique<MainWindow>();

    EntryFixture()
    {
        frame->show();
        QApplication::setActiveWindow(frame.get());
        if (!QTest::qWaitForWindowActive(frame.get()))
            qWarning("the frame did not become active");
    }

    Logbook &book() { return frame->book(); }

    void run(const char *command) { frame->action(QString::fromUtf8(command))->trigger(); }

    // Runs a command of the frame and gives the child window it opened, found by its name.
    QWidget *open(const char *command, const char *name)
    {
        run(command);
        for (QMdiSubWindow *sub : frame->mdiArea()->subWindowList())
            if (sub->widget()->objectName() == QString::fromUtf8(name))
                return sub->widget();
        return nullptr;
    }

    int childCount() const { return int(frame->mdiArea()->subWindowList().size()); }
};

// Presses a button of a window by its name, as a click of the user would.
inline void click(QWidget *window, const char *name)
{
    auto *button = window->findChild<QAbstractButton *>(QString::fromUtf8(name));
    QVERIFY2(button, name);
    button->click();
}

// Gives the field the focus and types into it, replacing its text.
inline void typeInto(QWidget *field, const QString &text)
{
    field->setFocus(Qt::TabFocusReason);
    QTest::keyClick(field, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(field, Qt::Key_Delete);
    // Characters beyond ASCII arrive as key events carrying the character, as from a layout.
    for (QChar c : text) {
        if (c.unicode() < 128)
            QTest::keyClick(field, char(c.unicode()));
        else
            QTest::sendKeyEvent(QTest::Click, field, Qt::Key_unknown, QString(c), Qt::NoModifier);
    }
}

// The texts of grid rows 1 to `rows` in one column.
inline QStringList column(const ListGrid *grid, int col, int rows)
{
    QStringList texts;
    for (int r = 1; r <= rows; ++r)
        texts << grid->cell(r, col);
    return texts;
}

} // namespace fenlo::test
