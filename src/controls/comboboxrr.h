#pragma once

#include "controls/fieldbehaviour.h"

#include <QComboBox>

namespace fenlo {

// The program's combo box. While its list is closed the up/down arrows move between fields
// instead of changing the item; Alt+Down opens the list, and the arrows choose items there.
class TComboBoxRR : public QComboBox
{
    Q_OBJECT
public:
    explicit TComboBoxRR(QWidget *parent = nullptr);

    bool RetNext() const { return m_field.RetNext; }
    void setRetNext(bool on) { m_field.RetNext = on; }
    bool CKeyUp() const { return m_field.CKeyUp; }
    void setCKeyUp(bool on) { m_field.CKeyUp = on; }
    bool CKeyDown() const { return m_field.CKeyDown; }
    void setCKeyDown(bool on) { m_field.CKeyDown = on; }

    const FocusColors &focusColors() const { return m_field.colors(); }
    void setFocusColors(const FocusColors &colors) { m_field.setColors(colors); }
    void setFcsColor(const QColor &c) { m_field.setColor(&FocusColors::fcsColor, c); }
    void setFcsfntColor(const QColor &c) { m_field.setColor(&FocusColors::fcsfntColor, c); }
    void setFcsnotColor(const QColor &c) { m_field.setColor(&FocusColors::fcsnotColor, c); }
    void setFcsnotfntColor(const QColor &c) { m_field.setColor(&FocusColors::fcsnotfntColor, c); }

Q_SIGNALS:
    void entered();
    void exited();
    void pressEnter();
    void keyDown(fenlo::KeyDown *key);

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void focusInEvent(QFocusEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    FieldBehaviour m_field;
};

} // namespace fenlo
