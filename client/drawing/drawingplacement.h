// DrawingPlacement: where a drawing lands on the arm's table, how large and turned how far, and
// the surface the pen draws on; and the table rows that draw it there.
#pragma once

#include "drawing/surfaceplane.h"
#include "playback/playbackpoint.h"

#include <QLineF>
#include <QPointF>
#include <QPolygonF>
#include <QRectF>
#include <QTransform>
#include <QVector>

class DrawingPlacement
{
public:
    // What a placed drawing leaves outside the arm's reach.
    struct Reach
    {
        // The strokes where they land seen from above, arm mm.
        QVector<QPolygonF> strokes;
        // The stretches of them that lie outside the reach, arm mm.
        QVector<QLineF> outside;
        double drawnLength = 0;
        double outsideLength = 0;
        int pointsOutside = 0;
    };

    // Paper mm per drawing mm.
    double scale = 1;
    // Degrees, counter-clockwise seen from above.
    double rotation = 0;
    // Where the centre of the drawing's bounds lands, arm mm.
    QPointF centre;
    SurfacePlane surface = SurfacePlane::level(0);

    // Maps the drawing's mm to the arm's x and y.
    QTransform transform(const QRectF &drawingBounds) const;
    // Whether the pen reaches x, y on the surface, as the table's reach check sees it.
    bool reaches(double x, double y) const;
    Reach checkReach(const QVector<QPolygonF> &strokes, const QRectF &drawingBounds) const;

    // The rows that draw the strokes in their order: a JUMP to each stroke's start and a MOVL to
    // each point after it (points the table would show as one are one row), then a MOVL lift mm
    // straight up, so that the pen leaves the paper.
    PlaybackPoints rows(
        const QVector<QPolygonF> &strokes, const QRectF &drawingBounds, double lift) const;

    // Makes the drawing, turned by the rotation, as large as its bounds fit within the arm's
    // reach on the surface, with a margin, but no larger than largestScale, and centres it there
    // in front of the arm. False, with the placement unchanged, when no size fits.
    bool fit(const QRectF &drawingBounds, double largestScale = 1e9);
};
