// The yardstick for quillan2's start-up: a bare full-screen Qt Widgets
// window, borderless and covering the screen as the course's main window
// does, with nothing in it.
#include <QApplication>
#include <QScreen>
#include <QWidget>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QWidget window(nullptr, Qt::Window | Qt::FramelessWindowHint);
    window.setGeometry(QGuiApplication::primaryScreen()->geometry());
    window.show();
    return QApplication::exec();
}
