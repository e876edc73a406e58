// PenDrawing: what a drawing file holds for a pen: strokes, each a polyline drawn without lifting
// the pen, in millimetres on the paper, x to the right and y away from the reader.
#pragma once

#include <QPolygonF>
#include <QRectF>
#include <QStringList>
#include <QVector>

class PenDrawing
{
public:
    // More segments than this would fill a table no one can run; the readers refuse the file.
    static constexpr int MaxSegments = 500000;
    // Files larger than this are refused before they are read.
    static constexpr qint64 MaxFileBytes = 50 * 1024 * 1024;

    QVector<QPolygonF> strokes;
    // What the reader left out or assumed, one line each, for the user to read.
    QStringList warnings;

    // Adds a stroke of two points or more; shorter ones draw nothing.
    void addStroke(const QPolygonF &stroke);
    bool isEmpty() const;
    int segmentCount() const;
    QRectF bounds() const;
};
