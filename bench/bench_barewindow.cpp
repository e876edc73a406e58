// The baseline of bench_startup: a bare Qt window of the client's size and nothing else.
#include <QApplication>
#include <QWidget>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QWidget window;
    window.setWindowFlags(Qt::FramelessWindowHint);
    window.setFixedSize(1280, 720);
    window.show();
    return app.exec();
}
