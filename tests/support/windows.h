#pragma once

// How a test finds a window that the program created: by its type, as the only one there is.

#include <QApplication>
#include <QWidget>

namespace fenlo::test {

// The window of type W that exists now (closed windows are gone once deleted), or nullptr.
template <class W> W *findWindow()
{
    for (QWidget *widget : QApplication::allWidgets()) {
        if (auto *window = qobject_cast<W *>(widget))
            return window;
    }
    return nullptr;
}

} // namespace fenlo::test
