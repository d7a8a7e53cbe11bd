#pragma once

#include <QApplication>

namespace fenlo {

// The application object: an error that no command caught ends the event that raised it and
// is shown in the error box; the program carries on.
class Application : public QApplication
{
public:
    using QApplication::QApplication;
    bool notify(QObject *receiver, QEvent *event) override;
};

} // namespace fenlo
