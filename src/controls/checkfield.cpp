#include "controls/checkfield.h"

#include <QApplication>
#include <QFocusEvent>
#include <QKeyEvent>

namespace fenlo {
namespace {

FocusColors checkBoxColors()
{
    const QPalette system = QApplication::palette();
    return {QColor(0, 128, 0), QColor(255, 255, 0), system.color(QPalette::Button),
            system.color(QPalette::WindowText)};
}

} // namespace

CheckField::CheckField(const QString &text, QWidget *parent)
    : QCheckBox(text, parent), field_(this, Surface::Button, checkBoxColors(),
                                      {[this](bool next) { return focusNextPrevChild(next); },
                                       [this] { Q_EMIT pressEnter(); },
                                       {}})
{
    // A check box has no text to move through: the arrows and F2 keep their usual meaning.
    field_.upMovesBack = false;
    field_.downMovesOn = false;
}

void CheckField::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        field_.handleKey(event, nullptr, FieldBehaviour::CaretAfterF2::AtStart);
        return;
    }
    QCheckBox::keyPressEvent(event);
}

void CheckField::focusInEvent(QFocusEvent *event)
{
    QCheckBox::focusInEvent(event);
    if (field_.entering())
        Q_EMIT entered();
}

void CheckField::focusOutEvent(QFocusEvent *event)
{
    const bool left = field_.leaving(event);
    if (left)
        field_.applyColors();
    QCheckBox::focusOutEvent(event);
    if (left)
        Q_EMIT exited();
}

} // namespace fenlo
