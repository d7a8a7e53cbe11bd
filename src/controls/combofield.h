#pragma once

#include "controls/fieldbehaviour.h"
#include "controls/fieldsettings.h"

#include <QComboBox>

namespace fenlo {

// The program's combo box. While its list is closed the up/down arrows move between fields
// instead of changing the item; Alt+Down opens the list, and the arrows choose items there.
class ComboField : public QComboBox, public FieldSettings
{
    Q_OBJECT
public:
    explicit ComboField(QWidget *parent = nullptr);

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
    FieldBehaviour &field() override { return field_; }
    FieldBehaviour field_;
};

} // namespace fenlo
