// An Intel hex file read independently of avrdude, to check what a board received.
#pragma once

#include <QByteArray>
#include <QList>

// The bytes of the data records, placed at their 16-bit addresses from 0; gaps read 0xFF.
inline QByteArray hexImage(const QByteArray &hexFile)
{
    QByteArray image;
    for (const QByteArray &line : hexFile.split('\n')) {
        const QByteArray record = QByteArray::fromHex(line.trimmed().mid(1));
        if (record.size() < 5 || record.at(3) != 0)
            continue;
        const int address = quint8(record.at(1)) << 8 | quint8(record.at(2));
        const int size = quint8(record.at(0));
        if (image.size() < address + size)
            image.append(address + size - image.size(), char(0xFF));
        image.replace(address, size, record.mid(4, size));
    }
    return image;
}
