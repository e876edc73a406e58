// CEEGFrameParser: cuts the headset's byte stream into checked 36-byte frames.
#pragma once

#include "eeg/ceegmanager.h"

#include <QLoggingCategory>
#include <QVector>

Q_DECLARE_LOGGING_CATEGORY(lcEEG)

class CEEGFrameParser
{
public:
    static constexpr int frameSize = 36;

    // Appends received bytes; they wait until takeFrame consumes them.
    void feed(const char *data, int size);
    // Takes the next good frame out of the buffer before returning it, so that more bytes may be
    // fed and frames taken while the caller still handles this one. False while no complete good
    // frame is held; the bytes of a partial frame are kept for the next feed.
    bool takeFrame(CEEGManager::EEGData *frame);
    // Bytes received but not yet consumed.
    int pendingBytes() const { return buffer.size() - readPos; }
    // Bytes the buffer holds, consumed ones included; bounded by compaction.
    int bufferedBytes() const { return buffer.size(); }

    // The one's complement of the byte sum of the payload.
    static quint8 checksum(const quint8 *payload, int length);

private:
    // Skips bytes that cannot start a frame, keeping at least frameSize - 1 of them.
    void skipToSync();
    void compact();

    QVector<quint8> buffer;
    // Bytes before readPos are consumed; removing them one by one would be quadratic.
    int readPos = 0;
};
