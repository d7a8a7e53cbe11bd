#include "app/application.h"

#include "ui/prompter.h"

#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace fenlo {

bool useJapaneseForQt(QCoreApplication &app)
{
    const QLocale japanese(QLocale::Japanese, QLocale::Japan);
    // Dates, sizes and file types in the file dialogs follow the default locale.
    QLocale::setDefault(japanese);
    auto *translator = new QTranslator(&app);
    if (translator->load(japanese, QStringLiteral("qtbase"), QStringLiteral("_"),
                         QLibraryInfo::path(QLibraryInfo::TranslationsPath)) &&
        QCoreApplication::installTranslator(translator))
        return true;
    delete translator;
    return false;
}

bool Application::notify(QObject *receiver, QEvent *event)
{
    try {
        return QApplication::notify(receiver, event);
    } catch (const std::exception &e) {
        Prompter::error(QString::fromUtf8(e.what()));
    }
    return false;
}

} // namespace fenlo
