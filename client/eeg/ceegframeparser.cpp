// CEEGFrameParser: cuts the headset's byte stream into checked 36-byte frames.
#include "eeg/ceegframeparser.h"

#include <QByteArray>

#include <cstring>

Q_LOGGING_CATEGORY(lcEEG, "arvex.eeg")

namespace {
const quint8 syncByte = 0xAA;
// Payload bytes that fit in a frame after the two sync bytes, the length and the checksum.
const int maxPayloadLength = CEEGFrameParser::frameSize - 4;
} // namespace

void CEEGFrameParser::feed(const char *data, int size)
{
    if (size <= 0)
        return;
    compact();
    const int oldSize = buffer.size();
    buffer.resize(oldSize + size);
    std::memcpy(buffer.data() + oldSize, data, size_t(size));
}

void CEEGFrameParser::compact()
{
    // Only once the consumed part outweighs the rest, so each byte is moved a bounded number of
    // times on average.
    if (readPos == 0 || readPos < buffer.size() - readPos)
        return;
    buffer.remove(0, readPos);
    readPos = 0;
}

quint8 CEEGFrameParser::checksum(const quint8 *payload, int length)
{
    quint8 sum = 0;
    for (int i = 0; i < length; ++i)
        sum = quint8(sum + payload[i]);
    return quint8(~sum);
}

void CEEGFrameParser::skipToSync()
{
    const quint8 *data = buffer.constData();
    // The last position at which a whole frame is held; bytes after it may be a partial frame.
    const int lastStart = buffer.size() - frameSize;
    while (readPos <= lastStart) {
        if (data[readPos] == syncByte && data[readPos + 1] == syncByte)
            return;
        const void *next = std::memchr(data + readPos + 1, syncByte, size_t(lastStart - readPos));
        readPos = next ? int(static_cast<const quint8 *>(next) - data) : lastStart + 1;
    }
}

bool CEEGFrameParser::takeFrame(CEEGManager::EEGData *frame)
{
    for (;;) {
        skipToSync();
        if (pendingBytes() < frameSize)
            return false;
        const quint8 *bytes = buffer.constData() + readPos;
        if (lcEEG().isDebugEnabled()) {
            const QByteArray hex
                = QByteArray::fromRawData(reinterpret_cast<const char *>(bytes), frameSize)
                      .toHex(' ')
                + ' ';
            qCDebug(lcEEG).noquote() << hex;
        }
        // A longer payload would put the checksum beyond the frame: whatever bytes followed,
        // the frame could not be taken whole, so it fails here and the search moves on.
        const int length = bytes[2];
        if (length > maxPayloadLength) {
            ++readPos;
            qCDebug(lcEEG) << "Verify failed!!!!!! payload length" << length;
            continue;
        }
        const quint8 expected = checksum(bytes + 3, length);
        const quint8 received = bytes[3 + length];
        if (expected != received) {
            // One byte only, so that a sync pair inside the rejected bytes is tried next.
            ++readPos;
            qCDebug(lcEEG) << "Verify failed!!!!!!" << uint(expected) << uint(received);
            continue;
        }
        frame->noise = bytes[4];
        std::memcpy(frame->eegPower, bytes + 7, sizeof frame->eegPower);
        frame->attention = bytes[32];
        frame->mediation = bytes[34];
        readPos += frameSize;
        return true;
    }
}
