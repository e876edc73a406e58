// The firmware download utility's entry point.
#include "mainwindow.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    Q_INIT_RESOURCE(downloader);

    MainWindow window(app.arguments());
    window.show();
    return app.exec();
}
