// Tests of the update check as the user meets it: what the menu's check reports for each outcome,
// the silent start-up check, canceling, the install choices and the install run at quit, and the
// menu entry of the main window.
#include "mainwindowtesting.h"
#include "updatetesting.h"

#include "adminauthorization.h"
#include "progressdialog.h"
#include "updatecontroller.h"
#include "updateinfodialog.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QElapsedTimer>
#include <QMenu>
#include <QMessageBox>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

using namespace updatetesting;
using UpdateKit::ProgressDialog;
using UpdateKit::UpdateController;

namespace {

const QByteArray twoUpdatesXml = "<updates>\n"
                                 "<update name=\"ArvexClient\" version=\"1.2.0\" size=\"2048\"/>\n"
                                 "<update name=\"ArvexDownloadUtil\" version=\"1.0.3\" "
                                 "size=\"5550080\"/>\n"
                                 "</updates>";

const QString noUpdates = "Check for Updates: No new updates available!";
const QString crashed = "Warning: The update process crashed!";
const QString failed = "Warning: Checking for updates failed!";

ProgressDialog *visibleProgressDialog()
{
    for (QWidget *widget : QApplication::topLevelWidgets())
        if (auto *dialog = qobject_cast<ProgressDialog *>(widget); dialog && dialog->isVisible())
            return dialog;
    return nullptr;
}

bool progressDialogExists()
{
    for (QWidget *widget : QApplication::topLevelWidgets())
        if (qobject_cast<ProgressDialog *>(widget))
            return true;
    return false;
}

} // namespace

class tst_UpdateController : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();
    void menuCheckReports_data();
    void menuCheckReports();
    void startupCheckIsSilent_data();
    void startupCheckIsSilent();
    void cancelWhileToolHangs_data();
    void cancelWhileToolHangs();
    void installChoices_data();
    void installChoices();
    void mainWindowMenuEntry();
    // Last: the quit it asks for holds until the application's loop runs again.
    void installNowDuringRunClosesWindowFirst();

private:
    QString recordFile() const { return QDir(programDir()).filePath("tool-run.txt"); }
    QString pkexecRecordFile() const { return QDir(programDir()).filePath("pkexec-run.txt"); }
    QTemporaryDir binDir;
    QByteArray originalPath;
};

void tst_UpdateController::initTestCase()
{
#ifdef Q_OS_WIN
    QSKIP("The stand-in tools are shell scripts");
#endif
    Q_INIT_RESOURCE(resources);
    mainwindowtesting::prepareProgramFolder();
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    // Only the update flow may end the application's event loop, not its last dialog closing.
    QApplication::setQuitOnLastWindowClosed(false);
    // A stand-in pkexec that records how it was called and starts the program as asked.
    QVERIFY(binDir.isValid());
    QVERIFY(writeScript(QDir(binDir.path()).filePath("pkexec"),
        recordingTool(pkexecRecordFile()) + "exec \"$@\"\n"));
    originalPath = qgetenv("PATH");
    qputenv("PATH", binDir.path().toUtf8() + ':' + originalPath);
}

void tst_UpdateController::init()
{
    removeTool();
    QFile::remove(recordFile());
    QFile::remove(pkexecRecordFile());
}

void tst_UpdateController::cleanup()
{
    removeTool();
}

void tst_UpdateController::menuCheckReports_data()
{
    QTest::addColumn<QByteArray>("tool");
    QTest::addColumn<QString>("message");
    QTest::addColumn<QString>("details");
    QTest::addColumn<QStringList>("log");

    const QString exitCodeLine = "^maintenancetool process finished with exit code";
    QTest::newRow("tool missing")
        << QByteArray()
        << "Warning: The maintenance tool was not found at "
            + QDir::toNativeSeparators(toolFilePath()) + "."
        << QString()
        << QStringList { "^maintenancetool process failed with FailedToStart and error string: " };
    QTest::newRow("tool crashed") << QByteArray("kill -SEGV $$\n") << crashed << QString()
                                  << QStringList { "^maintenancetool process failed with Crashed" };
    QTest::newRow("exit code not 0")
        << printingTool("", 2, "Network is unreachable") << failed << "Network is unreachable"
        << QStringList { exitCodeLine + " 2 and error string: \"Network is unreachable\"$" };
    QTest::newRow("exit code without error text")
        << printingTool(twoUpdatesXml, 5) << failed
        << "The maintenance tool finished with exit code 5." << QStringList { exitCodeLine };
    QTest::newRow("no block") << printingTool("There are currently no updates available.")
                              << noUpdates << QString() << QStringList();
    QTest::newRow("zero updates") << printingTool("<updates>\n</updates>") << noUpdates << QString()
                                  << QStringList();
    QTest::newRow("updates without end")
        << printingTool("<updates>\n") << noUpdates << QString() << QStringList();
    QTest::newRow("bad size") << printingTool(
        "<updates><update name=\"a\" version=\"1\" size=\"x\"/></updates>")
                              << failed << "The found XML-part is not of a valid updates-XML-format"
                              << QStringList { exitCodeLine };
    QTest::newRow("broken XML") << printingTool(
        "<updates><update name=\"a\" version=\"1\" size=\"2\"></updates>")
                                << failed
                                << "The found XML-part is not of a valid updates-XML-format"
                                << QStringList { "^XML-reader-error:", exitCodeLine };
}

void tst_UpdateController::menuCheckReports()
{
    QFETCH(QByteArray, tool);
    QFETCH(QString, message);
    QFETCH(QString, details);
    QFETCH(QStringList, log);

    if (!tool.isEmpty())
        QVERIFY(installTool(tool));
    for (const QString &line : log)
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression(line));

    UpdateController controller(QStringLiteral("maintenancetool"));
    QStringList shown;
    QString shownDetails;
    bool progressHiddenBeforeMessage = false;
    onNextModal<QMessageBox>([&](QMessageBox *box) {
        progressHiddenBeforeMessage = !visibleProgressDialog();
        shown << box->windowTitle() + ": " + box->text();
        shownDetails = box->informativeText();
        QTest::mouseClick(box->button(QMessageBox::Ok), Qt::LeftButton);
    });
    QVERIFY(controller.start(UpdateController::ProgressLevel));
    QVERIFY(visibleProgressDialog());
    QTRY_VERIFY(!controller.isRunning());
    QCOMPARE(shown, QStringList { message });
    QCOMPARE(shownDetails, details);
    QVERIFY(progressHiddenBeforeMessage);
    QTRY_VERIFY(!progressDialogExists());
}

void tst_UpdateController::startupCheckIsSilent_data()
{
    menuCheckReports_data();
}

void tst_UpdateController::startupCheckIsSilent()
{
    QFETCH(QByteArray, tool);
    QFETCH(QStringList, log);

    if (!tool.isEmpty())
        QVERIFY(installTool(tool));
    for (const QString &line : log)
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression(line));

    UpdateController controller(QStringLiteral("maintenancetool"));
    QString shown;
    QTimer *watcher = onNextModal<QWidget>([&](QWidget *modal) {
        shown = modal->windowTitle();
        modal->close();
    });
    QVERIFY(controller.start(UpdateController::InfoLevel));
    QVERIFY(!visibleProgressDialog());
    QTRY_VERIFY(!controller.isRunning());
    QTest::qWait(50);
    delete watcher;
    QCOMPARE(shown, QString());
}

void tst_UpdateController::cancelWhileToolHangs_data()
{
    QTest::addColumn<QByteArray>("tool");
    QTest::addColumn<int>("minimumMs");
    QTest::addColumn<int>("maximumMs");

    QTest::newRow("ends on terminate") << QByteArray("exec sleep 30\n") << 0 << 2500;
    QTest::newRow("ignores terminate, killed after 3000 ms")
        << QByteArray("trap '' TERM\nwhile :; do sleep 0.1; done\n") << 2900 << 6000;
}

void tst_UpdateController::cancelWhileToolHangs()
{
    QFETCH(QByteArray, tool);
    QFETCH(int, minimumMs);
    QFETCH(int, maximumMs);

    QVERIFY(installTool(tool));
    UpdateController controller(QStringLiteral("maintenancetool"));
    QStringList shown;
    qint64 shownAfterMs = -1;
    QElapsedTimer elapsed;
    onNextModal<QMessageBox>([&](QMessageBox *box) {
        shownAfterMs = elapsed.elapsed();
        shown << box->windowTitle() + ": " + box->text();
        QTest::mouseClick(box->button(QMessageBox::Ok), Qt::LeftButton);
    });
    QVERIFY(controller.start(UpdateController::ProgressLevel));
    ProgressDialog *progress = visibleProgressDialog();
    QVERIFY(progress);
    QTest::qWait(300);
    QVERIFY(controller.isRunning());

    elapsed.start();
    QTest::mouseClick(
        progress->findChild<QDialogButtonBox *>("buttonBox")->button(QDialogButtonBox::Cancel),
        Qt::LeftButton);
    QVERIFY(progress->isVisible());
    QTRY_VERIFY_WITH_TIMEOUT(!controller.isRunning(), 10000);
    QCOMPARE(shown, QStringList { "Check for Updates: Checking for updates was canceled!" });
    QVERIFY2(shownAfterMs >= minimumMs && shownAfterMs <= maximumMs,
        qPrintable(QString::number(shownAfterMs)));
}

void tst_UpdateController::installChoices_data()
{
    QTest::addColumn<QString>("button");
    QTest::addColumn<bool>("untick");
    QTest::addColumn<bool>("toolRuns");
    QTest::addColumn<bool>("quitsAtOnce");
    // Unless empty, the client runs without administrator rights and pkexec "refuses" or is
    // "missing"; the box then tells `failure`.
    QTest::addColumn<QString>("pkexec");
    QTest::addColumn<QString>("failure");

    QTest::newRow("install now, elevated") << "acceptButton" << false << true << true << ""
                                           << "";
    QTest::newRow("install now, unticked") << "acceptButton" << true << true << true << ""
                                           << "";
    QTest::newRow("install on exit, elevated") << "delayButton" << false << true << false << ""
                                               << "";
    QTest::newRow("install on exit, unticked") << "delayButton" << true << true << false << ""
                                               << "";
    QTest::newRow("install later") << "skipButton" << false << false << false << ""
                                   << "";
    const QString noPkexec = "pkexec, which asks for the administrator's password, was not found.";
    QTest::newRow("install now, pkexec refused")
        << "acceptButton" << false << false << false << "refuses"
        << "The request for administrator rights was dismissed.";
    QTest::newRow("install now, no pkexec")
        << "acceptButton" << false << false << false << "missing" << noPkexec;
    QTest::newRow("install on exit, no pkexec")
        << "delayButton" << false << false << false << "missing" << noPkexec;
}

void tst_UpdateController::installChoices()
{
    QFETCH(QString, button);
    QFETCH(bool, untick);
    QFETCH(bool, toolRuns);
    QFETCH(bool, quitsAtOnce);
    QFETCH(QString, pkexec);
    QFETCH(QString, failure);

    // Where the install looks for pkexec; readable by the user without administrator rights.
    QTemporaryDir pathDir;
    const QString refusingPkexec = QDir(pathDir.path()).filePath("pkexec");
    const QByteArray installPath = pkexec == "missing"
        ? pathDir.path().toUtf8()
        : pathDir.path().toUtf8() + ':' + originalPath;
    if (pkexec == "refuses") {
        // Answers as pkexec does when the password prompt is dismissed.
        QVERIFY(writeScript(refusingPkexec, "exit 126\n"));
        const auto everyone = QFileDevice::ReadOwner | QFileDevice::WriteOwner
            | QFileDevice::ExeOwner | QFileDevice::ReadGroup | QFileDevice::ExeGroup
            | QFileDevice::ReadOther | QFileDevice::ExeOther;
        QVERIFY(QFile::setPermissions(pathDir.path(), everyone));
        QVERIFY(QFile::setPermissions(refusingPkexec, everyone));
    }
    std::unique_ptr<WithoutAdminRights> withoutAdminRights;
    QString failureShown;

    QVERIFY(installTool("if [ \"$1\" = --checkupdates ]; then\n" + printingTool(twoUpdatesXml)
        + "fi\n" + recordingTool(recordFile())));
    // The install run must not depend on the working directory.
    QTemporaryDir otherDir;
    QDir::setCurrent(otherDir.path());

    UpdateController controller(QStringLiteral("maintenancetool"));
    QSignalSpy runAsAdminChanged(&controller, &UpdateController::runAsAdminChanged);
    onNextModal<UpdateKit::UpdateInfoDialog>([&](UpdateKit::UpdateInfoDialog *dialog) {
        if (untick)
            clickCheckBox(dialog->findChild<QCheckBox *>("runAdminCheckBox"));
        if (!pkexec.isEmpty()) {
            withoutAdminRights = std::make_unique<WithoutAdminRights>();
            qputenv("PATH", installPath);
        }
        // Install Now asks, Install On Exit informs, Install later closes without a word.
        if (button != "skipButton")
            onNextModal<QMessageBox>([&](QMessageBox *box) {
                QTest::mouseClick(
                    box->button(box->button(QMessageBox::Yes) ? QMessageBox::Yes : QMessageBox::Ok),
                    Qt::LeftButton);
                if (!failure.isEmpty())
                    onNextModal<QMessageBox>([&](QMessageBox *failureBox) {
                        failureShown = failureBox->text() + " " + failureBox->informativeText();
                        withoutAdminRights.reset();
                        QTest::mouseClick(failureBox->button(QMessageBox::Ok), Qt::LeftButton);
                    });
            });
        QTest::mouseClick(dialog->findChild<QPushButton *>(button), Qt::LeftButton);
    });
    // The check runs inside the application's event loop, so that quitting it is real. Install
    // Now quits by itself; otherwise the application is closed once the check has ended.
    bool inExec = false;
    if (!quitsAtOnce)
        connect(&controller, &UpdateController::runningChanged, qApp, [&](bool running) {
            if (!running)
                QTimer::singleShot(0, qApp, [&] {
                    if (inExec)
                        QCoreApplication::quit();
                });
        });
    bool watchdogFired = false;
    QTimer watchdog;
    watchdog.setSingleShot(true);
    connect(&watchdog, &QTimer::timeout, qApp, [&] {
        watchdogFired = true;
        QCoreApplication::quit();
    });
    watchdog.start(20000);
    QTimer::singleShot(0, &controller, [&] { controller.start(UpdateController::InfoLevel); });
    inExec = true;
    QCoreApplication::exec();
    inExec = false;
    watchdog.stop();
    QDir::setCurrent(programDir());
    withoutAdminRights.reset();
    qputenv("PATH", binDir.path().toUtf8() + ':' + originalPath);
    QCOMPARE(failureShown.isEmpty(), failure.isEmpty());
    if (!failure.isEmpty())
        QVERIFY2(
            failureShown.startsWith("The maintenance tool could not be started, so the updates "
                                    "were not installed. "
                + failure),
            qPrintable(failureShown));

    QVERIFY(!watchdogFired);
    QVERIFY(!controller.isRunning());
    QCOMPARE(runAsAdminChanged.count(), untick ? 1 : 0);
    QCOMPARE(controller.runAsAdmin(), !untick);
    if (!toolRuns) {
        QTest::qWait(300);
        QVERIFY(!QFile::exists(recordFile()));
        return;
    }
    QTRY_COMPARE(
        readLines(recordFile()), (QStringList { QDir(programDir()).canonicalPath(), "--updater" }));
    // Elevation goes through pkexec unless the tests already run as root.
    const bool throughPkexec = !untick && !UpdateKit::AdminAuthorization().hasAdminRights();
    QCOMPARE(QFile::exists(pkexecRecordFile()), throughPkexec);
    if (throughPkexec)
        QCOMPARE(readLines(pkexecRecordFile()).mid(1),
            (QStringList {
                QStandardPaths::findExecutable("setsid"), "--fork", toolFilePath(), "--updater" }));
}

void tst_UpdateController::mainWindowMenuEntry()
{
    arvexsim::reset();
    QVERIFY(installTool("sleep 1\n" + printingTool("Nothing to do.")));

    auto window = mainwindowtesting::createWindow();
    QAction *updateAction = mainwindowtesting::action(window.get(), "Check for Updates");
    QVERIFY(updateAction);
    QCOMPARE(updateAction->toolTip(),
        QString("Checks if new updates are available. You will be prompted before updates are "
                "installed."));
    // The start-up check runs once the window is on the screen: the menu cannot start a second.
    QTRY_VERIFY(!updateAction->isEnabled());

    auto *menu = window->findChild<QMenu *>();
    QVERIFY(menu);
    QStringList entries;
    for (QAction *entry : menu->actions())
        entries << (entry->isSeparator() ? "-" : entry->text());
    QCOMPARE(entries,
        (QStringList { "&Connect", "&Disconnect", "&Upgrade firmware", "-", "&Initial Pose...",
            "Config &Teach...", "Config &Playback...", "Arm &View...", "-", "Allow &Scripts",
            "Disconnect Script", "-", "EEG...", "-", "Check for Updates", "&Language...",
            "E&xit" }));

    // The start-up check ends silently and gives the entry back.
    QTRY_VERIFY_WITH_TIMEOUT(updateAction->isEnabled(), 10000);
    for (QWidget *widget : QApplication::topLevelWidgets())
        QVERIFY(!widget->isVisible() || !qobject_cast<QMessageBox *>(widget));

    QStringList shown;
    bool progressSeen = false;
    onNextModal<ProgressDialog>([&](ProgressDialog *) {
        progressSeen = true;
        onNextModal<QMessageBox>([&](QMessageBox *box) {
            shown << box->windowTitle() + ": " + box->text();
            QTest::mouseClick(box->button(QMessageBox::Ok), Qt::LeftButton);
        });
    });
    menu->popup(window->mapToGlobal(QPoint(100, 40)));
    QVERIFY(QTest::qWaitForWindowExposed(menu));
    QTest::mouseClick(
        menu, Qt::LeftButton, Qt::NoModifier, menu->actionGeometry(updateAction).center());
    QVERIFY(!updateAction->isEnabled());
    QTRY_VERIFY_WITH_TIMEOUT(updateAction->isEnabled(), 10000);
    QVERIFY(progressSeen);
    QCOMPARE(shown, QStringList { noUpdates });
}

void tst_UpdateController::installNowDuringRunClosesWindowFirst()
{
    arvexsim::reset();
    // The start-up check answers while a long run feeds the arm.
    QVERIFY(installTool("if [ \"$1\" = --checkupdates ]; then\nsleep 1\n"
        + printingTool(twoUpdatesXml) + "exit\nfi\n" + recordingTool(recordFile())));
    auto window = mainwindowtesting::createWindow();
    QVERIFY(mainwindowtesting::waitUntilConnected(window.get()));
    QWidget *panel = mainwindowtesting::playbackPanelOf(*window);
    QTest::mouseClick(mainwindowtesting::child<QPushButton>(panel, "saveBtn"), Qt::LeftButton);
    mainwindowtesting::child<QLineEdit>(panel, "loop")->setText("1000000");

    onNextModal<UpdateKit::UpdateInfoDialog>([&](UpdateKit::UpdateInfoDialog *dialog) {
        // Without elevation the tool starts the same way whoever runs the tests.
        clickCheckBox(dialog->findChild<QCheckBox *>("runAdminCheckBox"));
        onNextModal<QMessageBox>([&](QMessageBox *box) {
            QTest::mouseClick(box->button(QMessageBox::Yes), Qt::LeftButton);
        });
        QTest::mouseClick(dialog->findChild<QPushButton *>("acceptButton"), Qt::LeftButton);
    });
    // Should the run go on, the user stops it after a while.
    QTimer::singleShot(15000, window.get(), [&] {
        QTest::mouseClick(mainwindowtesting::child<QPushButton>(panel, "stopBtn"), Qt::LeftButton);
    });
    // Returns when the run has ended.
    QTest::mouseClick(mainwindowtesting::child<QPushButton>(panel, "startBtn"), Qt::LeftButton);
    QVERIFY(!window->isVisible());
    QTRY_VERIFY(QFile::exists(recordFile()));
    QCOMPARE(readLines(recordFile()).mid(1), QStringList { "--updater" });
    const size_t offered = arvexsim::callsOf("SetPlaybackBufferCmd").size();
    QTest::qWait(300);
    QCOMPARE(arvexsim::callsOf("SetPlaybackBufferCmd").size(), offered);
}

QTEST_MAIN(tst_UpdateController)
#include "tst_updatecontroller.moc"
