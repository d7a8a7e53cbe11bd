#include "entry/listwindow.h"

#include "controls/listgrid.h"
#include "data/logbook.h"
#include "ui/childwindow.h"
#include "ui/prompter.h"

#include <QBoxLayout>
#include <QContextMenuEvent>
#include <QMenu>
#include <QToolButton>

namespace fenlo {

ListWindow::ListWindow(const QString &caption, Logbook &book, QWidget *parent)
    : QWidget(parent), book_(book), grid_(new ListGrid(this))
{
    setWindowTitle(caption);
    setAttribute(Qt::WA_DeleteOnClose);
    connect(grid_, &ListGrid::addRequested, this, [this] { run(&ListWindow::addEntry); });
    connect(grid_, &ListGrid::changeRequested, this, [this] { run(&ListWindow::changeEntry); });
    connect(grid_, &ListGrid::deleteRequested, this, [this] { run(&ListWindow::deleteEntry); });
}

ListWindow::ButtonTexts ListWindow::sidePanelTexts(const QString &menuAdd)
{
    return {QStringLiteral("追加(T)"),  QStringLiteral("新しいデータを追加します"),
            QStringLiteral("変更(&H)"), QStringLiteral("カーソルのある行のデータを変更します"),
            QStringLiteral("削除(&D)"), QStringLiteral("カーソルのある行のデータを削除します"),
            QStringLiteral("終了(&E)"), QStringLiteral("このフォームを閉じます"),
            menuAdd};
}

void ListWindow::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    if (formShown_)
        return;
    Prompter::guarded([this] { populate(); });
    formShown_ = true;
}

QWidget *ListWindow::outerWindow()
{
    return fenlo::outerWindow(this);
}

void ListWindow::closeWindow()
{
    closeWithFrame(this);
}

void ListWindow::run(void (ListWindow::*handler)())
{
    Prompter::guarded([this, handler] { (this->*handler)(); });
}

QToolButton *ListWindow::makeButton(const QString &name, const QString &caption,
                                    const QString &hint, void (ListWindow::*handler)())
{
    auto *button = new QToolButton(this);
    button->setObjectName(name);
    button->setText(caption);
    button->setToolTip(hint);
    button->setAutoRaise(true);
    button->setFocusPolicy(Qt::NoFocus);
    button->setToolButtonStyle(Qt::ToolButtonTextOnly);
    button->setFixedSize(70, 25);
    connect(button, &QToolButton::clicked, this, [this, handler] { run(handler); });
    return button;
}

void ListWindow::buildLayout(ButtonPlacement placement, const ButtonTexts &texts, QWidget *bottom)
{
    addButton_ =
        makeButton(QStringLiteral("SBtnTuika"), texts.add, texts.addHint, &ListWindow::addEntry);
    changeButton_ = makeButton(QStringLiteral("SBtnHenkou"), texts.change, texts.changeHint,
                               &ListWindow::changeEntry);
    deleteButton_ = makeButton(QStringLiteral("SBtnDel"), texts.remove, texts.removeHint,
                               &ListWindow::deleteEntry);
    endButton_ =
        makeButton(QStringLiteral("SBtnEnd"), texts.end, texts.endHint, &ListWindow::endClicked);

    popup_ = new QMenu(this);
    popup_->addAction(texts.menuAdd, this, [this] { run(&ListWindow::addEntry); });
    popup_->addAction(QStringLiteral("変更"), this, [this] { run(&ListWindow::changeEntry); });
    popup_->addSeparator();
    popup_->addAction(QStringLiteral("削除"), this, [this] { run(&ListWindow::deleteEntry); });
    popup_->addSeparator();
    popup_->addAction(QStringLiteral("終了"), this, [this] { endClicked(); });

    auto *buttons = new QWidget(this);
    auto *buttonLayout = new QBoxLayout(
        placement == ButtonPlacement::Top ? QBoxLayout::LeftToRight : QBoxLayout::TopToBottom,
        buttons);
    buttonLayout->setContentsMargins(8, 6, 8, 6);
    buttonLayout->setSpacing(placement == ButtonPlacement::Top ? 2 : 6);
    for (QToolButton *b : {addButton_, changeButton_, deleteButton_, endButton_})
        buttonLayout->addWidget(b);
    buttonLayout->addStretch();
    if (placement == ButtonPlacement::Top)
        buttons->setFixedHeight(36);
    else
        buttons->setFixedWidth(85);

    auto *outer = new QVBoxLayout(this);
    outer->setContentsMargins(0, 0, 0, 0);
    outer->setSpacing(0);
    if (placement == ButtonPlacement::Top) {
        outer->addWidget(buttons);
        outer->addWidget(grid_, 1);
    } else {
        auto *row = new QHBoxLayout;
        row->setSpacing(0);
        row->addWidget(grid_, 1);
        row->addWidget(buttons);
        outer->addLayout(row, 1);
    }
    if (bottom)
        outer->addWidget(bottom);
}

void ListWindow::contextMenuEvent(QContextMenuEvent *event)
{
    if (popup_)
        popup_->exec(event->globalPos());
}

} // namespace fenlo
