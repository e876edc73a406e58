// The client's entry point: translation choice, then the main window.
#include "app/clientlocale.h"
#include "app/mainwindow.h"
#include "cfilelocations.h"
#include "options/coptions.h"

#include <QApplication>
#include <QDebug>
#include <QTranslator>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    Q_INIT_RESOURCE(resources);

    const int language = COptions::instance()->language();
    qDebug() << "Language:" << language;

    QTranslator translator;
    const QString file = ClientLocale::translationFile(language);
    const bool loaded
        = !file.isEmpty() && translator.load(CFileLocations::instance()->shippedFile(file));
    qDebug() << "Language load status:" << loaded;
    app.installTranslator(&translator);
    QTranslator qtTranslator;
    if (ClientLocale::loadQtTranslation(&qtTranslator, language))
        app.installTranslator(&qtTranslator);
    ClientLocale::substituteMissingFonts(language);

    int result = 0;
    {
        MainWindow window;
        window.show();
        result = app.exec();
    }
    Q_CLEANUP_RESOURCE(resources);
    return result;
}
