#include "app/application.h"

#include "app/prompter.h"

namespace fenlo {

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
