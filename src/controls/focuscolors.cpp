#include "controls/focuscolors.h"

#include <QApplication>
#include <QPalette>
#include <QWidget>

namespace fenlo {

FocusColors FocusColors::standard()
{
    FocusColors colors = plain();
    colors.focusedBackground = QColor(206, 231, 255);
    return colors;
}

FocusColors FocusColors::plain()
{
    const QPalette system = QApplication::palette();
    const QColor window = system.color(QPalette::Base);
    const QColor windowText = system.color(QPalette::Text);
    return {window, windowText, window, windowText};
}

void paintSurface(QWidget *widget, Surface surface, const QColor &background, const QColor &text)
{
    QPalette palette = widget->palette();
    if (surface == Surface::Field) {
        // An edit paints its text area with the base roles, a drop-down list its label with the
        // button text role.
        palette.setColor(QPalette::Base, background);
        palette.setColor(QPalette::Button, background);
        palette.setColor(QPalette::Text, text);
        palette.setColor(QPalette::ButtonText, text);
    } else {
        widget->setAutoFillBackground(true);
        palette.setColor(widget->backgroundRole(), background);
        palette.setColor(widget->foregroundRole(), text);
    }
    widget->setPalette(palette);
}

} // namespace fenlo
