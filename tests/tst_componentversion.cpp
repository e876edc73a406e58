// Tests of the components.xml reader that gives both programs their version.
#include "componentversion.h"

#include <QDir>
#include <QTemporaryDir>
#include <QtTest>

class tst_ComponentVersion : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void version_data();
    void version();
    void missingFile();
    void otherWorkingDirectory();

private:
    QTemporaryDir dir;
    QString previousDir;
};

void tst_ComponentVersion::init()
{
    previousDir = QDir::currentPath();
    QVERIFY(QDir::setCurrent(dir.path()));
}

void tst_ComponentVersion::cleanup()
{
    QFile::remove(dir.filePath(QStringLiteral("components.xml")));
    QDir::setCurrent(previousDir);
}

void tst_ComponentVersion::version_data()
{
    QTest::addColumn<QByteArray>("xml");
    QTest::addColumn<QString>("package");
    QTest::addColumn<QString>("expected");

    QTest::newRow("plain") << QByteArray("<Packages><Package><Name>ArvexClient</Name>"
                                         "<Version>1.2.3</Version></Package></Packages>")
                           << "ArvexClient"
                           << "1.2.3";
    QTest::newRow("second package") << QByteArray(
        "<Packages><Package><Name>ArvexClient</Name><Version>1.0</Version></Package>"
        "<Package><Name>ArvexDownloadUtil</Name><Version>2.0</Version></Package></Packages>")
                                    << "ArvexDownloadUtil"
                                    << "2.0";
    QTest::newRow("first of two with the same name") << QByteArray(
        "<Packages><Package><Name>ArvexClient</Name><Version>1.0</Version></Package>"
        "<Package><Name>ArvexClient</Name><Version>9.9</Version></Package></Packages>")
                                                     << "ArvexClient"
                                                     << "1.0";
    QTest::newRow("package without name skipped") << QByteArray(
        "<Packages><Package><Version>5.0</Version></Package>"
        "<Package><Name>ArvexClient</Name><Version>1.1</Version></Package></Packages>")
                                                  << "ArvexClient"
                                                  << "1.1";
    QTest::newRow("only first Name counts") << QByteArray(
        "<Packages><Package><Name>Other</Name><Name>ArvexClient</Name><Version>3</Version>"
        "</Package></Packages>") << "ArvexClient"
                                            << "";
    QTest::newRow("no version") << QByteArray(
        "<Packages><Package><Name>ArvexClient</Name></Package></Packages>")
                                << "ArvexClient"
                                << "";
    QTest::newRow("nested deeper is not a package") << QByteArray(
        "<Packages><Group><Package><Name>ArvexClient</Name><Version>1</Version></Package></Group>"
        "</Packages>") << "ArvexClient"
                                                    << "";
    QTest::newRow("name compared exactly") << QByteArray(
        "<Packages><Package><Name>arvexclient</Name><Version>1</Version></Package></Packages>")
                                           << "ArvexClient"
                                           << "";
    QTest::newRow("malformed") << QByteArray("<Packages><Package><Name>ArvexClient</Name>")
                               << "ArvexClient"
                               << "";
    QTest::newRow("empty file") << QByteArray() << "ArvexClient"
                                << "";
}

void tst_ComponentVersion::version()
{
    QFETCH(QByteArray, xml);
    QFETCH(QString, package);
    QFETCH(QString, expected);

    QFile file(dir.filePath(QStringLiteral("components.xml")));
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(xml);
    file.close();

    if (QByteArray(QTest::currentDataTag()) == "malformed" || xml.isEmpty())
        QTest::ignoreMessage(QtDebugMsg, QRegularExpression(QStringLiteral("^XML Error:")));
    QCOMPARE(getComponentVersion(package), expected);
}

void tst_ComponentVersion::missingFile()
{
    QCOMPARE(getComponentVersion(QStringLiteral("ArvexClient")), QString());
}

void tst_ComponentVersion::otherWorkingDirectory()
{
    QFile file(dir.filePath(QStringLiteral("components.xml")));
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("<Packages><Package><Name>ArvexClient</Name><Version>1.0</Version></Package>"
               "</Packages>");
    file.close();
    QTemporaryDir elsewhere;
    QDir::setCurrent(elsewhere.path());
    QCOMPARE(getComponentVersion(QStringLiteral("ArvexClient")), QString());
}

QTEST_MAIN(tst_ComponentVersion)
#include "tst_componentversion.moc"
