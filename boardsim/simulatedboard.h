// An ATmega2560 board with the wiring (STK500v2) bootloader, simulated behind a pseudo-terminal
// so that the real avrdude can write and verify firmware without hardware.
#pragma once

#include <QByteArray>
#include <QObject>
#include <QString>

class QSocketNotifier;

class SimulatedBoard : public QObject
{
    Q_OBJECT

public:
    static constexpr int flashSize = 256 * 1024;

    explicit SimulatedBoard(QObject *parent = nullptr);
    ~SimulatedBoard() override;

    // Creates the pseudo-terminal; false when the system gives none.
    bool open();
    // The device avrdude opens, such as "/dev/pts/3".
    QString portName() const { return slaveName; }
    // The whole flash memory; never written bytes read 0xFF, as on an erased chip.
    const QByteArray &flash() const { return flashMemory; }
    // A worn-out chip: the first byte of every written block keeps a bit of the erased state.
    void setFaultyWrites(bool faulty) { faultyWrites = faulty; }

signals:
    // A block of flash was written, as avrdude sends them page by page.
    void flashWritten(quint32 byteAddress, int size);
    // A programming session ended (avrdude left programming mode).
    void sessionEnded(int bytesWritten);
    // A command this bootloader does not know, answered as unknown.
    void unknownCommand(quint8 command);

private slots:
    void onReadable();

private:
    void handleFrame(quint8 sequence, const QByteArray &body);
    QByteArray answer(const QByteArray &body);
    QByteArray spiMulti(const QByteArray &body) const;
    // What a universal ISP read (signature, fuse or lock byte) returns.
    static quint8 ispReadByte(quint8 b0, quint8 b1, quint8 b2);
    void send(quint8 sequence, const QByteArray &body);

    int master = -1;
    // Held open so that the terminal stays usable between avrdude runs.
    int slave = -1;
    QString slaveName;
    QSocketNotifier *notifier = nullptr;
    QByteArray input;
    QByteArray flashMemory;
    quint32 byteAddress = 0;
    int bytesWritten = 0;
    bool faultyWrites = false;
};
