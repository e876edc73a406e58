// Tests of the update check's tool runs (POSIX: the stand-in tools are shell scripts): the tool's
// end-of-run paths, abort, the install run at quit and the elevated start.
#include "updatetesting.h"

#include "adminauthorization.h"
#include "updater.h"

#include <QElapsedTimer>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

#include <csignal>
#include <memory>

using namespace updatetesting;
using UpdateKit::Updater;

namespace {

// The real pkexec start of a user without administrator rights.
class UserAuthorization : public UpdateKit::AdminAuthorization
{
public:
    bool hasAdminRights() override { return false; }
};

// The start of a process that already has administrator rights, whoever runs the tests.
class AdministratorAuthorization : public UpdateKit::AdminAuthorization
{
public:
    bool hasAdminRights() override { return true; }
};

// What pkexec is asked to run before the tool's arguments: setsid starts the tool apart.
QStringList throughSetsid()
{
    return { QStandardPaths::findExecutable("setsid"), "--fork", updatetesting::toolFilePath() };
}

// Runs the application's event loop once so that aboutToQuit is emitted as at a real quit.
void quitApplication()
{
    QTimer::singleShot(0, qApp, &QCoreApplication::quit);
    QCoreApplication::exec();
}

} // namespace

class tst_Updater : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();
    void toolRuns();
    void toolComesFromTheProgramFolder();
    void secondCheckWhileRunningIsRefused();
    void abortHangingTool_data();
    void abortHangingTool();
    void destroyingKillsRunningTool();
    void installRunAtQuit_data();
    void installRunAtQuit();
    void elevatedStartThroughPkexec();
    void noPkexecLogsFailedStart();

private:
    QString recordFile() const { return QDir(programDir()).filePath("tool-run.txt"); }
    QString pkexecRecordFile() const { return QDir(programDir()).filePath("pkexec-run.txt"); }
    // Puts a pkexec first on the PATH that records its call and starts the program as asked.
    void usePkexecStandIn();
    QByteArray originalPath;
    QTemporaryDir otherDir;
    QTemporaryDir pkexecDir;
};

void tst_Updater::initTestCase()
{
    qRegisterMetaType<Updates>();
    originalPath = qgetenv("PATH");
    QVERIFY(otherDir.isValid());
}

void tst_Updater::init()
{
    removeTool();
    QFile::remove(recordFile());
    QFile::remove(pkexecRecordFile());
}

void tst_Updater::usePkexecStandIn()
{
    QVERIFY(writeScript(QDir(pkexecDir.path()).filePath("pkexec"),
        recordingTool(pkexecRecordFile()) + "exec \"$@\"\n"));
    qputenv("PATH", pkexecDir.path().toUtf8() + ':' + originalPath);
}

void tst_Updater::cleanup()
{
    removeTool();
    qputenv("PATH", originalPath);
    QDir::setCurrent(programDir());
}

// The check runs the tool and reads its updates from the text around them; the outcomes the
// user meets are checked through the window (tst_updatecontroller) and the parser's own cases
// (tst_updaterparsing).
void tst_Updater::toolRuns()
{
    QVERIFY(installTool(printingTool("Fetching meta information...\n<updates>\n<update name=\"a\" "
                                     "version=\"1.2.0\" size=\"2048\"/>\n</updates>\nDone.")));
    Updater updater(QStringLiteral("maintenancetool"));
    QSignalSpy done(&updater, &Updater::checkUpdatesDone);
    QSignalSpy running(&updater, &Updater::runningChanged);

    QVERIFY(updater.checkForUpdates());
    QVERIFY(updater.isRunning());
    QVERIFY(done.wait(5000));
    QTest::qWait(100);
    QCOMPARE(done.count(), 1);
    QCOMPARE(done.at(0).at(0).toBool(), true);
    QCOMPARE(done.at(0).at(1).toBool(), false);
    QCOMPARE(running.count(), 2);
    QVERIFY(!updater.isRunning());
    QVERIFY(updater.exitedNormally());
    QCOMPARE(updater.errorCode(), 0);
    QCOMPARE(updater.errorLog(), QByteArray());
    QCOMPARE(updater.updateInfo(), Updates { updateInfo("a", "1.2.0", 2048) });
}

void tst_Updater::toolComesFromTheProgramFolder()
{
    // A tool in the working directory must not be the one that runs.
    QVERIFY(writeScript(QDir(otherDir.path()).filePath("maintenancetool"),
        printingTool("<updates><update name=\"wrong\" version=\"1\" size=\"1\"/></updates>")));
    QDir::setCurrent(otherDir.path());
    QVERIFY(installTool(recordingTool(recordFile())));

    Updater updater(QStringLiteral("maintenancetool"));
    QSignalSpy done(&updater, &Updater::checkUpdatesDone);
    QVERIFY(updater.checkForUpdates());
    QVERIFY(done.wait(5000));
    QCOMPARE(done.at(0).at(0).toBool(), false);
    QCOMPARE(readLines(recordFile()).mid(1), QStringList { "--checkupdates" });

    // No tool at all: a start failure, which ends the check with an error.
    removeTool();
    QVERIFY(updater.checkForUpdates());
    QVERIFY(done.wait(5000));
    QCOMPARE(done.at(1).at(1).toBool(), true);
    QVERIFY(!updater.exitedNormally());
    QCOMPARE(updater.errorCode(), int(QProcess::FailedToStart));
}

void tst_Updater::secondCheckWhileRunningIsRefused()
{
    QVERIFY(installTool("exec sleep 1\n"));
    Updater updater(QStringLiteral("maintenancetool"));
    QSignalSpy done(&updater, &Updater::checkUpdatesDone);
    QVERIFY(updater.checkForUpdates());
    QVERIFY(!updater.checkForUpdates());
    QVERIFY(done.wait(5000));
    QCOMPARE(done.count(), 1);
    QVERIFY(updater.checkForUpdates());
    QVERIFY(done.wait(5000));
}

void tst_Updater::abortHangingTool_data()
{
    QTest::addColumn<QByteArray>("tool");
    QTest::addColumn<int>("minimumMs");
    QTest::addColumn<int>("maximumMs");

    QTest::newRow("ends on terminate") << QByteArray("exec sleep 30\n") << 0 << 2500;
    QTest::newRow("ignores terminate")
        << QByteArray("trap '' TERM\nwhile :; do sleep 0.1; done\n") << 2900 << 6000;
}

void tst_Updater::abortHangingTool()
{
    QFETCH(QByteArray, tool);
    QFETCH(int, minimumMs);
    QFETCH(int, maximumMs);

    QVERIFY(installTool(tool));
    Updater updater(QStringLiteral("maintenancetool"));
    QSignalSpy done(&updater, &Updater::checkUpdatesDone);
    QVERIFY(updater.checkForUpdates());
    QTest::qWait(300);
    QVERIFY(done.isEmpty());

    QElapsedTimer elapsed;
    elapsed.start();
    updater.abortUpdateCheck(3000, true);
    QVERIFY(done.wait(10000));
    QVERIFY2(elapsed.elapsed() >= minimumMs, qPrintable(QString::number(elapsed.elapsed())));
    QVERIFY2(elapsed.elapsed() <= maximumMs, qPrintable(QString::number(elapsed.elapsed())));
    QCOMPARE(done.at(0).at(0).toBool(), false);
    QVERIFY(!updater.isRunning());
}

void tst_Updater::destroyingKillsRunningTool()
{
    const QString pidFile = QDir(programDir()).filePath("tool-pid.txt");
    QVERIFY(installTool(
        "echo $$ > '" + pidFile.toUtf8() + "'\ntrap '' TERM\nwhile :; do sleep 0.1; done\n"));
    auto updater = std::make_unique<Updater>(QStringLiteral("maintenancetool"));
    QVERIFY(updater->checkForUpdates());
    QTRY_VERIFY(!readLines(pidFile).isEmpty());
    const pid_t pid = readLines(pidFile).first().toInt();
    QVERIFY(pid > 0);
    QCOMPARE(::kill(pid, 0), 0);

    QElapsedTimer elapsed;
    elapsed.start();
    updater.reset();
    QVERIFY(elapsed.elapsed() < 1500);
    QCOMPARE(::kill(pid, 0), -1);
    QFile::remove(pidFile);
}

void tst_Updater::installRunAtQuit_data()
{
    QTest::addColumn<int>("authoriser");
    QTest::addColumn<bool>("cancel");
    QTest::addColumn<bool>("toolRuns");
    QTest::addColumn<bool>("throughPkexec");

    enum { none, administrator, user };
    QTest::newRow("without authoriser") << int(none) << false << true << false;
    QTest::newRow("already administrator") << int(administrator) << false << true << false;
    QTest::newRow("needs elevation") << int(user) << false << true << true;
    QTest::newRow("canceled") << int(user) << true << false << false;
}

void tst_Updater::installRunAtQuit()
{
    QFETCH(int, authoriser);
    QFETCH(bool, cancel);
    QFETCH(bool, toolRuns);
    QFETCH(bool, throughPkexec);

    usePkexecStandIn();
    QVERIFY(installTool(recordingTool(recordFile())));
    // The run must not depend on the working directory.
    QDir::setCurrent(otherDir.path());

    UpdateKit::AdminAuthoriser *authorisers[]
        = { nullptr, new AdministratorAuthorization, new UserAuthorization };
    Updater updater(QStringLiteral("maintenancetool"));
    updater.runUpdaterOnExit({ "--updater", "two words" }, authorisers[authoriser]);
    for (int other = 0; other < 3; ++other)
        if (other != authoriser)
            delete authorisers[other];
    if (cancel)
        updater.cancelExitRun();
    quitApplication();

    const QStringList arguments { "--updater", "two words" };
    if (toolRuns) {
        QTRY_COMPARE(readLines(recordFile()),
            QStringList { QDir(programDir()).canonicalPath() } + arguments);
    } else {
        QTest::qWait(300);
        QVERIFY(!QFile::exists(recordFile()));
    }
    QCOMPARE(QFile::exists(pkexecRecordFile()), throughPkexec);
    if (throughPkexec)
        QCOMPARE(readLines(pkexecRecordFile()).mid(1), throughSetsid() + arguments);

    // A second quit of the same application does not start the tool again.
    QFile::remove(recordFile());
    quitApplication();
    QTest::qWait(200);
    QVERIFY(!QFile::exists(recordFile()));
}

void tst_Updater::elevatedStartThroughPkexec()
{
    usePkexecStandIn();
    QVERIFY(installTool(recordingTool(recordFile())));

    // Quotes, blanks and a semicolon reach the tool untouched: no shell parses them.
    const QStringList arguments { "--updater", "a \"b\"; c", "$HOME" };
    UpdateKit::AdminAuthorization authorization;
    QVERIFY(authorization.executeAsAdmin(toolFilePath(), arguments));
    QTRY_VERIFY(QFile::exists(recordFile()));
    QTRY_COMPARE(readLines(pkexecRecordFile()).mid(1), throughSetsid() + arguments);
    QCOMPARE(readLines(recordFile()).mid(1), arguments);
}

void tst_Updater::noPkexecLogsFailedStart()
{
    QTemporaryDir emptyDir;
    qputenv("PATH", emptyDir.path().toUtf8());
    QVERIFY(installTool(recordingTool(recordFile())));
    QVERIFY(!UpdateKit::AdminAuthorization().executeAsAdmin(toolFilePath(), { "--updater" }));

    Updater updater(QStringLiteral("maintenancetool"));
    updater.runUpdaterOnExit(new UserAuthorization);
    QTest::ignoreMessage(QtWarningMsg,
        QRegularExpression(
            QStringLiteral("^Unable to start \"%1\" with arguments \"--updater\" as admin : "
                           "\"pkexec, which asks for the administrator's password, was not found")
                .arg(QRegularExpression::escape(toolFilePath()))));
    quitApplication();
    QTest::qWait(200);
    QVERIFY(!QFile::exists(recordFile()));
}

QTEST_MAIN(tst_Updater)
#include "tst_updater.moc"
