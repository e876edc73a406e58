// What both drawing readers promise for any input: a refusal with a reason that leaves the
// drawing empty, or strokes of finite points within the size a table can take.
#pragma once

#include "drawing/pendrawing.h"
#include "fuzzsupport.h"

#include <cmath>
#include <cstddef>
#include <cstdint>

namespace FuzzSupport {

inline void requireSoundReading(bool read, const PenDrawing &drawing, const QString &error)
{
    if (!read) {
        require(!error.isEmpty(), "a refused file gets a reason");
        require(drawing.strokes.isEmpty(), "a refused file leaves the drawing empty");
        return;
    }
    require(!drawing.isEmpty(), "a read drawing draws something");
    require(drawing.segmentCount() <= PenDrawing::MaxSegments, "segments within the limit");
    for (const QPolygonF &stroke : drawing.strokes) {
        require(stroke.size() >= 2, "every stroke has two points or more");
        for (const QPointF &point : stroke)
            require(std::isfinite(point.x()) && std::isfinite(point.y()), "finite points");
    }
}

// Reads the fuzzer's bytes with a reader's read function and checks the outcome.
using DrawingRead = bool (*)(const QByteArray &, double, PenDrawing &, QString &);
inline void readDrawing(DrawingRead read, const uint8_t *data, size_t size)
{
    const QByteArray bytes
        = QByteArray::fromRawData(reinterpret_cast<const char *>(data), int(size));
    PenDrawing drawing;
    QString error;
    const bool done = read(bytes, 0.1, drawing, error);
    requireSoundReading(done, drawing, error);
}

} // namespace FuzzSupport
