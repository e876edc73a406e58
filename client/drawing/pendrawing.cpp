// PenDrawing: what a drawing file holds for a pen.
#include "drawing/pendrawing.h"

#include <algorithm>

void PenDrawing::addStroke(const QPolygonF &stroke)
{
    if (stroke.size() >= 2)
        strokes.append(stroke);
}

bool PenDrawing::isEmpty() const
{
    return strokes.isEmpty();
}

int PenDrawing::segmentCount() const
{
    int count = 0;
    for (const QPolygonF &stroke : strokes)
        count += stroke.size() - 1;
    return count;
}

QRectF PenDrawing::bounds() const
{
    // From the points, since a straight horizontal or vertical stroke has an empty bounding rect,
    // which QRectF::united() would drop.
    if (strokes.isEmpty())
        return {};
    double left = strokes.first().first().x(), right = left;
    double top = strokes.first().first().y(), bottom = top;
    for (const QPolygonF &stroke : strokes)
        for (const QPointF &point : stroke) {
            left = std::min(left, point.x());
            right = std::max(right, point.x());
            top = std::min(top, point.y());
            bottom = std::max(bottom, point.y());
        }
    return QRectF(QPointF(left, top), QPointF(right, bottom));
}
