// Tests of how the download utility picks the controller board among the serial ports.
#include "boardport.h"

#include <QtTest>

class tst_BoardPort : public QObject
{
    Q_OBJECT

private slots:
    void findBoardPort_data();
    void findBoardPort();
    void givenPortComesFirst();
};

void tst_BoardPort::findBoardPort_data()
{
    QTest::addColumn<QStringList>("descriptions");
    QTest::addColumn<int>("expected");

    QTest::newRow("no ports") << QStringList() << -1;
    QTest::newRow("only other devices")
        << QStringList { "CP2102 USB to UART Bridge Controller", "" } << -1;
    QTest::newRow("board after another") << QStringList { "ttyS0", "Arduino Mega 2560" } << 1;
    QTest::newRow("two boards: first reported")
        << QStringList { "", "Arduino Mega 2560", "Arduino Mega 2560" } << 1;
    QTest::newRow("text before") << QStringList { "Genuine Arduino Mega 2560" } << -1;
    QTest::newRow("text after") << QStringList { "Arduino Mega 2560 (COM3)" } << -1;
    QTest::newRow("trailing blank") << QStringList { "Arduino Mega 2560 " } << -1;
    QTest::newRow("other letter case") << QStringList { "arduino mega 2560" } << -1;
    QTest::newRow("other board") << QStringList { "Arduino Uno" } << -1;
    QTest::newRow("near misses, then the board")
        << QStringList { "ARDUINO MEGA 2560", "Arduino Mega", "Arduino Mega 2560" } << 2;
}

void tst_BoardPort::findBoardPort()
{
    QFETCH(QStringList, descriptions);
    QFETCH(int, expected);

    QVector<BoardPort> ports;
    for (int i = 0; i < descriptions.size(); ++i) {
        const QString name = QStringLiteral("ttyACM%1").arg(i);
        ports.append({ name, "/dev/" + name, descriptions.at(i), QStringLiteral("Arduino") });
    }
    QCOMPARE(::findBoardPort(ports), expected);
}

void tst_BoardPort::givenPortComesFirst()
{
    qputenv("ARVEX_BOARD_PORT", "/dev/pts/42");
    const QVector<BoardPort> ports = availableBoardPorts();
    qunsetenv("ARVEX_BOARD_PORT");

    QVERIFY(!ports.isEmpty());
    QCOMPARE(::findBoardPort(ports), 0);
    QCOMPARE(avrdudePortName(ports.first()), QStringLiteral("/dev/pts/42"));
    QCOMPARE(availableBoardPorts().size(), ports.size() - 1);
}

QTEST_MAIN(tst_BoardPort)
#include "tst_boardport.moc"
