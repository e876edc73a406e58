// Tests of the download utility's window, run against a stand-in avrdude beside the test program.
#include "downloadertesting.h"

#include <QFileDialog>
#include <QMainWindow>
#include <QMessageBox>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QtTest>

using namespace downloadertesting;

class tst_DownloadUtil : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void downloadRunsAvrdudeAndShowsItsOutput();
    void secondRunClearsOutput();
    void verdict_data();
    void verdict();
    void openDuringRunKeepsDownloadDisabled();
    void hexFileWithZeroByte();
    void closeFileDisablesDownload();
    void autoStart_data();
    void autoStart();
    void autoStartWithoutBoardWarnsBeforeWindowShows();
    void unknownOptionEndsProgram();

private:
    void showWindow(const QStringList &options = {});
    void openThroughDialog(const QString &path);
    void clickDownload();

    QTemporaryDir dir;
    PseudoTerminal port;
    QByteArray savedPath;
    std::unique_ptr<MainWindow> window;
};

void tst_DownloadUtil::initTestCase()
{
    Q_INIT_RESOURCE(downloader);
    QVERIFY(dir.isValid());
    QVERIFY(!port.name.isEmpty());
    savedPath = qgetenv("PATH");
}

void tst_DownloadUtil::init()
{
    qputenv("ARVEX_BOARD_PORT", port.name.toLocal8Bit());
    QVERIFY(installStandIn());
}

void tst_DownloadUtil::cleanup()
{
    window.reset();
    removeStandIn();
    QFile::remove(programFile(QStringLiteral("hex/ArvexFirmware.hex")));
    for (const char *name : { "STANDIN_EXIT", "STANDIN_LINES", "STANDIN_WAIT_FOR" })
        qunsetenv(name);
    qputenv("PATH", savedPath);
}

void tst_DownloadUtil::showWindow(const QStringList &options)
{
    window = createWindow(options);
    window->show();
    QVERIFY(QTest::qWaitForWindowExposed(window.get()));
}

void tst_DownloadUtil::openThroughDialog(const QString &path)
{
    whenModal<QFileDialog>(window.get(), [path](QFileDialog *dialog) {
        QApplication::setActiveWindow(dialog);
        QTest::keyClicks(QApplication::focusWidget(), path);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    });
    const auto *toolBar = window->findChild<QToolBar *>(QStringLiteral("fileToolBar"));
    QTest::mouseClick(toolBar->widgetForAction(action(window.get(), "openAct")), Qt::LeftButton);
}

void tst_DownloadUtil::clickDownload()
{
    QTest::mouseClick(downloadButton(window.get()), Qt::LeftButton);
}

void tst_DownloadUtil::downloadRunsAvrdudeAndShowsItsOutput()
{
    const QString hexFile = dir.filePath(QStringLiteral("my firmware.hex"));
    QVERIFY(writeFile(hexFile, ":00000001FF\n"));
    const QString go = dir.filePath(QStringLiteral("go"));
    qputenv("STANDIN_WAIT_FOR", go.toLocal8Bit());
    qputenv("STANDIN_LINES", "200");

    showWindow();
    openThroughDialog(hexFile);
    QCOMPARE(hexView(window.get())->toPlainText(), QStringLiteral(":00000001FF\n"));
    clickDownload();

    QTRY_VERIFY(outputView(window.get())->toPlainText().contains("avrdude stand-in line 199"));
    QVERIFY(!action(window.get(), "downloadAct")->isEnabled());
    QVERIFY(!action(window.get(), "closeAct")->isEnabled());
    QVERIFY(!downloadButton(window.get())->isEnabled());
    QVERIFY(action(window.get(), "openAct")->isEnabled());

    QVERIFY(writeFile(go, QByteArray()));
    QVERIFY(runFinished(window.get()));
    QVERIFY(action(window.get(), "closeAct")->isEnabled());

    const QStringList expectedArguments { "-v", "-patmega2560", "-cwiring", "-P" + port.name,
        "-b115200", "-D", "-Uflash:w:" + hexFile + ":i" };
    QCOMPARE(standInArguments(), expectedArguments);

    const QStringList lines = outputLines(window.get());
    QCOMPARE(lines.size(), 202);
    QCOMPARE(lines.at(0), QStringLiteral("avrdude stand-in line 0"));
    QCOMPARE(lines.at(200), QStringLiteral("Fl\u00e4che"));
    QCOMPARE(
        lines.at(201), QStringLiteral("Download succeeded: avrdude finished with exit code 0."));

    const QScrollBar *scrollBar = outputView(window.get())->verticalScrollBar();
    QVERIFY(scrollBar->maximum() > 0);
    QCOMPARE(scrollBar->value(), scrollBar->maximum());
}

void tst_DownloadUtil::secondRunClearsOutput()
{
    const QString hexFile = dir.filePath(QStringLiteral("a.hex"));
    QVERIFY(writeFile(hexFile, ":00000001FF\n"));
    showWindow();
    openThroughDialog(hexFile);

    clickDownload();
    QVERIFY(runFinished(window.get()));
    const QStringList firstRun = outputLines(window.get());
    QCOMPARE(firstRun.size(), 5);

    clickDownload();
    QVERIFY(!action(window.get(), "downloadAct")->isEnabled());
    QVERIFY(outputView(window.get())->toPlainText().isEmpty());
    QVERIFY(runFinished(window.get()));
    QCOMPARE(outputLines(window.get()), firstRun);
}

enum class StandIn { Executable, NotExecutable, Missing };
Q_DECLARE_METATYPE(StandIn)

void tst_DownloadUtil::verdict_data()
{
    QTest::addColumn<StandIn>("standIn");
    QTest::addColumn<QByteArray>("exit");
    QTest::addColumn<QStringList>("lastLines");

    const QString succeeded = "Download succeeded: avrdude finished with exit code 0.";
    const QString notStarted = "Download failed: avrdude could not be started.";
    QTest::newRow("exit 0") << StandIn::Executable << QByteArray("0")
                            << QStringList { "Fl\u00e4che", succeeded };
    QTest::newRow("exit 1") << StandIn::Executable << QByteArray("1")
                            << QStringList { "Fl\u00e4che",
                                   "Download failed: avrdude finished with exit code 1." };
    QTest::newRow("exit 2") << StandIn::Executable << QByteArray("2")
                            << QStringList { "Fl\u00e4che",
                                   "Download failed: avrdude finished with exit code 2." };
    QTest::newRow("crash") << StandIn::Executable << QByteArray("crash")
                           << QStringList { "Fl\u00e4che", "Download failed: avrdude crashed." };
    QTest::newRow("missing") << StandIn::Missing << QByteArray("0")
                             << QStringList { "avrdude was not found: there is no " + standInPath()
                                        + " and no avrdude on the PATH.",
                                    notStarted };
    QTest::newRow("not executable")
        << StandIn::NotExecutable << QByteArray("0")
        << QStringList { "avrdude could not be started: execvp: Permission denied", notStarted };
}

void tst_DownloadUtil::verdict()
{
    QFETCH(StandIn, standIn);
    QFETCH(QByteArray, exit);
    QFETCH(QStringList, lastLines);

    if (standIn == StandIn::Missing) {
        removeStandIn();
        // Debian's avrdude is on the usual PATH; the user here has none.
        qputenv("PATH", dir.path().toLocal8Bit());
    } else {
        QVERIFY(installStandIn(standIn == StandIn::Executable));
    }
    qputenv("STANDIN_EXIT", exit);
    const QString hexFile = dir.filePath(QStringLiteral("a.hex"));
    QVERIFY(writeFile(hexFile, ":00000001FF\n"));

    showWindow();
    openThroughDialog(hexFile);
    clickDownload();
    QVERIFY(runFinished(window.get()));

    const QStringList lines = outputLines(window.get());
    QVERIFY(lines.size() >= lastLines.size());
    QCOMPARE(lines.mid(lines.size() - lastLines.size()).join('\n'), lastLines.join('\n'));
    QCOMPARE(window->statusBar()->currentMessage(), lastLines.last());
    QVERIFY(action(window.get(), "closeAct")->isEnabled());
}

void tst_DownloadUtil::openDuringRunKeepsDownloadDisabled()
{
    const QString first = dir.filePath(QStringLiteral("first.hex"));
    const QString second = dir.filePath(QStringLiteral("second.hex"));
    QVERIFY(writeFile(first, ":00000001FF\n"));
    QVERIFY(writeFile(second, ":0100000000FF\n:00000001FF\n"));
    const QString go = dir.filePath(QStringLiteral("go-open"));
    qputenv("STANDIN_WAIT_FOR", go.toLocal8Bit());

    showWindow();
    openThroughDialog(first);
    clickDownload();
    QTRY_VERIFY(outputView(window.get())->toPlainText().contains("line 2"));

    openThroughDialog(second);
    QCOMPARE(hexView(window.get())->toPlainText(), QStringLiteral(":0100000000FF\n:00000001FF\n"));
    QVERIFY(!action(window.get(), "downloadAct")->isEnabled());
    QVERIFY(!action(window.get(), "closeAct")->isEnabled());

    QVERIFY(writeFile(go, QByteArray()));
    QVERIFY(runFinished(window.get()));
    QCOMPARE(standInArguments().last(), "-Uflash:w:" + first + ":i");

    // The next run takes the file opened meanwhile.
    clickDownload();
    QVERIFY(runFinished(window.get()));
    QCOMPARE(standInArguments().last(), "-Uflash:w:" + second + ":i");
}

void tst_DownloadUtil::hexFileWithZeroByte()
{
    const QByteArray bytes(":00000001FF\n\0after the zero\n", 28);
    const QString hexFile = dir.filePath(QStringLiteral("zero.hex"));
    QVERIFY(writeFile(hexFile, bytes));

    showWindow();
    openThroughDialog(hexFile);
    QCOMPARE(hexView(window.get())->toPlainText(), QStringLiteral(":00000001FF\n"));
    clickDownload();
    QVERIFY(runFinished(window.get()));
    QCOMPARE(readFile(standInPath() + QStringLiteral(".flashed")), bytes);
}

void tst_DownloadUtil::closeFileDisablesDownload()
{
    const QString hexFile = dir.filePath(QStringLiteral("a.hex"));
    QVERIFY(writeFile(hexFile, ":00000001FF\n"));
    showWindow();
    QVERIFY(!action(window.get(), "downloadAct")->isEnabled());
    openThroughDialog(hexFile);
    QVERIFY(action(window.get(), "downloadAct")->isEnabled());

    QApplication::setActiveWindow(window.get());
    QTest::keySequence(QApplication::focusWidget(), QKeySequence::Close);
    QVERIFY(!action(window.get(), "downloadAct")->isEnabled());
    QVERIFY(!action(window.get(), "closeAct")->isEnabled());
    QVERIFY(hexView(window.get())->toPlainText().isEmpty());
}

void tst_DownloadUtil::autoStart_data()
{
    QTest::addColumn<bool>("firmwarePresent");
    QTest::newRow("firmware present") << true;
    QTest::newRow("firmware missing") << false;
}

void tst_DownloadUtil::autoStart()
{
    QFETCH(bool, firmwarePresent);
    const QString firmware = programFile(QStringLiteral("hex/ArvexFirmware.hex"));
    if (firmwarePresent)
        QVERIFY(writeFile(firmware, readFile(QStringLiteral(ARVEX_FIRMWARE_HEX))));
    const QString go = dir.filePath(QStringLiteral("go-auto"));
    QFile::remove(go);
    qputenv("STANDIN_WAIT_FOR", go.toLocal8Bit());
    bool boxShown = false;
    QObject watchUntilReturn;
    whenModal<QWidget>(&watchUntilReturn, [&boxShown](QWidget *box) {
        boxShown = true;
        box->close();
    });

    window = createWindow({ QStringLiteral("--auto") });
    // The run is on its way before the window first shows, its output not yet read.
    QVERIFY(!window->isVisible());
    // Either the run has them or there is no file.
    QVERIFY(!action(window.get(), "downloadAct")->isEnabled());
    QVERIFY(outputView(window.get())->toPlainText().isEmpty());
    QCOMPARE(hexView(window.get())->toPlainText().toLatin1(),
        firmwarePresent ? readFile(QStringLiteral(ARVEX_FIRMWARE_HEX)) : QByteArray());

    window->show();
    QVERIFY(QTest::qWaitForWindowExposed(window.get()));
    QVERIFY(writeFile(go, QByteArray()));
    if (firmwarePresent) {
        QTRY_VERIFY(outputView(window.get())->toPlainText().contains("stand-in line 0"));
        QVERIFY(runFinished(window.get()));
        QCOMPARE(standInArguments().last(), "-Uflash:w:" + firmware + ":i");
        QCOMPARE(outputLines(window.get()).last(),
            QStringLiteral("Download succeeded: avrdude finished with exit code 0."));
    } else {
        QTest::qWait(200);
        QVERIFY(standInArguments().isEmpty());
        QVERIFY(!action(window.get(), "closeAct")->isEnabled());
    }
    QVERIFY(!boxShown);
}

void tst_DownloadUtil::autoStartWithoutBoardWarnsBeforeWindowShows()
{
    // The test machine has no board attached; without ARVEX_BOARD_PORT no port matches.
    qunsetenv("ARVEX_BOARD_PORT");
    QVERIFY(writeFile(programFile(QStringLiteral("hex/ArvexFirmware.hex")),
        readFile(QStringLiteral(ARVEX_FIRMWARE_HEX))));
    QString boxText;
    bool windowVisible = true;
    whenModal<QMessageBox>(this, [&](QMessageBox *box) {
        boxText = box->text();
        windowVisible = false;
        for (QWidget *widget : QApplication::topLevelWidgets())
            windowVisible
                = windowVisible || (qobject_cast<QMainWindow *>(widget) && widget->isVisible());
        QApplication::setActiveWindow(box);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    });

    window = createWindow({ QStringLiteral("--auto") });
    QCOMPARE(boxText, QStringLiteral("Arvex is not connected!"));
    QVERIFY(!windowVisible);
    QVERIFY(action(window.get(), "downloadAct")->isEnabled());
    QVERIFY(standInArguments().isEmpty());
}

void tst_DownloadUtil::unknownOptionEndsProgram()
{
    QProcess program;
    program.start(QStringLiteral(ARVEX_DOWNLOAD_UTIL), { QStringLiteral("--bogus") });
    QVERIFY(program.waitForFinished(30000));
    QCOMPARE(program.exitCode(), 1);
    QVERIFY(program.readAllStandardError().contains("Unknown option 'bogus'"));
}

QTEST_MAIN(tst_DownloadUtil)
#include "tst_downloadutil.moc"
