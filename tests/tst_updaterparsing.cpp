// Tests of what the update check computes on every platform: the parser of the maintenance
// tool's answer and the quoting of the elevated run's Windows command line.
#include "updatetesting.h"

#include "adminauthorization.h"
#include "invalidxmlexception.h"
#include "noupdatesxmlexception.h"
#include "updater.h"

#include <QtTest>

using namespace updatetesting;
using UpdateKit::Updater;

namespace {

enum class Parsed { Updates, NoBlock, Invalid };

} // namespace

Q_DECLARE_METATYPE(Parsed)

class tst_UpdaterParsing : public QObject
{
    Q_OBJECT

private slots:
    void parseResult_data();
    void parseResult();
    void parameterString_data();
    void parameterString();
};

void tst_UpdaterParsing::parseResult_data()
{
    QTest::addColumn<QByteArray>("output");
    QTest::addColumn<Parsed>("parsed");
    QTest::addColumn<Updates>("updates");

    QTest::newRow("text around one update")
        << QByteArray("Checking...\n<updates>\n  <update name=\"a\" version=\"1.2.0\" "
                      "size=\"2048\"/>\n</updates>\nDone.\n")
        << Parsed::Updates << Updates { updateInfo("a", "1.2.0", 2048) };
    QTest::newRow("two updates in order")
        << QByteArray("<updates><update name=\"b\" version=\"2\" size=\"1\"/>"
                      "<update name=\"a\" version=\"1.0.1\" size=\"18446744073709551615\"/>"
                      "</updates>")
        << Parsed::Updates
        << Updates { updateInfo("b", "2", 1), updateInfo("a", "1.0.1", 18446744073709551615ULL) };
    QTest::newRow("zero updates") << QByteArray("<updates>\n</updates>") << Parsed::Updates
                                  << Updates();
    QTest::newRow("no block") << QByteArray("Nothing to update.\n") << Parsed::NoBlock << Updates();
    QTest::newRow("no end") << QByteArray("<updates><update name=\"a\" version=\"1\" size=\"2\"/>")
                            << Parsed::NoBlock << Updates();
    QTest::newRow("end before start")
        << QByteArray("</updates><updates><update name=\"a\" version=\"1\" size=\"2\"/>")
        << Parsed::NoBlock << Updates();
    static const char afterNul[]
        = "junk\0<updates><update name=\"a\" version=\"1\" size=\"2\"/></updates>";
    QTest::newRow("block after a NUL byte")
        << QByteArray(afterNul, sizeof(afterNul) - 1) << Parsed::NoBlock << Updates();
    QTest::newRow("bad size") << QByteArray(
        "<updates><update name=\"a\" version=\"1\" size=\"12kB\"/></updates>")
                              << Parsed::Invalid << Updates();
    QTest::newRow("negative size")
        << QByteArray("<updates><update name=\"a\" version=\"1\" size=\"-1\"/></updates>")
        << Parsed::Invalid << Updates();
    QTest::newRow("size beyond 64 bits") << QByteArray(
        "<updates><update name=\"a\" version=\"1\" size=\"18446744073709551616\"/></updates>")
                                         << Parsed::Invalid << Updates();
    QTest::newRow("empty name") << QByteArray(
        "<updates><update name=\"\" version=\"1\" size=\"2\"/></updates>")
                                << Parsed::Invalid << Updates();
    QTest::newRow("version without number")
        << QByteArray("<updates><update name=\"a\" version=\"beta\" size=\"2\"/></updates>")
        << Parsed::Invalid << Updates();
    QTest::newRow("child element") << QByteArray(
        "<updates><update name=\"a\" version=\"1\" size=\"2\"><note/></update></updates>")
                                   << Parsed::Invalid << Updates();
    QTest::newRow("other element")
        << QByteArray("<updates><package name=\"a\" version=\"1\" size=\"2\"/></updates>")
        << Parsed::Invalid << Updates();
}

void tst_UpdaterParsing::parseResult()
{
    QFETCH(QByteArray, output);
    QFETCH(Parsed, parsed);
    QFETCH(Updates, updates);

    switch (parsed) {
    case Parsed::Updates:
        QCOMPARE(Updater::parseResult(output), updates);
        break;
    case Parsed::NoBlock:
        QVERIFY_EXCEPTION_THROWN(Updater::parseResult(output), UpdateKit::NoUpdatesXmlException);
        break;
    case Parsed::Invalid:
        QVERIFY_EXCEPTION_THROWN(Updater::parseResult(output), UpdateKit::InvalidXmlException);
        break;
    }
}

void tst_UpdaterParsing::parameterString_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("parameters");

    QTest::newRow("none") << QStringList() << QString();
    QTest::newRow("plain") << QStringList { "--updater", "x" } << R"( --updater x)";
    QTest::newRow("blank") << QStringList { "two words" } << R"( "two words")";
    QTest::newRow("tab") << QStringList { "a\tb" } << " \"a\tb\"";
    QTest::newRow("empty") << QStringList { "" } << R"( "")";
    QTest::newRow("embedded quote") << QStringList { R"(say "hi")" } << R"( "say \"hi\"")";
    QTest::newRow("quote without blank") << QStringList { R"(a"b)" } << R"( a\"b)";
    QTest::newRow("backslash before quote") << QStringList { R"(a\"b)" } << R"( a\\\"b)";
    QTest::newRow("two backslashes before quote") << QStringList { R"(a\\"b)" } << R"( a\\\\\"b)";
    QTest::newRow("trailing backslash with blank")
        << QStringList { R"(C:\Program Files\)" } << R"( "C:\Program Files"\)";
    QTest::newRow("trailing backslashes without blank")
        << QStringList { R"(C:\dir\\)" } << R"( C:\dir\\)";
    QTest::newRow("inner backslashes") << QStringList { R"(C:\a b\c)" } << R"( "C:\a b\c")";
}

void tst_UpdaterParsing::parameterString()
{
    QFETCH(QStringList, arguments);
    QFETCH(QString, parameters);
    QCOMPARE(UpdateKit::AdminAuthorization::parameterString(arguments), parameters);
}

QTEST_GUILESS_MAIN(tst_UpdaterParsing)
#include "tst_updaterparsing.moc"
