// Tests of the headset frame parser: frame search, checksum rule and the buffer it keeps.
#include "eeg/ceegframeparser.h"
#include "eegtesting.h"

#include <QRandomGenerator>
#include <QtTest>

using eegtesting::frame;

namespace {

QStringList logLines;

void captureLog(QtMsgType, const QMessageLogContext &context, const QString &message)
{
    if (QLatin1String(context.category) == QLatin1String("arvex.eeg"))
        logLines << message;
}

QList<CEEGManager::EEGData> takeAll(CEEGFrameParser &parser)
{
    QList<CEEGManager::EEGData> frames;
    CEEGManager::EEGData data;
    while (parser.takeFrame(&data))
        frames << data;
    return frames;
}

QList<CEEGManager::EEGData> parse(const QByteArray &bytes)
{
    CEEGFrameParser parser;
    parser.feed(bytes.constData(), bytes.size());
    return takeAll(parser);
}

int verifyFailures()
{
    int count = 0;
    for (const QString &line : qAsConst(logLines))
        count += line.startsWith(QLatin1String("Verify failed!!!!!!")) ? 1 : 0;
    return count;
}

// The frame search as the headset's protocol states it, removing bytes from the front one at a
// time: slow, but plainly right, to check the parser's read position against.
QList<QByteArray> referenceFrames(QByteArray buffer)
{
    QList<QByteArray> frames;
    while (buffer.size() > 35) {
        const auto byteAt = [&](int i) { return quint8(buffer.at(i)); };
        if (byteAt(0) != 0xAA || byteAt(1) != 0xAA) {
            buffer.remove(0, 1);
            continue;
        }
        const int length = byteAt(2);
        quint8 sum = 0;
        for (int i = 3; i < 3 + length && length <= 32; ++i)
            sum = quint8(sum + byteAt(i));
        if (length <= 32 && quint8(~sum) == byteAt(3 + length)) {
            frames << buffer.left(36);
            buffer.remove(0, 36);
        } else {
            buffer.remove(0, 1);
        }
    }
    return frames;
}

} // namespace

class tst_EEGFrameParser : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void fieldsAtTheirBytes();
    void framesInOneRead();
    void replyTextBeforeFrame();
    void splitFrame_data();
    void splitFrame();
    void wrongChecksumDropsOneByte();
    void syncPairInsideRejectedFrame_data();
    void syncPairInsideRejectedFrame();
    void payloadLength_data();
    void payloadLength();
    void feedWhileHandlingFrame();
    void junkKeepsBufferSmall();
    void agreesWithReferenceSearch();
};

void tst_EEGFrameParser::initTestCase()
{
    qInstallMessageHandler(captureLog);
}

void tst_EEGFrameParser::init()
{
    logLines.clear();
}

void tst_EEGFrameParser::fieldsAtTheirBytes()
{
    const QList<CEEGManager::EEGData> frames = parse(frame(7, 91, 42));
    QCOMPARE(frames.size(), 1);
    QCOMPARE(int(frames.at(0).noise), 7);
    QCOMPARE(int(frames.at(0).attention), 91);
    QCOMPARE(int(frames.at(0).mediation), 42);
    const QByteArray power = frame(7, 91, 42).mid(7, 24);
    QCOMPARE(QByteArray(reinterpret_cast<const char *>(frames.at(0).eegPower), 24), power);
    // Each candidate frame is logged as hex, two lowercase digits and a blank per byte.
    QCOMPARE(logLines.value(0), QString::fromLatin1(frame(7, 91, 42).toHex(' ') + ' '));
}

void tst_EEGFrameParser::framesInOneRead()
{
    CEEGFrameParser parser;
    const QByteArray bytes = frame(0, 10, 20) + frame(0, 30, 40);
    parser.feed(bytes.constData(), bytes.size());
    const QList<CEEGManager::EEGData> frames = takeAll(parser);
    QCOMPARE(frames.size(), 2);
    QCOMPARE(int(frames.at(0).attention), 10);
    QCOMPARE(int(frames.at(1).attention), 30);
    QCOMPARE(parser.pendingBytes(), 0);
}

void tst_EEGFrameParser::replyTextBeforeFrame()
{
    CEEGFrameParser parser;
    const QByteArray bytes = QByteArray("OK\r\n") + frame(0, 55, 66);
    parser.feed(bytes.constData(), bytes.size());
    const QList<CEEGManager::EEGData> frames = takeAll(parser);
    QCOMPARE(frames.size(), 1);
    QCOMPARE(int(frames.at(0).attention), 55);
    QCOMPARE(parser.pendingBytes(), 0);
    QCOMPARE(verifyFailures(), 0);
}

void tst_EEGFrameParser::splitFrame_data()
{
    QTest::addColumn<int>("firstPart");
    QTest::newRow("20 then 16") << 20;
    QTest::newRow("sync byte alone") << 1;
    QTest::newRow("all but the checksum") << 35;
}

void tst_EEGFrameParser::splitFrame()
{
    QFETCH(int, firstPart);
    CEEGFrameParser parser;
    const QByteArray bytes = frame(0, 77, 88);
    parser.feed(bytes.constData(), firstPart);
    QVERIFY(takeAll(parser).isEmpty());
    QCOMPARE(parser.pendingBytes(), firstPart);
    parser.feed(bytes.constData() + firstPart, bytes.size() - firstPart);
    const QList<CEEGManager::EEGData> frames = takeAll(parser);
    QCOMPARE(frames.size(), 1);
    QCOMPARE(int(frames.at(0).mediation), 88);
}

void tst_EEGFrameParser::wrongChecksumDropsOneByte()
{
    CEEGFrameParser parser;
    QByteArray bytes = frame(0, 100, 50);
    const quint8 expected = quint8(bytes.at(35));
    bytes[35] = char(expected + 1);
    parser.feed(bytes.constData(), bytes.size());
    QVERIFY(takeAll(parser).isEmpty());
    QCOMPARE(parser.pendingBytes(), 35);
    QCOMPARE(verifyFailures(), 1);
    QVERIFY(logLines.contains(
        QStringLiteral("Verify failed!!!!!! %1 %2").arg(expected).arg(uint(quint8(expected + 1)))));
}

void tst_EEGFrameParser::syncPairInsideRejectedFrame_data()
{
    QTest::addColumn<bool>("innerFrameGood");
    QTest::newRow("inner frame good") << true;
    QTest::newRow("inner frame bad") << false;
}

void tst_EEGFrameParser::syncPairInsideRejectedFrame()
{
    QFETCH(bool, innerFrameGood);
    // A cut frame: its sync pair and a few bytes, then a whole frame inside its 36 bytes.
    QByteArray inner = frame(0, 12, 34);
    if (!innerFrameGood)
        inner[35] = char(inner.at(35) ^ 0x01);
    const QByteArray bytes = frame(0, 99, 99).left(10) + inner;
    const QList<CEEGManager::EEGData> frames = parse(bytes);
    QCOMPARE(frames.size(), innerFrameGood ? 1 : 0);
    if (innerFrameGood)
        QCOMPARE(int(frames.at(0).attention), 12);
    QCOMPARE(verifyFailures(), innerFrameGood ? 1 : 2);
}

void tst_EEGFrameParser::payloadLength_data()
{
    QTest::addColumn<int>("length");
    QTest::addColumn<QByteArray>("payload");
    QTest::addColumn<int>("checksumByte");
    QTest::addColumn<bool>("good");
    QTest::newRow("0, checksum 0xFF") << 0 << QByteArray() << 0xFF << true;
    QTest::newRow("0, checksum 0x00") << 0 << QByteArray() << 0x00 << false;
    QTest::newRow("2") << 2 << QByteArray("\x01\x02", 2) << 0xFC << true;
    QTest::newRow("33, beyond the frame") << 33 << QByteArray() << 0 << false;
    QTest::newRow("255") << 255 << QByteArray() << 0 << false;
}

void tst_EEGFrameParser::payloadLength()
{
    QFETCH(int, length);
    QFETCH(QByteArray, payload);
    QFETCH(int, checksumByte);
    QFETCH(bool, good);
    QByteArray bytes = frame(3, 95, 20);
    bytes[2] = char(length);
    bytes.replace(3, payload.size(), payload);
    if (length <= 32)
        bytes[3 + length] = char(checksumByte);
    // Exactly 36 bytes held: a long payload must not send the checksum read past them.
    CEEGFrameParser parser;
    parser.feed(bytes.constData(), bytes.size());
    const QList<CEEGManager::EEGData> frames = takeAll(parser);
    QCOMPARE(frames.size(), good ? 1 : 0);
    QCOMPARE(parser.pendingBytes(), good ? 0 : 35);
    if (good) {
        // The fields stay at their bytes whatever the length says.
        QCOMPARE(int(frames.at(0).attention), 95);
        QCOMPARE(int(frames.at(0).noise), int(quint8(bytes.at(4))));
    }
    QCOMPARE(verifyFailures(), good ? 0 : 1);
}

void tst_EEGFrameParser::feedWhileHandlingFrame()
{
    // A receiver that turns the event loop feeds more bytes while it handles a frame: the frame
    // in hand is already out of the buffer, so nothing is handed out twice or lost.
    CEEGFrameParser parser;
    const QByteArray first = frame(0, 1, 0) + frame(0, 2, 0) + frame(0, 3, 0).left(20);
    parser.feed(first.constData(), first.size());
    QList<int> order;
    CEEGManager::EEGData data;
    while (parser.takeFrame(&data)) {
        order << data.attention;
        if (data.attention == 1) {
            const QByteArray more = frame(0, 3, 0).mid(20) + frame(0, 4, 0);
            parser.feed(more.constData(), more.size());
            CEEGManager::EEGData nested;
            while (parser.takeFrame(&nested))
                order << nested.attention;
        }
    }
    QCOMPARE(order, QList<int>({ 1, 2, 3, 4 }));
    QCOMPARE(parser.pendingBytes(), 0);
}

void tst_EEGFrameParser::junkKeepsBufferSmall()
{
    // A module printing at the wrong baud rate: megabytes of bytes that never form a frame.
    CEEGFrameParser parser;
    QByteArray junk(4096, '\0');
    for (int i = 0; i < junk.size(); ++i)
        junk[i] = char(i % 7 == 0 ? 0xAA : i);
    int largest = 0;
    for (int round = 0; round < 1000; ++round) {
        parser.feed(junk.constData(), junk.size());
        QVERIFY(takeAll(parser).isEmpty());
        largest = qMax(largest, parser.bufferedBytes());
    }
    QCOMPARE(parser.pendingBytes(), 35);
    QVERIFY2(largest <= 2 * junk.size() + 36, qPrintable(QString::number(largest)));
    // A frame after the junk still gets through.
    const QByteArray good = frame(0, 61, 62);
    parser.feed(good.constData(), good.size());
    const QList<CEEGManager::EEGData> frames = takeAll(parser);
    QCOMPARE(frames.size(), 1);
    QCOMPARE(int(frames.at(0).attention), 61);
}

void tst_EEGFrameParser::agreesWithReferenceSearch()
{
    QRandomGenerator random(2024);
    for (int stream = 0; stream < 200; ++stream) {
        // Good frames, bad checksums, cut frames, sync pairs and junk, cut at random places.
        QByteArray bytes;
        while (bytes.size() < 2000) {
            QByteArray piece = frame(random.bounded(3), random.bounded(256), random.bounded(256),
                random.bounded(4) == 0 ? random.bounded(40) : 32);
            switch (random.bounded(5)) {
            case 0:
                piece[35] = char(piece.at(35) ^ 0x10);
                break;
            case 1:
                piece = piece.left(random.bounded(1, 36));
                break;
            case 2:
                piece = QByteArray(random.bounded(1, 6), char(0xAA));
                break;
            default:
                break;
            }
            bytes += piece;
        }
        CEEGFrameParser parser;
        QList<QByteArray> frames;
        for (int at = 0; at < bytes.size();) {
            const int chunk = qMin(int(random.bounded(1, 100)), bytes.size() - at);
            parser.feed(bytes.constData() + at, chunk);
            at += chunk;
            for (const CEEGManager::EEGData &data : takeAll(parser))
                frames << QByteArray(1, char(data.noise))
                        + QByteArray(reinterpret_cast<const char *>(data.eegPower), 24)
                        + char(data.attention) + char(data.mediation);
        }
        QList<QByteArray> expected;
        for (const QByteArray &whole : referenceFrames(bytes))
            expected << whole.mid(4, 1) + whole.mid(7, 24) + whole.mid(32, 1) + whole.mid(34, 1);
        QCOMPARE(frames, expected);
    }
}

QTEST_GUILESS_MAIN(tst_EEGFrameParser)
#include "tst_eegframeparser.moc"
