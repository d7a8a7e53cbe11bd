#pragma once

#include "controls/fieldbehaviour.h"

#include <QCheckBox>

namespace fenlo {

// The program's check box: Enter moves on like in the other fields, and it turns green with
// yellow text while it has the focus, so the focus is plain to see on a check box too.
class CheckField : public QCheckBox
{
    Q_OBJECT
public:
    explicit CheckField(const QString &text = QString(), QWidget *parent = nullptr);

    bool enterMovesOn() const { return field_.enterMovesOn; }
    void setEnterMovesOn(bool on) { field_.enterMovesOn = on; }

Q_SIGNALS:
    void entered();
    void exited();
    void pressEnter();

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void focusInEvent(QFocusEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;

private:
    FieldBehaviour field_;
};

} // namespace fenlo
