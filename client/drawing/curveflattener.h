// CurveFlattener: turns curves into polylines that stay within a tolerance of them, so that an arm
// moving in straight lines draws the curve.
#pragma once

#include <QPointF>
#include <QPolygonF>

class CurveFlattener
{
public:
    // No curve is cut into more pieces than this, whatever its size and the tolerance.
    static constexpr int MaxSegmentsPerCurve = 20000;

    // tolerance: the largest distance between the curve and its polyline, in the curve's units.
    explicit CurveFlattener(double tolerance);

    // Appends the cubic Bezier curve from the polyline's last point through the control points c1
    // and c2 to end, without repeating the last point.
    void appendCubic(
        QPolygonF &polyline, const QPointF &c1, const QPointF &c2, const QPointF &end) const;
    // Appends the circular arc from the polyline's last point around centre to end, clockwise or
    // counter-clockwise (y up); a whole circle when end is the start. A start and an end at
    // slightly different distances from the centre are joined by a radius that changes evenly.
    void appendArc(
        QPolygonF &polyline, const QPointF &centre, const QPointF &end, bool clockwise) const;

private:
    double tolerance;
};
