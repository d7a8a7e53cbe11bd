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

// Qt's own texts (file dialogs, standard buttons, context menus) and its locale in Japanese
// whatever the user's locale, as every text of the program is. False when Qt's translation is
// missing.
bool useJapaneseForQt(QCoreApplication &app);

} // namespace fenlo
