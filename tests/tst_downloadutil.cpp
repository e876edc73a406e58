// Tests of the download utility's window, run against a stand-in avrdude beside the test program.
#include "downloadertesting.h"

#include <QAbstractButton>
#include <QFileDialog>
#include <QInputMethodEvent>
#include <QMainWindow>
#include <QMessageBox>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QtTest>

#include <signal.h>

using namespace downloadertesting;

namespace {
// A process that has ended counts as gone even while no parent has reaped it yet.
bool processRunning(pid_t pid)
{
    if (::kill(pid, 0) != 0)
        return false;
    QFile stat(QStringLiteral("/proc/%1/stat").arg(pid));
    return !stat.open(QIODevice::ReadOnly) || !stat.readAll().contains(") Z ");
}
} // namespace

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
    void verdictStaysWhileHovering();
    void openDuringRunKeepsDownloadDisabled();
    void stopDuringRun_data();
    void stopDuringRun();
    void openRefusesWhatIsNotIntelHex_data();
    void openRefusesWhatIsNotIntelHex();
    void hexFileWithZeroByte();
    void closeFileDisablesDownload();
    void autoStart_data();
    void autoStart();
    void autoStartWithoutBoardWarnsOverTheWindow();
    void unknownOptionEndsProgram();

private:
    void showWindow(const QStringList &options = {});
    void openThroughDialog(const QString &path);
    // Opens a one-record hex file in a shown window and downloads it to the end.
    void downloadSmallFile();
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
    for (const char *name : { "STANDIN_EXIT", "STANDIN_LINES", "STANDIN_WAIT_FOR",
             "STANDIN_IGNORE_TERM", "STANDIN_CHILD" })
        qunsetenv(name);
    qputenv("PATH", savedPath);
}

void tst_DownloadUtil::showWindow(const QStringList &options)
{
    window = createWindow(options);
    window->show();
    QVERIFY(QTest::qWaitForWindowExposed(window.get()));
}

void tst_DownloadUtil::downloadSmallFile()
{
    const QString hexFile = dir.filePath(QStringLiteral("a.hex"));
    QVERIFY(writeFile(hexFile, ":00000001FF\n"));
    showWindow();
    openThroughDialog(hexFile);
    clickDownload();
    QVERIFY(runFinished(window.get()));
}

void tst_DownloadUtil::openThroughDialog(const QString &path)
{
    onNextModal<QFileDialog>(
        [path](QFileDialog *dialog) {
            QApplication::setActiveWindow(dialog);
            // Typed as an input method types letters that have no key, Chinese ones among them.
            QInputMethodEvent typed;
            typed.setCommitString(path);
            QApplication::sendEvent(QApplication::focusWidget(), &typed);
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        },
        window.get());
    const auto *toolBar = window->findChild<QToolBar *>(QStringLiteral("fileToolBar"));
    QTest::mouseClick(toolBar->widgetForAction(action(window.get(), "openAct")), Qt::LeftButton);
}

void tst_DownloadUtil::clickDownload()
{
    QTest::mouseClick(downloadButton(window.get()), Qt::LeftButton);
}

void tst_DownloadUtil::downloadRunsAvrdudeAndShowsItsOutput()
{
    const QString hexFile = dir.filePath(QStringLiteral("空格 中文/ArvexFirmware.hex"));
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
    QCOMPARE(lines.size(), 203);
    QCOMPARE(lines.at(0), "Reading " + hexFile);
    QCOMPARE(lines.at(1), QStringLiteral("avrdude stand-in line 0"));
    QCOMPARE(lines.at(201), QStringLiteral("Fl\u00e4che"));
    QCOMPARE(
        lines.at(202), QStringLiteral("Download succeeded: avrdude finished with exit code 0."));

    const QScrollBar *scrollBar = outputView(window.get())->verticalScrollBar();
    QVERIFY(scrollBar->maximum() > 0);
    QCOMPARE(scrollBar->value(), scrollBar->maximum());
}

void tst_DownloadUtil::secondRunClearsOutput()
{
    downloadSmallFile();
    const QStringList firstRun = outputLines(window.get());
    QCOMPARE(firstRun.size(), 6);

    clickDownload();
    QVERIFY(!action(window.get(), "downloadAct")->isEnabled());
    QVERIFY(outputView(window.get())->toPlainText().isEmpty());
    QCOMPARE(runStatus(window.get()), QStringLiteral("Downloading..."));
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
    QCOMPARE(runStatus(window.get()), lastLines.last());
    QVERIFY(action(window.get(), "closeAct")->isEnabled());
}

void tst_DownloadUtil::verdictStaysWhileHovering()
{
    downloadSmallFile();
    const QString verdict = "Download succeeded: avrdude finished with exit code 0.";

    // Onto the Open button, whose tip shows, and off it, which takes the tip away; from elsewhere,
    // since a move to where the cursor already is moves nothing.
    const auto *toolBar = window->findChild<QToolBar *>(QStringLiteral("fileToolBar"));
    QTest::mouseMove(hexView(window.get()));
    QTest::mouseMove(toolBar->widgetForAction(action(window.get(), "openAct")));
    QTRY_COMPARE(window->statusBar()->currentMessage(), QStringLiteral("Open an existing file"));
    QCOMPARE(runStatus(window.get()), verdict);
    QTest::mouseMove(hexView(window.get()));
    QTRY_VERIFY(window->statusBar()->currentMessage().isEmpty());
    QCOMPARE(runStatus(window.get()), verdict);
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

enum class Stop { Cancel, ExitThenWait, ExitThenCloseAnyway };
Q_DECLARE_METATYPE(Stop)

void tst_DownloadUtil::stopDuringRun_data()
{
    QTest::addColumn<Stop>("stop");
    QTest::addColumn<bool>("deafToTerminate");
    QTest::newRow("Cancel") << Stop::Cancel << false;
    QTest::newRow("Cancel, avrdude killed") << Stop::Cancel << true;
    QTest::newRow("Exit, Wait") << Stop::ExitThenWait << false;
    QTest::newRow("Exit, Close anyway, avrdude killed") << Stop::ExitThenCloseAnyway << true;
}

void tst_DownloadUtil::stopDuringRun()
{
    QFETCH(Stop, stop);
    QFETCH(bool, deafToTerminate);
    if (deafToTerminate)
        qputenv("STANDIN_IGNORE_TERM", "1");
    const QString go = dir.filePath(QString::fromLatin1(QTest::currentDataTag()));
    qputenv("STANDIN_WAIT_FOR", go.toLocal8Bit());
    // What avrdude started must end with it when the window ends the run.
    const QString childFile = go + QStringLiteral(".child");
    if (stop != Stop::ExitThenWait)
        qputenv("STANDIN_CHILD", childFile.toLocal8Bit());
    const QString hexFile = dir.filePath(QStringLiteral("a.hex"));
    QVERIFY(writeFile(hexFile, ":00000001FF\n"));
    showWindow();
    openThroughDialog(hexFile);
    QVERIFY(!action(window.get(), "cancelAct")->isEnabled());
    clickDownload();
    QTRY_VERIFY(outputView(window.get())->toPlainText().contains("line 2"));
    const QPointer<QProcess> avrdude = window->findChild<QProcess *>();

    QString question;
    onNextModal<QMessageBox>(
        [&](QMessageBox *box) {
            question = box->text();
            QApplication::setActiveWindow(box);
            if (stop == Stop::ExitThenCloseAnyway)
                QTest::mouseClick(box->buttons().at(1), Qt::LeftButton);
            else
                QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        },
        window.get());
    const auto *toolBar = window->findChild<QToolBar *>(QStringLiteral("toolToolBar"));
    if (stop == Stop::Cancel) {
        QTest::mouseClick(
            toolBar->widgetForAction(action(window.get(), "cancelAct")), Qt::LeftButton);
    } else { // Alt+F, X: File > Exit
        QApplication::setActiveWindow(window.get());
        QTest::keyClick(window.get(), Qt::Key_F, Qt::AltModifier);
        QTRY_VERIFY(QApplication::activePopupWidget());
        QTest::keyClick(QApplication::activePopupWidget(), Qt::Key_X);
    }
    QCOMPARE(question,
        stop == Stop::Cancel ? QString()
                             : "A download is running. Closing now can leave the board without "
                               "working firmware.");
    // avrdude, deaf or held, is still running: the window stays until it has ended.
    QVERIFY(window->isVisible());
    if (stop == Stop::ExitThenWait)
        QVERIFY(writeFile(go, QByteArray()));

    QVERIFY(runFinished(window.get()));
    QVERIFY(!avrdude || avrdude->state() == QProcess::NotRunning);
    const QString verdict = stop == Stop::ExitThenWait
        ? "Download succeeded: avrdude finished with exit code 0."
        : "Download canceled";
    QCOMPARE(outputLines(window.get()).last(), verdict);
    QCOMPARE(runStatus(window.get()), verdict);
    QVERIFY(!action(window.get(), "cancelAct")->isEnabled());
    QCOMPARE(window->isVisible(), stop != Stop::ExitThenCloseAnyway);
    if (stop != Stop::ExitThenWait) {
        const pid_t child = readFile(childFile).trimmed().toInt();
        QVERIFY(child > 0);
        QTRY_VERIFY(!processRunning(child));
    }
}

void tst_DownloadUtil::openRefusesWhatIsNotIntelHex_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("reason");
    QTest::newRow("text") << QByteArray("Notes\n") << "line 1 does not start with ':'";
    QTest::newRow("binary") << QByteArray(100000, '7') << "line 1 is longer than any record";
    QTest::newRow("length") << QByteArray(":0100000000FF\r\n:0200000000FE\r\n:00000001FF\r\n")
                            << "line 2 says 2 data bytes but holds 1";
    QTest::newRow("checksum") << QByteArray(":0100000000FF\n\n:0100000000FE\n:00000001FF\n")
                              << "line 3 has a wrong checksum";
    QTest::newRow("no end") << QByteArray(":0100000000FF\n") << "the end-of-file record is missing";
    // Null bytes: a named pipe, which has no end until a writer comes and goes.
    QTest::newRow("named pipe") << QByteArray() << "it is not a regular file";
}

void tst_DownloadUtil::openRefusesWhatIsNotIntelHex()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, reason);
    const QString good = dir.filePath(QStringLiteral("good.hex"));
    const QString bad = dir.filePath(QStringLiteral("bad.hex"));
    QVERIFY(writeFile(good, ":00000001FF\n"));
    std::unique_ptr<NamedPipe> pipe;
    if (bytes.isNull())
        pipe = std::make_unique<NamedPipe>(bad);
    else
        QVERIFY(writeFile(bad, bytes));
    showWindow();
    openThroughDialog(good);
    QString boxText;
    onNextModal<QMessageBox>(
        [&boxText](QMessageBox *box) {
            boxText = box->text();
            box->close();
        },
        window.get());
    openThroughDialog(bad);
    QCOMPARE(boxText, "Cannot read file " + bad + ":\n" + reason + ".");
    // The file loaded before stays.
    QCOMPARE(hexView(window.get())->toPlainText(), QStringLiteral(":00000001FF\n"));
    QVERIFY(action(window.get(), "downloadAct")->isEnabled());
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
    QTest::addColumn<QByteArray>("firmwareBytes");
    QTest::addColumn<bool>("namedPipe");
    QTest::addColumn<QString>("refusal");

    const QString refusal = "Download not started: cannot read the firmware file "
        + programFile(QStringLiteral("hex/ArvexFirmware.hex")) + ": %1.";
    QTest::newRow("firmware present")
        << readFile(QStringLiteral(ARVEX_FIRMWARE_HEX)) << false << QString();
    QTest::newRow("firmware missing")
        << QByteArray() << false << refusal.arg("No such file or directory");
    QTest::newRow("firmware not hex")
        << QByteArray("<html>\n") << false << refusal.arg("line 1 does not start with ':'");
    QTest::newRow("firmware a named pipe")
        << QByteArray() << true << refusal.arg("it is not a regular file");
}

void tst_DownloadUtil::autoStart()
{
    QFETCH(QByteArray, firmwareBytes);
    QFETCH(bool, namedPipe);
    QFETCH(QString, refusal);
    const bool firmwarePresent = refusal.isEmpty();
    const QString firmware = programFile(QStringLiteral("hex/ArvexFirmware.hex"));
    if (!firmwareBytes.isEmpty())
        QVERIFY(writeFile(firmware, firmwareBytes));
    std::unique_ptr<NamedPipe> pipe;
    if (namedPipe)
        pipe = std::make_unique<NamedPipe>(firmware);
    const QString go = dir.filePath(QStringLiteral("go-auto"));
    QFile::remove(go);
    qputenv("STANDIN_WAIT_FOR", go.toLocal8Bit());
    bool boxShown = false;
    QObject watchUntilReturn;
    onNextModal<QWidget>(
        [&boxShown](QWidget *box) {
            boxShown = true;
            box->close();
        },
        &watchUntilReturn);

    window = createWindow({ QStringLiteral("--auto") });
    // The run is on its way before the window first shows, its output not yet read.
    QVERIFY(!window->isVisible());
    // Either the run has them or there is no file.
    QVERIFY(!action(window.get(), "downloadAct")->isEnabled());
    QCOMPARE(outputLines(window.get()), firmwarePresent ? QStringList() : QStringList { refusal });
    QCOMPARE(hexView(window.get())->toPlainText().toLatin1(),
        firmwarePresent ? firmwareBytes : QByteArray());

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
        QCOMPARE(runStatus(window.get()), refusal);
    }
    QVERIFY(!boxShown);
}

void tst_DownloadUtil::autoStartWithoutBoardWarnsOverTheWindow()
{
    // The test machine has no board attached; without ARVEX_BOARD_PORT no port matches.
    qunsetenv("ARVEX_BOARD_PORT");
    QVERIFY(writeFile(programFile(QStringLiteral("hex/ArvexFirmware.hex")),
        readFile(QStringLiteral(ARVEX_FIRMWARE_HEX))));
    QString boxText;
    const QWidget *boxParent = nullptr;
    bool parentVisible = false;
    onNextModal<QMessageBox>(
        [&](QMessageBox *box) {
            boxText = box->text();
            boxParent = box->parentWidget();
            parentVisible = boxParent && boxParent->isVisible();
            QApplication::setActiveWindow(box);
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        },
        this);

    window = createWindow({ QStringLiteral("--auto") });
    window->show();
    QTRY_COMPARE(boxText, QStringLiteral("Arvex is not connected!"));
    QCOMPARE(boxParent, window.get());
    QVERIFY(parentVisible);
    const QString noBoard = "Download not started: no serial port is described as \"Arduino Mega "
                            "2560\". Connect the board, or name its port in ARVEX_BOARD_PORT.";
    QCOMPARE(outputLines(window.get()), QStringList { noBoard });
    QCOMPARE(runStatus(window.get()), noBoard);
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
