// StrokeOrder: the order in which the pen draws the strokes.
#include "drawing/strokeorder.h"

#include <QLineF>

#include <algorithm>
#include <cmath>

namespace {

// The strokes' two ends in cells of a grid, so that the nearest end is found among a few cells
// instead of all strokes: drawings of many short strokes (hatching, text) stay fast.
class EndGrid
{
public:
    explicit EndGrid(const QVector<QPolygonF> &strokes)
        : strokes(strokes)
        , used(strokes.size(), false)
    {
        QRectF bounds;
        for (const QPolygonF &stroke : strokes)
            for (const QPointF &end : { stroke.first(), stroke.last() })
                bounds = bounds.isNull() ? QRectF(end, QSizeF(1e-9, 1e-9))
                                         : bounds.united(QRectF(end, QSizeF(1e-9, 1e-9)));
        origin = bounds.topLeft();
        // About two ends to a cell.
        side = int(std::clamp(std::sqrt(double(strokes.size())), 1.0, 2048.0));
        cellSize = std::max(bounds.width(), bounds.height()) / side + 1e-9;
        cells.resize(side * side);
        for (int i = 0; i < strokes.size(); ++i) {
            cells[cellOf(strokes.at(i).first())].append(2 * i);
            cells[cellOf(strokes.at(i).last())].append(2 * i + 1);
        }
    }

    void use(int stroke) { used[stroke] = true; }

    // The end nearest to point among the strokes not yet used: 2 * stroke, plus 1 for its last
    // point. -1 when none is left.
    int nearest(const QPointF &point)
    {
        const int cx = cellColumn(point.x() - origin.x());
        const int cy = cellColumn(point.y() - origin.y());
        int best = -1;
        double bestDistance = 0;
        for (int ring = 0; ring < side; ++ring) {
            // The ring's cells: its top and bottom rows whole, its sides between them.
            for (int y = cy - ring; y <= cy + ring; ++y) {
                const int step = (y == cy - ring || y == cy + ring) ? 1 : std::max(2 * ring, 1);
                for (int x = cx - ring; x <= cx + ring; x += step) {
                    if (x < 0 || y < 0 || x >= side || y >= side)
                        continue;
                    QVector<int> &cell = cells[y * side + x];
                    for (int k = 0; k < cell.size();) {
                        const int end = cell.at(k);
                        if (used.at(end / 2)) {
                            // Gone for good: taken out so that later searches skip it.
                            cell[k] = cell.last();
                            cell.removeLast();
                            continue;
                        }
                        const QPolygonF &stroke = strokes.at(end / 2);
                        const double distance
                            = QLineF(point, end % 2 ? stroke.last() : stroke.first()).length();
                        if (best < 0 || distance < bestDistance) {
                            best = end;
                            bestDistance = distance;
                        }
                        ++k;
                    }
                }
            }
            // Every end further out lies at least ring cells away.
            if (best >= 0 && bestDistance <= ring * cellSize)
                break;
        }
        return best;
    }

private:
    // The column (or row) of a distance from the grid's origin.
    int cellColumn(double offset) const { return std::clamp(int(offset / cellSize), 0, side - 1); }
    int cellOf(const QPointF &point) const
    {
        return cellColumn(point.y() - origin.y()) * side + cellColumn(point.x() - origin.x());
    }

    const QVector<QPolygonF> &strokes;
    QVector<bool> used;
    QVector<QVector<int>> cells;
    QPointF origin;
    double cellSize = 1;
    int side = 1;
};

} // namespace

QVector<QPolygonF> StrokeOrder::shortened(const QVector<QPolygonF> &strokes)
{
    if (strokes.size() < 3)
        return strokes;
    EndGrid grid(strokes);
    QVector<QPolygonF> ordered;
    ordered.reserve(strokes.size());
    ordered.append(strokes.first());
    grid.use(0);
    while (ordered.size() < strokes.size()) {
        const int end = grid.nearest(ordered.last().last());
        grid.use(end / 2);
        ordered.append(strokes.at(end / 2));
        if (end % 2)
            std::reverse(ordered.last().begin(), ordered.last().end());
    }
    return ordered;
}

double StrokeOrder::penUpTravel(const QVector<QPolygonF> &strokes)
{
    double travel = 0;
    for (int i = 1; i < strokes.size(); ++i)
        travel += QLineF(strokes.at(i - 1).last(), strokes.at(i).first()).length();
    return travel;
}
