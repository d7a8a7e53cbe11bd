// The floor of start-up: an empty QMainWindow built like the program, quitting after its first
// painted frame, as the program does when asked to for the start-up measurement. With an
// argument "japanese" it also shows a menu bar of Japanese captions in the program's face,
// which tells the cost of the Japanese fonts apart from the program's own work.

#include <QApplication>
#include <QMainWindow>
#include <QMenuBar>
#include <QTimer>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QMainWindow window;
    window.resize(780, 540);
    if (argc > 1 && QString::fromLocal8Bit(argv[1]) == QStringLiteral("japanese")) {
        QFont::insertSubstitutions(QStringLiteral("ＭＳ ゴシック"), {QStringLiteral("IPAGothic")});
        QFont font(QStringLiteral("ＭＳ ゴシック"));
        font.setPixelSize(13);
        window.setFont(font);
        for (const char *caption : {"ファイル(&F)", "入力処理(&N)", "出力処理(&S)", "ヘルプ(&H)"})
            window.menuBar()->addMenu(QString::fromUtf8(caption));
    }
    window.show();
    QTimer::singleShot(0, &app, [&] {
        window.repaint();
        QApplication::quit();
    });
    return app.exec();
}
