// Fuzzes the headset's frame parser: no crash, no undefined behaviour, the same frames however the
// bytes arrive in reads, and a buffer that stays small however much junk comes in.
#include "eeg/ceegframeparser.h"
#include "fuzzsupport.h"

#include <QByteArray>
#include <QLoggingCategory>
#include <QVector>

#include <cstring>

namespace {

using FuzzSupport::require;
using Frame = CEEGManager::EEGData;

// Frames compare as bytes: EEGData holds only quint8 members, so there is no padding.
bool sameFrames(const QVector<Frame> &a, const QVector<Frame> &b)
{
    return a.size() == b.size()
        && (a.isEmpty()
            || std::memcmp(a.constData(), b.constData(), sizeof(Frame) * a.size()) == 0);
}

void takeAll(CEEGFrameParser &parser, QVector<Frame> &frames)
{
    Frame frame;
    while (parser.takeFrame(&frame))
        frames << frame;
    require(parser.pendingBytes() < CEEGFrameParser::frameSize,
        "no whole frame's worth of bytes is left once no frame is taken");
}

// The read sizes come from the bytes themselves, so that each input has its own cuts and a
// finding replays with the same ones.
quint32 seedOf(const uint8_t *data, size_t size)
{
    quint32 hash = 2166136261u;
    for (size_t i = 0; i < size; ++i)
        hash = (hash ^ data[i]) * 16777619u;
    return hash;
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int *, char ***)
{
    FuzzSupport::silenceMessages();
    // Each candidate frame is logged as hex; formatting it would only slow the run down.
    QLoggingCategory::setFilterRules(QStringLiteral("arvex.eeg.debug=false"));
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const char *bytes = reinterpret_cast<const char *>(data);

    CEEGFrameParser whole;
    whole.feed(bytes, int(size));
    QVector<Frame> wholeFrames;
    takeAll(whole, wholeFrames);
    require(wholeFrames.size() <= int(size) / CEEGFrameParser::frameSize, "frames do not overlap");

    CEEGFrameParser pieces;
    QVector<Frame> pieceFrames;
    quint32 random = seedOf(data, size);
    for (size_t offset = 0; offset < size;) {
        random = random * 1664525u + 1013904223u;
        // Mostly reads shorter than a frame, now and then a long one.
        const size_t limit
            = (random >> 28) == 0 ? 4 * CEEGFrameParser::frameSize : CEEGFrameParser::frameSize;
        const size_t length = qMin(size - offset, 1 + (random >> 8) % limit);
        pieces.feed(bytes + offset, int(length));
        // Before taking, the buffer holds at most the last read and less than a frame from
        // before it, plus as much already consumed, which the next feed drops.
        require(pieces.bufferedBytes() <= 2 * (CEEGFrameParser::frameSize - 1) + int(length),
            "the buffer stays bounded");
        takeAll(pieces, pieceFrames);
        offset += length;
    }
    require(sameFrames(wholeFrames, pieceFrames), "the reads' cuts do not change the frames");
    require(pieces.pendingBytes() == whole.pendingBytes(), "the cuts leave the same bytes pending");
    return 0;
}
