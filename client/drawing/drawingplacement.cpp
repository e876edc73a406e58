// DrawingPlacement: where a drawing lands on the arm's table, and the rows that draw it there.
#include "drawing/drawingplacement.h"

#include "armkinematics.h"

#include <QLineF>

#include <algorithm>
#include <cmath>
#include <optional>

namespace {

// A segment is checked against the reach at least this often along its length, mm, so that a
// long straight line through the arm's foot shows as outside although both its ends are not.
constexpr double ReachSampleSpacing = 2.0;
// The fitted drawing keeps this share of the largest size that fits, so that it does not touch
// the reach's edge.
constexpr double FitMargin = 0.95;
// Samples across the drawing's bounds, per side, when fitting it.
constexpr int FitSamples = 17;
constexpr double FitFarthestCentre = 450.0;
constexpr double FitCentreStep = 2.5;

// A row's coordinate as the table shows it: tenths of a millimetre.
qint64 shownTenths(double value)
{
    return qRound64(value * 10);
}

} // namespace

QTransform DrawingPlacement::transform(const QRectF &drawingBounds) const
{
    QTransform placed;
    placed.translate(centre.x(), centre.y());
    placed.rotate(rotation);
    placed.scale(scale, scale);
    placed.translate(-drawingBounds.center().x(), -drawingBounds.center().y());
    return placed;
}

bool DrawingPlacement::reaches(double x, double y) const
{
    return bool(ArmKinematics::inverse({ x, y, surface.z(x, y), 0 }));
}

DrawingPlacement::Reach DrawingPlacement::checkReach(
    const QVector<QPolygonF> &strokes, const QRectF &drawingBounds) const
{
    const QTransform placed = transform(drawingBounds);
    Reach reach;
    reach.strokes.reserve(strokes.size());
    for (const QPolygonF &stroke : strokes) {
        reach.strokes.append(placed.map(stroke));
        const QPolygonF &landed = reach.strokes.last();
        bool previousOut = !reaches(landed.first().x(), landed.first().y());
        reach.pointsOutside += previousOut;
        for (int i = 1; i < landed.size(); ++i) {
            const QLineF segment(landed.at(i - 1), landed.at(i));
            const double length = segment.length();
            const bool endOut = !reaches(landed.at(i).x(), landed.at(i).y());
            reach.pointsOutside += endOut;
            // Each piece counts as outside when either of its ends is; neighbouring pieces
            // outside make one stretch.
            const int pieces = std::max(1, int(std::ceil(length / ReachSampleSpacing)));
            bool pieceStartOut = previousOut;
            std::optional<double> stretchStart;
            for (int k = 1; k <= pieces; ++k) {
                const QPointF at = segment.pointAt(double(k) / pieces);
                const bool pieceEndOut = k == pieces ? endOut : !reaches(at.x(), at.y());
                if (pieceStartOut || pieceEndOut) {
                    reach.outsideLength += length / pieces;
                    if (!stretchStart)
                        stretchStart = double(k - 1) / pieces;
                } else if (stretchStart) {
                    reach.outside.append(QLineF(
                        segment.pointAt(*stretchStart), segment.pointAt(double(k - 1) / pieces)));
                    stretchStart.reset();
                }
                pieceStartOut = pieceEndOut;
            }
            if (stretchStart)
                reach.outside.append(QLineF(segment.pointAt(*stretchStart), segment.p2()));
            reach.drawnLength += length;
            previousOut = endOut;
        }
    }
    return reach;
}

PlaybackPoints DrawingPlacement::rows(
    const QVector<QPolygonF> &strokes, const QRectF &drawingBounds, double lift) const
{
    const QTransform placed = transform(drawingBounds);
    PlaybackPoints rows;
    int pointCount = 0;
    for (const QPolygonF &stroke : strokes)
        pointCount += stroke.size();
    rows.reserve(pointCount + 1);
    for (const QPolygonF &stroke : strokes) {
        for (int i = 0; i < stroke.size(); ++i) {
            const QPointF at = placed.map(stroke.at(i));
            PlaybackPoint row {};
            row.motionStyle = i == 0 ? JUMP : MOVL;
            row.x = float(at.x());
            row.y = float(at.y());
            row.z = float(surface.z(at.x(), at.y()));
            if (i > 0 && shownTenths(row.x) == shownTenths(rows.last().x)
                && shownTenths(row.y) == shownTenths(rows.last().y))
                continue;
            rows.append(row);
        }
    }
    if (!rows.isEmpty()) {
        PlaybackPoint up = rows.last();
        up.motionStyle = MOVL;
        up.z += float(lift);
        rows.append(up);
    }
    return rows;
}

bool DrawingPlacement::fit(const QRectF &drawingBounds, double largestScale)
{
    const double size = std::max(drawingBounds.width(), drawingBounds.height());
    DrawingPlacement trial = *this;
    // The samples of the bounds where they land, for a scale and a centre.
    const auto fitsAt = [&](double scale, double centreX) {
        trial.scale = scale;
        trial.centre = QPointF(centreX, 0);
        const QTransform placed = trial.transform(drawingBounds);
        for (int i = 0; i < FitSamples; ++i)
            for (int j = 0; j < FitSamples; ++j) {
                const QPointF at = placed.map(drawingBounds.topLeft()
                    + QPointF(drawingBounds.width() * i, drawingBounds.height() * j)
                        / (FitSamples - 1));
                if (!trial.reaches(at.x(), at.y()))
                    return false;
            }
        return true;
    };
    // The centres along the arm's forward axis at which the drawing fits at scale.
    const auto fittingCentres = [&](double scale) {
        QVector<double> centres;
        for (double x = 0; x <= FitFarthestCentre; x += FitCentreStep)
            if (fitsAt(scale, x))
                centres.append(x);
        return centres;
    };
    if (size <= 0) {
        const QVector<double> centres = fittingCentres(scale);
        if (centres.isEmpty())
            return false;
        centre = QPointF(centres.at(centres.size() / 2), 0);
        return true;
    }
    double low = 0;
    double high = 2 * FitFarthestCentre / size;
    for (int i = 0; i < 30; ++i) {
        const double middle = (low + high) / 2;
        (fittingCentres(middle).isEmpty() ? high : low) = middle;
    }
    const double fitted = std::min(low * FitMargin, largestScale);
    const QVector<double> centres = fittingCentres(fitted);
    if (low == 0 || centres.isEmpty())
        return false;
    scale = fitted;
    centre = QPointF(centres.at(centres.size() / 2), 0);
    return true;
}
