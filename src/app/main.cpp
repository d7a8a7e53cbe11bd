// 燃費管理「ふぇんろ」: a fuel-economy logbook for one car.

#include "app/application.h"
#include "app/commandline.h"
#include "app/desktopconventions.h"
#include "app/latencyprobe.h"
#include "app/mainwindow.h"
#include "app/toolicons.h"
#include "ui/prompter.h"

#include <QFont>
#include <QTimer>

namespace {

// The window designs name the Windows faces; the IPA faces stand in for them.
void substituteFonts()
{
    QFont::insertSubstitutions(QStringLiteral("ＭＳ ゴシック"),
                               {QStringLiteral("IPAGothic"), QStringLiteral("IPAexGothic")});
    QFont::insertSubstitutions(QStringLiteral("ＭＳ Ｐゴシック"),
                               {QStringLiteral("IPAPGothic"), QStringLiteral("IPAGothic")});
    QFont::insertSubstitutions(QStringLiteral("ＭＳ 明朝"),
                               {QStringLiteral("IPAMincho"), QStringLiteral("IPAPMincho")});
}

} // namespace

int main(int argc, char *argv[])
{
    const fenlo::StartRequest request = fenlo::readCommandLine(argc, argv);
    if (request.exitStatus)
        return *request.exitStatus;
    fenlo::Application app(argc, argv);
    // No display name: Qt would append it to every title the window manager shows.
    QApplication::setApplicationName(QStringLiteral("fenlo"));
    fenlo::useJapaneseForQt(app);
    fenlo::DesktopConventions conventions;
    app.installEventFilter(&conventions);
    QApplication::setWindowIcon(fenlo::programIcon());
    substituteFonts();
    fenlo::LatencyProbe::installIfAsked();

    QStringList arguments;
    if (!request.file.isEmpty())
        arguments << request.file;
    fenlo::MainWindow frame(arguments);
    frame.show();
    // The start-up benchmark measures the time to the first painted frame.
    if (qEnvironmentVariableIsSet("FENLO_QUIT_AFTER_FIRST_PAINT")) {
        QTimer::singleShot(0, &app, [&frame] {
            frame.repaint();
            QApplication::quit();
        });
    }
    return app.exec();
}
