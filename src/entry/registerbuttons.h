#pragma once

#include <QObject>

#include <functional>

class QMenu;
class QPushButton;
class QWidget;

namespace fenlo {

// The 登録 / ｷｬﾝｾﾙ pair of every editor, with their hints, and the pop-up menu that offers the
// same two commands.
class RegisterButtons
{
public:
    struct MenuTexts
    {
        QString registration, cancel;
    };

    RegisterButtons(QWidget *owner, const MenuTexts &menu,
                    const std::function<void()> &registration, const std::function<void()> &cancel);

    QPushButton *registerButton;
    QPushButton *cancelButton;
    QMenu *popup;

    // A row with the two buttons at its right end, for the bottom of the form.
    QWidget *panel(QWidget *parent) const;
};

} // namespace fenlo
