// A serial port as the download utility sees it, and the choice of the controller board among them.
#pragma once

#include <QString>
#include <QVector>

struct BoardPort
{
    QString portName;
    // The device path avrdude opens on systems where the short port name is not one.
    QString systemLocation;
    QString description;
    QString manufacturer;
};

// The description the controller board enumerates with.
extern const QLatin1String boardDescription;

// The serial ports the system reports, in its order. ARVEX_BOARD_PORT, when set, names a device
// (a simulated board, or one the system does not describe) that is taken as the board, first.
QVector<BoardPort> availableBoardPorts();

// The index of the first port described exactly as the board, or -1 when there is none.
int findBoardPort(const QVector<BoardPort> &ports);

// The port as avrdude's -P option takes it.
QString avrdudePortName(const BoardPort &port);
