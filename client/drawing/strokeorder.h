// StrokeOrder: the order in which the pen draws the strokes, chosen to cut its travel in the air.
#pragma once

#include <QPolygonF>
#include <QVector>

class StrokeOrder
{
public:
    // The strokes reordered, each forwards or backwards, so that the pen goes from the end of one
    // to the nearest start of those left, beginning with the file's first stroke.
    static QVector<QPolygonF> shortened(const QVector<QPolygonF> &strokes);
    // The distance the pen travels lifted from the end of one stroke to the start of the next, mm.
    static double penUpTravel(const QVector<QPolygonF> &strokes);
};
