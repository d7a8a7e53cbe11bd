#include "app/commandline.h"

#include <QCommandLineParser>
#include <QFileInfo>
#include <QStringList>

#include <cstdio>

namespace fenlo {

namespace {

void print(std::FILE *stream, const QString &text)
{
    std::fputs(text.toLocal8Bit().constData(), stream);
}

} // namespace

StartRequest readCommandLine(int argc, char *argv[])
{
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    const QString program = QFileInfo(arguments.value(0, QStringLiteral("fenlo"))).fileName();

    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("燃費管理「ふぇんろ」: 給油の記録と燃費を管理します。"));
    const QCommandLineOption help({QStringLiteral("h"), QStringLiteral("help")},
                                  QStringLiteral("この使い方を表示して終了します。"));
    const QCommandLineOption version(QStringLiteral("version"),
                                     QStringLiteral("版を表示して終了します。"));
    parser.addOption(help);
    parser.addOption(version);
    parser.addPositionalArgument(QStringLiteral("FILE"),
                                 QStringLiteral("起動時に開く記録ファイル (.fnl)。"),
                                 QStringLiteral("[FILE]"));

    StartRequest request;
    if (!parser.parse(arguments) || parser.positionalArguments().size() > 1) {
        const QString why = parser.errorText().isEmpty()
                                ? QStringLiteral("開けるファイルは 1 つだけです。")
                                : parser.errorText();
        print(stderr,
              QStringLiteral("%1: %2\n使い方は %1 --help で表示されます。\n").arg(program, why));
        request.exitStatus = 2;
    } else if (parser.isSet(help)) {
        // Qt names the program from the running application, which does not exist yet.
        QString text = parser.helpText();
        text.replace(QStringLiteral("<executable_name>"), program);
        print(stdout, text);
        request.exitStatus = 0;
    } else if (parser.isSet(version)) {
        print(stdout, QStringLiteral("fenlo %1\n").arg(QStringLiteral(FENLO_VERSION)));
        request.exitStatus = 0;
    } else {
        request.file = parser.positionalArguments().value(0);
    }
    return request;
}

} // namespace fenlo
