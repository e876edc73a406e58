// The Intel hex check: record syntax, lengths, checksums and the end-of-file record.
#include "intelhex.h"

#include <QCoreApplication>
#include <QIODevice>

#include <cctype>
#include <iterator>

namespace {
// The longest record: a colon and 2 digits for each of 255 data bytes and 5 framing bytes.
constexpr int longestRecord = 1 + 2 * (255 + 5);
constexpr int endOfFileType = 1;
// The data bytes each record type holds; -1 for data records, which hold any number.
constexpr int dataSizeOfType[] = { -1, 0, 2, 4, 2, 4 };

QString lineError(int line, const QString &problem)
{
    return QCoreApplication::translate("IntelHex", "line %1 %2").arg(line).arg(problem);
}

bool isHexDigits(const QByteArray &text)
{
    for (const char c : text) {
        if (!std::isxdigit(static_cast<unsigned char>(c)))
            return false;
    }
    return text.size() % 2 == 0;
}

// What is wrong with one line; empty when it is a sound record (or blank).
QString recordError(const QByteArray &line, int *type)
{
    *type = -1;
    if (line.isEmpty())
        return QString();
    if (line.at(0) != ':')
        return QCoreApplication::translate("IntelHex", "does not start with ':'");
    const QByteArray digits = line.mid(1);
    if (!isHexDigits(digits))
        return QCoreApplication::translate("IntelHex", "is not made of hexadecimal digit pairs");
    const QByteArray record = QByteArray::fromHex(digits);
    if (record.size() < 5)
        return QCoreApplication::translate("IntelHex", "is too short for a record");
    const int dataSize = quint8(record.at(0));
    if (record.size() != dataSize + 5)
        return QCoreApplication::translate("IntelHex", "says %1 data bytes but holds %2")
            .arg(dataSize)
            .arg(record.size() - 5);
    quint8 sum = 0;
    for (const char byte : record)
        sum += quint8(byte);
    if (sum != 0)
        return QCoreApplication::translate("IntelHex", "has a wrong checksum");
    *type = quint8(record.at(3));
    if (*type >= int(std::size(dataSizeOfType)))
        return QCoreApplication::translate("IntelHex", "has the unknown record type %1").arg(*type);
    if (dataSizeOfType[*type] >= 0 && dataSize != dataSizeOfType[*type])
        return QCoreApplication::translate("IntelHex", "is a record of type %1 with %2 data bytes")
            .arg(*type)
            .arg(dataSize);
    return QString();
}
} // namespace

QString intelHexError(QIODevice *device)
{
    for (int lineNumber = 1; !device->atEnd(); ++lineNumber) {
        // Room for the line break after the longest record, and one byte more to see a longer line.
        const QByteArray line = device->readLine(longestRecord + 4);
        if (!line.endsWith('\n') && !device->atEnd())
            return lineError(
                lineNumber, QCoreApplication::translate("IntelHex", "is longer than any record"));
        int type = -1;
        const QString problem = recordError(line.trimmed(), &type);
        if (!problem.isEmpty())
            return lineError(lineNumber, problem);
        // What follows the end-of-file record is no part of the image.
        if (type == endOfFileType)
            return QString();
    }
    return QCoreApplication::translate("IntelHex", "the end-of-file record is missing");
}
