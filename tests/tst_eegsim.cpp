// End to end with the simulated headset: the program's pseudo-terminal feeds the client's link.
#include "eeg/ceegcurvedialog.h"
#include "mainwindowtesting.h"

#include <QProcess>
#include <QSignalSpy>
#include <QtTest>
#include <qcustomplot.h>

using namespace mainwindowtesting;

class tst_EEGSim : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();
    void simulatorOptions_data();
    void simulatorOptions();
    void highAttentionClicksStartWhileDialogOpen();

private:
    QProcess simulator;
};

void tst_EEGSim::initTestCase()
{
    Q_INIT_RESOURCE(resources);
    prepareProgramFolder();
    // Attention held high and no noise, as a user makes the rule fire; junk and bad checksums
    // still come between the frames.
    simulator.start(QStringLiteral(ARVEX_EEGSIM),
        { "--rate", "20", "--attention", "95", "--noise", "0", "--seed", "7" });
    QVERIFY(simulator.waitForReadyRead(5000));
    const QByteArray device = simulator.readLine().trimmed();
    QVERIFY(device.startsWith("/dev/"));
    qputenv("ARVEX_EEG_PORT", device);
}

void tst_EEGSim::cleanupTestCase()
{
    simulator.terminate();
    QVERIFY(simulator.waitForFinished(5000));
    QCOMPARE(simulator.exitCode(), 0);
}

void tst_EEGSim::simulatorOptions_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("complaint");
    QTest::newRow("rate zero") << QStringList { "--rate", "0" }
                               << "--rate must be a number above 0 and at most 100000, got '0'";
    QTest::newRow("stray argument") << QStringList { "COM3" } << "unexpected argument 'COM3'";
}

void tst_EEGSim::simulatorOptions()
{
    QFETCH(QStringList, arguments);
    QFETCH(QString, complaint);
    QProcess wrong;
    wrong.start(QStringLiteral(ARVEX_EEGSIM), arguments);
    QVERIFY(wrong.waitForFinished(5000));
    QCOMPARE(wrong.exitCode(), 2);
    QVERIFY(wrong.readAllStandardOutput().isEmpty());
    const QString error = QString::fromLocal8Bit(wrong.readAllStandardError());
    QCOMPARE(error.section('\n', 0, 0), QStringLiteral(ARVEX_EEGSIM ": ") + complaint);
    QVERIFY(error.section('\n', 1).startsWith("Usage:"));
}

void tst_EEGSim::highAttentionClicksStartWhileDialogOpen()
{
    arvexsim::reset();
    std::unique_ptr<MainWindow> window = createWindow();
    QVERIFY(waitUntilConnected(window.get()));
    QWidget *panel = playbackPanelOf(*window);
    QTRY_VERIFY(child<QLineEdit>(panel, "x")->text() != QLatin1String("0.0"));
    QTest::mouseClick(child<QPushButton>(panel, "saveBtn"), Qt::LeftButton);
    arvexsim::clearCalls();

    // Closed dialog: frames arrive, nothing is clicked.
    QSignalSpy frames(CEEGManager::instance(), SIGNAL(newFrame(CEEGManager::EEGData)));
    QTRY_VERIFY(frames.count() >= 5);
    const auto data = frames.last().at(0).value<CEEGManager::EEGData>();
    QCOMPARE(int(data.attention), 95);
    QCOMPARE(int(data.noise), 0);
    QVERIFY(arvexsim::callsOf("SetPlaybackBufferCmd").empty());

    // Open: the chart moves and the arm receives the point of a started run.
    action(window.get(), "EEG...")->trigger();
    auto *plot = window->findChild<CEEGCurveDialog *>()->findChild<QCustomPlot *>();
    QTRY_VERIFY(plot->graph(1)->dataCount() >= 5);
    QCOMPARE(plot->graph(1)->data()->constBegin()->value, 95.0);
    QVERIFY(!arvexsim::callsOf("SetPlaybackBufferCmd").empty());

    // Closed again: no more clicks.
    QTest::mouseClick(window->findChild<CEEGCurveDialog *>()->findChild<QPushButton *>("closeBtn"),
        Qt::LeftButton);
    QTRY_VERIFY(!window->findChild<CEEGCurveDialog *>());
    QTRY_COMPARE(child<QPushButton>(panel, "startBtn")->text(), QStringLiteral("Start"));
    arvexsim::clearCalls();
    const int before = frames.count();
    QTRY_VERIFY(frames.count() >= before + 5);
    QVERIFY(arvexsim::callsOf("SetPlaybackBufferCmd").empty());
}

QTEST_MAIN(tst_EEGSim)
#include "tst_eegsim.moc"
