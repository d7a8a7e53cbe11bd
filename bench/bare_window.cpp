// The floor of start-up: an empty QMainWindow built like the program, quitting after its first
// painted frame, as the program does when asked to for the start-up measurement.

#include <QApplication>
#include <QMainWindow>
#include <QTimer>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QMainWindow window;
    window.resize(780, 540);
    window.show();
    QTimer::singleShot(0, &app, [&] {
        window.repaint();
        QApplication::quit();
    });
    return app.exec();
}
