// CurveFlattener: turns curves into polylines within a tolerance.
#include "drawing/curveflattener.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr double Pi = 3.14159265358979323846;

int pieces(double wanted)
{
    if (!(wanted >= 1))
        return 1;
    return int(std::min(std::ceil(wanted), double(CurveFlattener::MaxSegmentsPerCurve)));
}

double length(const QPointF &vector)
{
    return std::hypot(vector.x(), vector.y());
}

} // namespace

CurveFlattener::CurveFlattener(double tolerance)
    : tolerance(tolerance > 0 ? tolerance : 0.1)
{ }

void CurveFlattener::appendCubic(
    QPolygonF &polyline, const QPointF &c1, const QPointF &c2, const QPointF &end) const
{
    const QPointF start = polyline.last();
    // Evenly spaced parameters keep every piece within tolerance when there are at least
    // sqrt(3/4 * M / tolerance) of them, M the largest second difference of the control points.
    const double m = std::max(length(start - 2 * c1 + c2), length(c1 - 2 * c2 + end));
    const int n = pieces(std::sqrt(0.75 * m / tolerance));
    for (int i = 1; i < n; ++i) {
        const double t = double(i) / n;
        const double u = 1 - t;
        polyline.append(
            u * u * u * start + 3 * u * u * t * c1 + 3 * u * t * t * c2 + t * t * t * end);
    }
    polyline.append(end);
}

void CurveFlattener::appendArc(
    QPolygonF &polyline, const QPointF &centre, const QPointF &end, bool clockwise) const
{
    const QPointF start = polyline.last();
    const double startRadius = length(start - centre);
    const double endRadius = length(end - centre);
    const double startAngle = std::atan2(start.y() - centre.y(), start.x() - centre.x());
    const double endAngle = std::atan2(end.y() - centre.y(), end.x() - centre.x());
    // The turn from start to end in the arc's direction, in (0, 2 pi]: a whole circle when the
    // two meet.
    double sweep = clockwise ? startAngle - endAngle : endAngle - startAngle;
    sweep = std::fmod(sweep, 2 * Pi);
    if (sweep <= 1e-12)
        sweep += 2 * Pi;
    if (clockwise)
        sweep = -sweep;
    const double radius = std::max(startRadius, endRadius);
    // A chord of angle a strays r (1 - cos(a / 2)) from its arc.
    const double chordAngle = radius > tolerance ? 2 * std::acos(1 - tolerance / radius) : Pi / 2;
    const int n = pieces(std::abs(sweep) / std::min(chordAngle, Pi / 2));
    for (int i = 1; i < n; ++i) {
        const double t = double(i) / n;
        const double angle = startAngle + sweep * t;
        const double r = startRadius + (endRadius - startRadius) * t;
        polyline.append(centre + QPointF(std::cos(angle), std::sin(angle)) * r);
    }
    polyline.append(end);
}
