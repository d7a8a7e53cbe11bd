#include "entry/registerbuttons.h"

#include <QHBoxLayout>
#include <QMenu>
#include <QPushButton>

namespace fenlo {
namespace {

QPushButton *makeButton(QWidget *owner, const QString &name, const QString &caption,
                        const QString &hint)
{
    auto *button = new QPushButton(caption, owner);
    button->setObjectName(name);
    button->setToolTip(hint);
    // Enter moves between fields in this program; it never presses a button by itself.
    button->setAutoDefault(false);
    button->setFixedSize(75, 25);
    return button;
}

} // namespace

RegisterButtons::RegisterButtons(QWidget *owner, const MenuTexts &menu,
                                 const std::function<void()> &registration,
                                 const std::function<void()> &cancel)
    : registerButton(makeButton(owner, QStringLiteral("BtnTouroku"), QStringLiteral("登録(&T)"),
                                QStringLiteral("変更したデータを登録します"))),
      cancelButton(makeButton(owner, QStringLiteral("BtnCancel"), QStringLiteral("ｷｬﾝｾﾙ(&C)"),
                              QStringLiteral("登録せずにこのフォームを閉じます"))),
      popup(new QMenu(owner))
{
    QObject::connect(registerButton, &QPushButton::clicked, owner, registration);
    QObject::connect(cancelButton, &QPushButton::clicked, owner, cancel);
    popup->addAction(menu.registration, owner, registration);
    popup->addSeparator();
    popup->addAction(menu.cancel, owner, cancel);
}

QWidget *RegisterButtons::panel(QWidget *parent) const
{
    auto *row = new QWidget(parent);
    auto *layout = new QHBoxLayout(row);
    layout->setContentsMargins(8, 6, 8, 6);
    layout->addStretch();
    layout->addWidget(registerButton);
    layout->addWidget(cancelButton);
    return row;
}

} // namespace fenlo
