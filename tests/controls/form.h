#pragma once

#include <QApplication>
#include <QImage>
#include <QTest>
#include <QVBoxLayout>
#include <QWidget>

namespace fenlo::test {

// A shown, active window whose fields lie in tab order top to bottom, so that focus moves
// between them can be observed.
class Form : public QWidget
{
public:
    Form() { new QVBoxLayout(this); }

    template <class Field> Field *add(Field *field)
    {
        layout()->addWidget(field);
        return field;
    }

    // Shows the window and waits until it has the focus.
    bool activate()
    {
        show();
        QApplication::setActiveWindow(this);
        activateWindow();
        return QTest::qWaitForWindowActive(this);
    }
};

// Whether at least a third of the widget, as drawn, has the colour: what the user sees rather
// than what its palette says.
inline bool drawnIn(QWidget *widget, const QColor &colour)
{
    const QImage image = widget->grab().toImage();
    qsizetype matching = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            matching += image.pixelColor(x, y).rgb() == colour.rgb();
    return matching * 3 >= qsizetype(image.width()) * image.height();
}

inline QWidget *focused()
{
    return QApplication::focusWidget();
}

// Keys go where the user's keys would: to the widget with the focus. Characters beyond ASCII
// (kana, kanji, emoji) arrive as key events carrying the character, as from a keyboard layout.
inline void type(const QString &keys)
{
    for (qsizetype i = 0; i < keys.size(); ++i) {
        const QChar c = keys.at(i);
        if (c.unicode() < 128) {
            QTest::keyClick(focused(), char(c.unicode()));
            continue;
        }
        const qsizetype units = c.isHighSurrogate() ? 2 : 1;
        QTest::sendKeyEvent(QTest::Click, focused(), Qt::Key_unknown, keys.mid(i, units),
                            Qt::NoModifier);
        i += units - 1;
    }
}
inline void press(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
{
    QTest::keyClick(focused(), key, modifiers);
}

} // namespace fenlo::test
