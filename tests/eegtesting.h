// Shared pieces of the EEG tests: headset frames built by hand and a pseudo-terminal that stands
// in for the headset's serial port.
#pragma once

#include <QByteArray>
#include <QString>
#include <QtGlobal>

#ifdef Q_OS_UNIX
#include <fcntl.h>
#include <stdlib.h>
#include <unistd.h>
#endif

namespace eegtesting {

// A headset frame: sync pair, payload length, signal quality at byte 4, 24 band-power bytes,
// attention at 32, meditation at 34 and the checksum after the payload (byte 35 for length 32).
inline QByteArray frame(int noise, int attention, int mediation, int length = 32)
{
    QByteArray bytes(36, '\0');
    bytes[0] = char(0xAA);
    bytes[1] = char(0xAA);
    bytes[2] = char(length);
    bytes[3] = 0x02;
    bytes[4] = char(noise);
    bytes[5] = char(0x83);
    bytes[6] = 0x18;
    for (int i = 7; i <= 30; ++i)
        bytes[i] = char(i * 3);
    bytes[31] = 0x04;
    bytes[32] = char(attention);
    bytes[33] = 0x05;
    bytes[34] = char(mediation);
    if (length <= 32) {
        unsigned sum = 0;
        for (int i = 3; i < 3 + length; ++i)
            sum += quint8(bytes[i]);
        bytes[3 + length] = char(~sum);
    }
    return bytes;
}

#ifdef Q_OS_UNIX
// The master side of a pseudo-terminal; the client opens the slave as its serial port.
class PtyWriter
{
public:
    PtyWriter()
    {
        master = ::posix_openpt(O_RDWR | O_NOCTTY);
        if (master >= 0 && ::grantpt(master) == 0 && ::unlockpt(master) == 0)
            name = QString::fromLocal8Bit(::ptsname(master));
        if (master >= 0)
            ::fcntl(master, F_SETFL, ::fcntl(master, F_GETFL) | O_NONBLOCK);
    }
    ~PtyWriter() { close(); }
    PtyWriter(const PtyWriter &) = delete;
    PtyWriter &operator=(const PtyWriter &) = delete;

    bool isOpen() const { return master >= 0 && !name.isEmpty(); }
    QString slaveName() const { return name; }
    bool write(const QByteArray &bytes)
    {
        return ::write(master, bytes.constData(), size_t(bytes.size())) == bytes.size();
    }
    // What the client wrote to its port so far.
    QByteArray readAll()
    {
        QByteArray result;
        char chunk[256];
        ssize_t count = 0;
        while ((count = ::read(master, chunk, sizeof chunk)) > 0)
            result.append(chunk, int(count));
        return result;
    }
    // Unplugs the headset: the slave's reads fail from now on.
    void close()
    {
        if (master >= 0)
            ::close(master);
        master = -1;
    }

private:
    int master = -1;
    QString name;
};
#endif

} // namespace eegtesting
