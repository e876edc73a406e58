// Tests of the client's language and fonts: Qt's own texts in Chinese, found beside the program
// first, and the panels' font families mapped to installed ones.
#include "app/clientlocale.h"

#include <QDir>
#include <QFontDatabase>
#include <QLibraryInfo>
#include <QMessageBox>
#include <QPushButton>
#include <QTextLayout>
#include <QTranslator>
#include <QtTest>

class tst_ClientLocale : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void qtTranslationPerLanguage_data();
    void qtTranslationPerLanguage();
    void programFolderComesFirst();
    void questionBoxButtonsInChinese();
    void textsRenderInMappedFamilies_data();
    void textsRenderInMappedFamilies();

private:
    QString programLanguageFolder() const
    {
        return QCoreApplication::applicationDirPath() + QStringLiteral("/file/language");
    }
};

void tst_ClientLocale::init()
{
    QDir(programLanguageFolder()).removeRecursively();
}

void tst_ClientLocale::cleanup()
{
    QDir(programLanguageFolder()).removeRecursively();
}

void tst_ClientLocale::qtTranslationPerLanguage_data()
{
    QTest::addColumn<int>("language");
    QTest::addColumn<QString>("file");
    QTest::newRow("English") << 0 << QString();
    QTest::newRow("Simplified Chinese") << 1 << "qtbase_zh_CN.qm";
    QTest::newRow("Traditional Chinese") << 2 << "qtbase_zh_TW.qm";
    QTest::newRow("unknown") << 3 << QString();
    QTest::newRow("negative") << -1 << QString();
}

void tst_ClientLocale::qtTranslationPerLanguage()
{
    QFETCH(int, language);
    QFETCH(QString, file);
    QTranslator translator;
    QCOMPARE(ClientLocale::loadQtTranslation(&translator, language), !file.isEmpty());
    if (!file.isEmpty())
        QCOMPARE(QFileInfo(translator.filePath()).fileName(), file);
}

void tst_ClientLocale::programFolderComesFirst()
{
    const QString qtFolder = QLibraryInfo::location(QLibraryInfo::TranslationsPath);
    QTranslator fromQt;
    QVERIFY(ClientLocale::loadQtTranslation(&fromQt, 1));
    QCOMPARE(QFileInfo(fromQt.filePath()).absolutePath(), QDir(qtFolder).absolutePath());

    QVERIFY(QDir().mkpath(programLanguageFolder()));
    QVERIFY(QFile::copy(fromQt.filePath(), programLanguageFolder() + "/qtbase_zh_CN.qm"));
    QTranslator beside;
    QVERIFY(ClientLocale::loadQtTranslation(&beside, 1));
    QCOMPARE(QFileInfo(beside.filePath()).absolutePath(), programLanguageFolder());
}

void tst_ClientLocale::questionBoxButtonsInChinese()
{
    QTranslator translator;
    QVERIFY(ClientLocale::loadQtTranslation(&translator, 1));
    QVERIFY(QCoreApplication::installTranslator(&translator));
    QMessageBox box(
        QMessageBox::Warning, "Warning", "Delete all points?", QMessageBox::Yes | QMessageBox::No);
    const QString yes = box.button(QMessageBox::Yes)->text();
    const QString no = box.button(QMessageBox::No)->text();
    QCoreApplication::removeTranslator(&translator);
    QCOMPARE(yes, QString::fromUtf8("是(&Y)"));
    QCOMPARE(no, QString::fromUtf8("否(&N)"));
}

void tst_ClientLocale::textsRenderInMappedFamilies_data()
{
    QTest::addColumn<int>("language");
    QTest::addColumn<QString>("family");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QStringList>("families");
    const QString latin = QStringLiteral("Liberation Sans");
    const QString chinese = QStringLiteral("Noto Sans CJK SC");
    const QString yaHei = QString::fromUtf8("微软雅黑");
    QTest::newRow("menu font") << 1 << yaHei << QString::fromUtf8("连接控制器 Connect")
                               << QStringList { chinese };
    QTest::newRow("menu font, Traditional")
        << 2 << yaHei << QString::fromUtf8("連接控制器 Connect") << QStringList { chinese };
    // An English window opens no Chinese font file for its Latin texts.
    QTest::newRow("menu font, English") << 0 << yaHei << "Connect" << QStringList { latin };
    QTest::newRow("Arial, Chinese")
        << 1 << "Arial" << QString::fromUtf8("回放速度比例") << QStringList { chinese };
    QTest::newRow("Arial, mixed") << 1 << "Arial" << QString::fromUtf8("X+ 关节1+")
                                  << QStringList { latin, chinese };
}

void tst_ClientLocale::textsRenderInMappedFamilies()
{
    QFETCH(int, language);
    QFETCH(QString, family);
    QFETCH(QString, text);
    QFETCH(QStringList, families);
    const QStringList installed = QFontDatabase().families();
    for (const QString &needed : families)
        if (!installed.contains(needed))
            QSKIP(qPrintable(needed + " is not installed"));
    if (installed.contains(family))
        QSKIP(qPrintable(family + " is installed here; nothing is substituted"));

    ClientLocale::substituteMissingFonts(language);
    QFont font(family);
    font.setPixelSize(16);
    QTextLayout layout(text, font);
    layout.beginLayout();
    layout.createLine();
    layout.endLayout();
    // Substituted families come back in lower case.
    QStringList used;
    for (const QGlyphRun &run : layout.glyphRuns())
        used << run.rawFont().familyName().toLower();
    used.removeDuplicates();
    used.sort();
    QStringList expected;
    for (const QString &name : families)
        expected << name.toLower();
    expected.sort();
    QCOMPARE(used, expected);
}

QTEST_MAIN(tst_ClientLocale)
#include "tst_clientlocale.moc"
