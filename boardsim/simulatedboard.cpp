// The STK500v2 bootloader of an ATmega2560 board behind a pseudo-terminal.
#include "simulatedboard.h"

#include <QSocketNotifier>

#include <fcntl.h>
#include <stdlib.h>
#include <termios.h>
#include <unistd.h>

namespace {
// STK500v2 framing and the commands the wiring bootloader answers.
constexpr quint8 messageStart = 0x1B;
constexpr quint8 token = 0x0E;
constexpr quint8 cmdSignOn = 0x01;
constexpr quint8 cmdSetParameter = 0x02;
constexpr quint8 cmdGetParameter = 0x03;
constexpr quint8 cmdLoadAddress = 0x06;
constexpr quint8 cmdEnterProgmodeIsp = 0x10;
constexpr quint8 cmdLeaveProgmodeIsp = 0x11;
constexpr quint8 cmdChipEraseIsp = 0x12;
constexpr quint8 cmdProgramFlashIsp = 0x13;
constexpr quint8 cmdReadFlashIsp = 0x14;
constexpr quint8 cmdReadFuseIsp = 0x18;
constexpr quint8 cmdReadLockIsp = 0x1A;
constexpr quint8 cmdReadSignatureIsp = 0x1B;
constexpr quint8 cmdSpiMulti = 0x1D;
constexpr quint8 statusOk = 0x00;
constexpr quint8 statusFailed = 0xC0;
constexpr quint8 statusUnknown = 0xC9;

constexpr quint8 signature[3] = { 0x1E, 0x98, 0x01 };
constexpr quint8 lowFuse = 0xFF;
constexpr quint8 highFuse = 0xD8;
constexpr quint8 extendedFuse = 0xFD;
constexpr quint8 lockBits = 0xCF;

quint8 parameter(quint8 id)
{
    switch (id) {
    case 0x90: // hardware version
        return 0x0F;
    case 0x91: // software major
        return 0x02;
    case 0x92: // software minor
        return 0x0A;
    case 0x94: // target voltage, tenths of a volt
        return 50;
    default:
        return 0;
    }
}

quint32 bigEndian32(const QByteArray &bytes, int at)
{
    return quint32(quint8(bytes.at(at))) << 24 | quint32(quint8(bytes.at(at + 1))) << 16
        | quint32(quint8(bytes.at(at + 2))) << 8 | quint32(quint8(bytes.at(at + 3)));
}

int bigEndian16(const QByteArray &bytes, int at)
{
    return quint8(bytes.at(at)) << 8 | quint8(bytes.at(at + 1));
}
} // namespace

SimulatedBoard::SimulatedBoard(QObject *parent)
    : QObject(parent)
    , flashMemory(flashSize, char(0xFF))
{ }

SimulatedBoard::~SimulatedBoard()
{
    if (slave >= 0)
        ::close(slave);
    if (master >= 0)
        ::close(master);
}

bool SimulatedBoard::open()
{
    master = posix_openpt(O_RDWR | O_NOCTTY);
    if (master < 0 || grantpt(master) != 0 || unlockpt(master) != 0)
        return false;
    slaveName = QString::fromLocal8Bit(ptsname(master));
    slave = ::open(ptsname(master), O_RDWR | O_NOCTTY);
    if (slave < 0)
        return false;
    // Binary bytes both ways, no echo: what a USB serial port gives.
    termios settings {};
    tcgetattr(slave, &settings);
    cfmakeraw(&settings);
    tcsetattr(slave, TCSANOW, &settings);

    notifier = new QSocketNotifier(master, QSocketNotifier::Read, this);
    connect(notifier, &QSocketNotifier::activated, this, &SimulatedBoard::onReadable);
    return true;
}

void SimulatedBoard::onReadable()
{
    char buffer[4096];
    const ssize_t count = ::read(master, buffer, sizeof buffer);
    if (count <= 0)
        return;
    input.append(buffer, int(count));

    for (;;) {
        const int start = input.indexOf(char(messageStart));
        if (start < 0) {
            input.clear();
            return;
        }
        input.remove(0, start);
        if (input.size() < 5)
            return;
        if (quint8(input.at(4)) != token) {
            input.remove(0, 1);
            continue;
        }
        const int size = bigEndian16(input, 2);
        if (input.size() < 5 + size + 1)
            return;
        quint8 checksum = 0;
        for (int i = 0; i < 5 + size + 1; ++i)
            checksum ^= quint8(input.at(i));
        const quint8 sequence = quint8(input.at(1));
        const QByteArray body = input.mid(5, size);
        input.remove(0, 5 + size + 1);
        // A damaged frame gets no answer; avrdude sends it again after its time-out.
        if (checksum == 0 && !body.isEmpty())
            handleFrame(sequence, body);
    }
}

void SimulatedBoard::handleFrame(quint8 sequence, const QByteArray &body)
{
    send(sequence, answer(body));
}

QByteArray SimulatedBoard::answer(const QByteArray &body)
{
    const quint8 command = quint8(body.at(0));
    QByteArray reply;
    reply.append(char(command));
    switch (command) {
    case cmdSignOn:
        reply.append(char(statusOk));
        reply.append(char(8));
        reply.append("AVRISP_2");
        return reply;
    case cmdGetParameter:
        reply.append(char(statusOk));
        reply.append(char(parameter(body.size() > 1 ? quint8(body.at(1)) : 0)));
        return reply;
    case cmdSetParameter:
    case cmdEnterProgmodeIsp:
    case cmdChipEraseIsp:
        reply.append(char(statusOk));
        return reply;
    case cmdLeaveProgmodeIsp:
        reply.append(char(statusOk));
        emit sessionEnded(bytesWritten);
        bytesWritten = 0;
        return reply;
    case cmdLoadAddress: {
        if (body.size() < 5) {
            reply.append(char(statusFailed));
            return reply;
        }
        // Word address; the top bit only asks for the extended address byte to be loaded.
        byteAddress = (bigEndian32(body, 1) & 0x7FFFFFFF) * 2;
        reply.append(char(statusOk));
        return reply;
    }
    case cmdProgramFlashIsp: {
        const int size = body.size() >= 3 ? bigEndian16(body, 1) : -1;
        if (size < 0 || body.size() < 10 + size || byteAddress + quint32(size) > flashSize) {
            reply.append(char(statusFailed));
            return reply;
        }
        flashMemory.replace(int(byteAddress), size, body.mid(10, size));
        if (faultyWrites && size > 0)
            flashMemory[int(byteAddress)] = char(flashMemory.at(int(byteAddress)) | 0x80);
        emit flashWritten(byteAddress, size);
        byteAddress += quint32(size);
        bytesWritten += size;
        reply.append(char(statusOk));
        return reply;
    }
    case cmdReadFlashIsp: {
        const int size = body.size() >= 3 ? bigEndian16(body, 1) : -1;
        if (size < 0 || byteAddress + quint32(size) > flashSize) {
            reply.append(char(statusFailed));
            return reply;
        }
        reply.append(char(statusOk));
        reply.append(flashMemory.mid(int(byteAddress), size));
        reply.append(char(statusOk));
        byteAddress += quint32(size);
        return reply;
    }
    case cmdReadFuseIsp:
    case cmdReadLockIsp:
    case cmdReadSignatureIsp: {
        if (body.size() < 6) {
            reply.append(char(statusFailed));
            return reply;
        }
        reply.append(char(statusOk));
        reply.append(char(ispReadByte(quint8(body.at(2)), quint8(body.at(3)), quint8(body.at(4)))));
        reply.append(char(statusOk));
        return reply;
    }
    case cmdSpiMulti:
        return spiMulti(body);
    default:
        emit unknownCommand(command);
        reply.append(char(statusUnknown));
        return reply;
    }
}

QByteArray SimulatedBoard::spiMulti(const QByteArray &body) const
{
    QByteArray reply(1, char(cmdSpiMulti));
    if (body.size() < 4 || body.size() < 4 + quint8(body.at(1))) {
        reply.append(char(statusFailed));
        return reply;
    }
    const int transmitted = quint8(body.at(1));
    const int received = quint8(body.at(2));
    const int receiveStart = quint8(body.at(3));
    const QByteArray sent = body.mid(4, transmitted);
    // The answer of a four-byte ISP instruction comes back while its last byte goes out.
    QByteArray clockedIn(qMax(transmitted, 4), char(0));
    if (sent.size() >= 4)
        clockedIn[3]
            = char(ispReadByte(quint8(sent.at(0)), quint8(sent.at(1)), quint8(sent.at(2))));
    reply.append(char(statusOk));
    for (int i = 0; i < received; ++i) {
        const int at = receiveStart + i;
        reply.append(at < clockedIn.size() ? clockedIn.at(at) : char(0));
    }
    reply.append(char(statusOk));
    return reply;
}

quint8 SimulatedBoard::ispReadByte(quint8 b0, quint8 b1, quint8 b2)
{
    if (b0 == 0x30)
        return b2 < 3 ? signature[b2] : 0xFF;
    if (b0 == 0x50 && b1 == 0x00)
        return lowFuse;
    if (b0 == 0x58 && b1 == 0x08)
        return highFuse;
    if (b0 == 0x50 && b1 == 0x08)
        return extendedFuse;
    if (b0 == 0x58 && b1 == 0x00)
        return lockBits;
    return 0xFF;
}

void SimulatedBoard::send(quint8 sequence, const QByteArray &body)
{
    QByteArray frame;
    frame.append(char(messageStart));
    frame.append(char(sequence));
    frame.append(char(body.size() >> 8));
    frame.append(char(body.size() & 0xFF));
    frame.append(char(token));
    frame.append(body);
    quint8 checksum = 0;
    for (const char byte : qAsConst(frame))
        checksum ^= quint8(byte);
    frame.append(char(checksum));
    const char *data = frame.constData();
    qint64 left = frame.size();
    while (left > 0) {
        const ssize_t written = ::write(master, data, size_t(left));
        if (written <= 0)
            return;
        data += written;
        left -= written;
    }
}
