// The serial ports the utility can download to, and the choice of the board among them.
#include "boardport.h"

#include <QSerialPortInfo>

const QLatin1String boardDescription("Arduino Mega 2560");

QVector<BoardPort> availableBoardPorts()
{
    QVector<BoardPort> ports;
    const QString givenPort = qEnvironmentVariable("ARVEX_BOARD_PORT");
    if (!givenPort.isEmpty())
        ports.append(
            { givenPort, givenPort, boardDescription, QStringLiteral("ARVEX_BOARD_PORT") });
    const QList<QSerialPortInfo> infos = QSerialPortInfo::availablePorts();
    for (const QSerialPortInfo &info : infos)
        ports.append(
            { info.portName(), info.systemLocation(), info.description(), info.manufacturer() });
    return ports;
}

int findBoardPort(const QVector<BoardPort> &ports)
{
    for (int i = 0; i < ports.size(); ++i) {
        if (ports.at(i).description == boardDescription)
            return i;
    }
    return -1;
}

QString avrdudePortName(const BoardPort &port)
{
#ifdef Q_OS_WIN
    // avrdude takes "COM3" as it is.
    return port.portName;
#else
    // Elsewhere the short name ("ttyACM0") is no path avrdude could open.
    return port.systemLocation;
#endif
}
