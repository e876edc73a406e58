// Tests of the download utility running Debian's real avrdude: against a port where no board
// answers, and against a simulated board with the wiring bootloader that takes the firmware.
#include "downloadertesting.h"
#include "heximage.h"
#include "simulatedboard.h"

#include <QStandardPaths>
#include <QtTest>

using namespace downloadertesting;

class tst_Avrdude : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanup();

    void portWithoutBoard();
    void simulatedBoard_data();
    void simulatedBoard();
    void boardGoneMidDownload();
    void boardSimulatorCommandLine_data();
    void boardSimulatorCommandLine();

private:
    // Starts the utility with "--auto" against the board at port and waits for the run's end.
    void runAuto(const QString &port);

    std::unique_ptr<MainWindow> window;
};

void tst_Avrdude::initTestCase()
{
    Q_INIT_RESOURCE(downloader);
    removeStandIn();
    QVERIFY2(!QStandardPaths::findExecutable(QStringLiteral("avrdude")).isEmpty(),
        "Debian's avrdude is needed: tools/install-deps.sh installs it");
    QVERIFY(writeFile(programFile(QStringLiteral("hex/ArvexFirmware.hex")),
        readFile(QStringLiteral(ARVEX_FIRMWARE_HEX))));
}

void tst_Avrdude::cleanup()
{
    window.reset();
    qunsetenv("ARVEX_BOARD_PORT");
    qunsetenv("ARVEX_DOWNLOAD_STALL_SECONDS");
}

void tst_Avrdude::runAuto(const QString &port)
{
    qputenv("ARVEX_BOARD_PORT", port.toLocal8Bit());
    window = createWindow({ QStringLiteral("--auto") });
    window->show();
    QVERIFY(QTest::qWaitForWindowExposed(window.get()));
    QVERIFY(runFinished(window.get()));
}

void tst_Avrdude::portWithoutBoard()
{
    PseudoTerminal silentPort;
    QVERIFY(!silentPort.name.isEmpty());
    runAuto(silentPort.name);

    const QString output = outputView(window.get())->toPlainText();
    QVERIFY2(output.contains("Using Port                    : " + silentPort.name),
        qPrintable(output.right(800)));
    QVERIFY2(
        output.contains("timeout communicating with programmer"), qPrintable(output.right(800)));
    QCOMPARE(outputLines(window.get()).last(),
        QStringLiteral("Download failed: avrdude finished with exit code 1."));
}

void tst_Avrdude::simulatedBoard_data()
{
    QTest::addColumn<bool>("faultyWrites");
    QTest::addColumn<QString>("avrdudeReport");
    QTest::addColumn<QString>("verdict");

    QTest::newRow("sound board") << false << "16 bytes of flash verified"
                                 << "Download succeeded: avrdude finished with exit code 0.";
    QTest::newRow("faulty flash") << true << "device 0xa7 != input 0x27 at addr 0x0000"
                                  << "Download failed: avrdude finished with exit code 1.";
}

void tst_Avrdude::simulatedBoard()
{
    QFETCH(bool, faultyWrites);
    QFETCH(QString, avrdudeReport);
    QFETCH(QString, verdict);

    SimulatedBoard board;
    QVERIFY(board.open());
    board.setFaultyWrites(faultyWrites);
    QSignalSpy unknownCommands(&board, &SimulatedBoard::unknownCommand);
    runAuto(board.portName());

    const QString output = outputView(window.get())->toPlainText();
    QVERIFY2(output.contains("device signature = 0x1e9801"), qPrintable(output.right(800)));
    QVERIFY2(output.contains(avrdudeReport), qPrintable(output.right(800)));
    QCOMPARE(outputLines(window.get()).last(), verdict);
    QCOMPARE(unknownCommands.count(), 0);

    const QByteArray image = hexImage(readFile(QStringLiteral(ARVEX_FIRMWARE_HEX)));
    QCOMPARE(image.size(), 16);
    QCOMPARE(board.flash().left(image.size()) == image, !faultyWrites);
    // No chip erase (-D): everything past the written page is still erased.
    QCOMPARE(board.flash().mid(256), QByteArray(SimulatedBoard::flashSize - 256, char(0xFF)));
}

void tst_Avrdude::boardGoneMidDownload()
{
    // Stands in for the default of 30 s, which the test need not wait for.
    qputenv("ARVEX_DOWNLOAD_STALL_SECONDS", "3");
    auto board = std::make_unique<SimulatedBoard>();
    QVERIFY(board->open());
    // Unplugged once its first block is written: avrdude then waits on a port that is gone.
    connect(
        board.get(), &SimulatedBoard::flashWritten, this, [&board] { board.reset(); },
        Qt::QueuedConnection);
    runAuto(board->portName());

    QVERIFY(!board);
    QCOMPARE(outputLines(window.get()).last(),
        QStringLiteral(
            "Download failed: the board stopped answering (avrdude wrote nothing for 3 s)."));
    QVERIFY(action(window.get(), "downloadAct")->isEnabled());
}

void tst_Avrdude::boardSimulatorCommandLine_data()
{
    QTest::addColumn<QString>("argument");
    QTest::addColumn<int>("exitCode");
    QTest::addColumn<QByteArray>("start");
    QTest::newRow("help") << "--help" << 0 << QByteArray("Usage:");
    QTest::newRow("stray argument")
        << "extra" << 2 << QByteArray("ArvexBoardSim: unexpected argument 'extra'\nUsage:");
}

void tst_Avrdude::boardSimulatorCommandLine()
{
    QFETCH(QString, argument);
    QFETCH(int, exitCode);
    QFETCH(QByteArray, start);
    QProcess simulator;
    simulator.start(QStringLiteral(ARVEX_BOARDSIM), { argument });
    QVERIFY(simulator.waitForFinished(10000));
    QCOMPARE(simulator.exitCode(), exitCode);
    // Help goes to standard output, a mistake to standard error; both with the options.
    const QByteArray printed
        = exitCode == 0 ? simulator.readAllStandardOutput() : simulator.readAllStandardError();
    QVERIFY2(printed.startsWith(start), printed.constData());
    QVERIFY(printed.contains("--help"));
}

QTEST_MAIN(tst_Avrdude)
#include "tst_avrdude.moc"
