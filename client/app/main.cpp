// The client's entry point: translation choice, then the main window.
#include "app/mainwindow.h"
#include "cfilelocations.h"
#include "options/coptions.h"

#include <QApplication>
#include <QDebug>
#include <QTranslator>

namespace {
// The translation file of a language index, or empty for an unknown index.
QString translationFile(int language)
{
    switch (language) {
    case 0:
        return QStringLiteral("file/language/English.qm");
    case 1:
        return QStringLiteral("file/language/Chinese_cn.qm");
    case 2:
        return QStringLiteral("file/language/Chinese_tw.qm");
    default:
        return QString();
    }
}
} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    Q_INIT_RESOURCE(resources);

    const int language = COptions::instance()->language();
    qDebug() << "Language:" << language;

    QTranslator translator;
    const QString file = translationFile(language);
    const bool loaded
        = !file.isEmpty() && translator.load(CFileLocations::instance()->shippedFile(file));
    qDebug() << "Language load status:" << loaded;
    app.installTranslator(&translator);

    int result = 0;
    {
        MainWindow window;
        window.show();
        result = app.exec();
    }
    Q_CLEANUP_RESOURCE(resources);
    return result;
}
