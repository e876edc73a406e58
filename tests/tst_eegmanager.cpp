// Tests of the headset link through a pseudo-terminal standing in for the Bluetooth module's port.
#include "eeg/ceegmanager.h"
#include "eegtesting.h"

#include <QElapsedTimer>
#include <QSignalSpy>
#include <QtTest>

#include <ctime>

using eegtesting::frame;

namespace {

QStringList criticals;

void captureLog(QtMsgType type, const QMessageLogContext &, const QString &message)
{
    if (type == QtCriticalMsg)
        criticals << message;
}

double threadCpuSeconds()
{
    timespec time {};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &time);
    return double(time.tv_sec) + double(time.tv_nsec) / 1e9;
}

} // namespace

class tst_EEGManager : public QObject
{
    Q_OBJECT

private slots:
    void headsetPortIndex_data();
    void headsetPortIndex();
    void initTestCase();
    void framesArriveInOrder();
    void splitWritesMakeOneFrame();
    void receiverTurningEventLoopGetsNextFrames();
    void moduleCommandsAtTheirTimes();
    void unpluggedPortGoesQuiet();

private:
    eegtesting::PtyWriter headset;
    QElapsedTimer sinceOpen;
};

void tst_EEGManager::headsetPortIndex_data()
{
    QTest::addColumn<QStringList>("descriptions");
    QTest::addColumn<int>("index");
    QTest::newRow("none") << QStringList() << -1;
    QTest::newRow("Silicon Labs name")
        << QStringList { "Arduino Mega 2560", "Silicon Labs CP210x USB to UART Bridge" } << 1;
    QTest::newRow("controller name") << QStringList { "CP210x USB to UART Bridge Controller" } << 0;
    QTest::newRow("contains CP210x") << QStringList { "ttyUSB", "My CP210x dongle" } << 1;
    QTest::newRow("lower case") << QStringList { "cp210x usb to uart bridge" } << -1;
    QTest::newRow("first of two") << QStringList { "Arduino Mega 2560", "X CP210x",
        "Silicon Labs CP210x USB to UART Bridge" }
                                  << 1;
}

void tst_EEGManager::headsetPortIndex()
{
    QFETCH(QStringList, descriptions);
    QFETCH(int, index);
    QCOMPARE(CEEGManager::headsetPortIndex(descriptions), index);
}

void tst_EEGManager::initTestCase()
{
    QVERIFY(headset.isOpen());
    qputenv("ARVEX_EEG_PORT", headset.slaveName().toLocal8Bit());
    CEEGManager::instance()->openHeadsetPort();
    sinceOpen.start();
    // Opening once per process: a second call leaves the open port alone.
    CEEGManager::instance()->openHeadsetPort();
}

void tst_EEGManager::framesArriveInOrder()
{
    QSignalSpy spy(CEEGManager::instance(), SIGNAL(newFrame(CEEGManager::EEGData)));
    QVERIFY(headset.write(QByteArray("OK\r\n") + frame(0, 10, 1) + frame(2, 20, 2)));
    QTRY_COMPARE(spy.count(), 2);
    const auto first = spy.at(0).at(0).value<CEEGManager::EEGData>();
    const auto second = spy.at(1).at(0).value<CEEGManager::EEGData>();
    QCOMPARE(int(first.attention), 10);
    QCOMPARE(int(second.attention), 20);
    QCOMPARE(int(second.noise), 2);
}

void tst_EEGManager::splitWritesMakeOneFrame()
{
    QSignalSpy spy(CEEGManager::instance(), SIGNAL(newFrame(CEEGManager::EEGData)));
    const QByteArray bytes = frame(0, 33, 44);
    QVERIFY(headset.write(bytes.left(20)));
    QTest::qWait(100);
    QCOMPARE(spy.count(), 0);
    QVERIFY(headset.write(bytes.mid(20)));
    QTRY_COMPARE(spy.count(), 1);
    QCOMPARE(int(spy.at(0).at(0).value<CEEGManager::EEGData>().mediation), 44);
}

void tst_EEGManager::receiverTurningEventLoopGetsNextFrames()
{
    // As the attention rule does when it starts a playback run: the receiver writes more and
    // turns the event loop inside its slot until the next frames come.
    QList<int> delivered;
    int depth = 0;
    int deepest = 0;
    const auto connection = connect(
        CEEGManager::instance(), &CEEGManager::newFrame, this, [&](CEEGManager::EEGData data) {
            ++depth;
            deepest = qMax(deepest, depth);
            delivered << data.attention;
            if (data.attention == 1) {
                headset.write(frame(0, 3, 0) + frame(0, 4, 0));
                if (!QTest::qWaitFor([&] { return delivered.size() == 4; }, 3000))
                    qWarning("the nested frames did not come");
            }
            --depth;
        });
    QVERIFY(headset.write(frame(0, 1, 0) + frame(0, 2, 0)));
    QTRY_COMPARE(delivered.size(), 4);
    QTest::qWait(100);
    disconnect(connection);
    // Frame 2 was already read with frame 1, so it comes first; each frame comes once.
    QCOMPARE(delivered, QList<int>({ 1, 2, 3, 4 }));
    QCOMPARE(deepest, 2);
}

void tst_EEGManager::moduleCommandsAtTheirTimes()
{
    // The module gets its three commands 100 ms, 1.1 s and 9.1 s after the port opened.
    QByteArray received;
    QList<qint64> times;
    while (sinceOpen.elapsed() < 10000) {
        const QByteArray more = headset.readAll();
        if (!more.isEmpty()) {
            received += more;
            times << sinceOpen.elapsed();
        }
        QTest::qWait(20);
    }
    QCOMPARE(received, QByteArray("AT+ROLE1\r\nAT+INQ\r\nAT+CONN1\r\n"));
    QCOMPARE(times.size(), 3);
    QVERIFY2(times.at(1) >= 1100 && times.at(2) >= 9100,
        qPrintable(QStringLiteral("%1 %2").arg(times.at(1)).arg(times.at(2))));
}

void tst_EEGManager::unpluggedPortGoesQuiet()
{
    qInstallMessageHandler(captureLog);
    headset.close();
    QTest::qWait(100);
    const double cpuBefore = threadCpuSeconds();
    QElapsedTimer wall;
    wall.start();
    QTest::qWait(1000);
    const double cpuUsed = threadCpuSeconds() - cpuBefore;
    qInstallMessageHandler(nullptr);
    // A port left open would wake the event loop on every pass; a quiet one sleeps in it.
    QVERIFY2(
        cpuUsed < 0.25 * double(wall.elapsed()) / 1000.0, qPrintable(QString::number(cpuUsed)));
    QCOMPARE(criticals.size(), 1);
    QVERIFY(criticals.at(0).startsWith(QLatin1String("EEG headset port lost:")));
}

QTEST_GUILESS_MAIN(tst_EEGManager)
#include "tst_eegmanager.moc"
