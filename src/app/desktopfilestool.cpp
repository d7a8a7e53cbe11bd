// Writes the files that install fenlo on a desktop into one folder:
//   fenlo-desktop-files OUTDIR PROGRAM
// gives OUTDIR/fenlo.desktop (running PROGRAM), OUTDIR/fenlo.xml and OUTDIR/icons/hicolor/…

#include "app/desktopfiles.h"

#include <QGuiApplication>

#include <exception>
#include <iostream>

int main(int argc, char *argv[])
{
    QGuiApplication app(argc, argv);
    const QStringList args = QGuiApplication::arguments();
    if (args.size() != 3) {
        std::cerr << "usage: fenlo-desktop-files OUTDIR PROGRAM\n";
        return 2;
    }
    using namespace fenlo::desktop;
    const QString out = args[1];
    try {
        writeTextFile(out + QLatin1Char('/') + DesktopFileName, desktopEntry(args[2]));
        writeTextFile(out + QLatin1Char('/') + MimeFileName, mimeTypeXml());
        writeProgramIcons(out + QStringLiteral("/icons/hicolor"));
    } catch (const std::exception &e) {
        std::cerr << e.what() << '\n';
        return 1;
    }
    return 0;
}
