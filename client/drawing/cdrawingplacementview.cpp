// CDrawingPlacementView: the placed drawing from above over the reach.
#include "drawing/cdrawingplacementview.h"

#include "armkinematics.h"
#include "armview/carmview.h"

#include <QMouseEvent>
#include <QPainter>
#include <QWheelEvent>

#include <algorithm>
#include <cmath>

namespace {

constexpr double Padding = 12;
constexpr double BaseRadius = 40;
constexpr double MaxZoom = 20;

} // namespace

CDrawingPlacementView::CDrawingPlacementView(QWidget *parent)
    : QWidget(parent)
{
    for (const PlanarPoint &point : ArmKinematics::reachableOutline(60))
        reachRadialMax = std::max(reachRadialMax, point.radial);
    setMinimumSize(200, 200);
    setCursor(Qt::OpenHandCursor);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setToolTip(tr("Drag to move the drawing; the mouse wheel zooms."));
    updateScale();
}

void CDrawingPlacementView::setPlaced(
    const DrawingPlacement &placement, const DrawingPlacement::Reach &reach)
{
    this->placement = placement;
    this->reach = reach;
    update();
}

QPointF CDrawingPlacementView::armPosition(const QPointF &viewPosition) const
{
    const QPointF offset = (viewPosition - origin) / scale;
    return QPointF(offset.x(), -offset.y());
}

QPointF CDrawingPlacementView::viewPosition(const QPointF &armPosition) const
{
    return origin + QPointF(armPosition.x(), -armPosition.y()) * scale;
}

void CDrawingPlacementView::updateScale()
{
    scale = zoom * (std::min(width(), height()) - 2 * Padding) / (2 * reachRadialMax);
    origin = QRectF(rect()).center();
}

const QImage &CDrawingPlacementView::reachImage()
{
    const SurfacePlane &surface = placement.surface;
    const QVector<double> key { surface.z(0, 0), surface.z(100, 0), surface.z(0, 100), scale,
        origin.x(), origin.y() };
    if (reachShade.size() == size() && shadeKey == key)
        return reachShade;
    shadeKey = key;
    reachShade = QImage(size(), QImage::Format_ARGB32_Premultiplied);
    reachShade.fill(Qt::transparent);
    const QRgb inside = CArmView::reachColor().rgba();
    const QRect square = QRectF(origin - QPointF(reachRadialMax, reachRadialMax) * scale,
        QSizeF(2, 2) * reachRadialMax * scale)
                             .toAlignedRect()
                             .intersected(rect());
    for (int row = square.top(); row <= square.bottom(); ++row) {
        auto *line = reinterpret_cast<QRgb *>(reachShade.scanLine(row));
        for (int column = square.left(); column <= square.right(); ++column) {
            const QPointF at = armPosition(QPointF(column + 0.5, row + 0.5));
            if (placement.reaches(at.x(), at.y()))
                line[column] = inside;
        }
    }
    return reachShade;
}

void CDrawingPlacementView::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.fillRect(rect(), Qt::white);
    painter.drawImage(0, 0, reachImage());
    painter.setRenderHint(QPainter::Antialiasing);

    // The arm's foot and its forward axis, to tell front from back.
    painter.setPen(QPen(Qt::gray, 1, Qt::DashLine));
    painter.drawLine(viewPosition(QPointF(0, 0)), viewPosition(QPointF(reachRadialMax, 0)));
    painter.setPen(QPen(Qt::darkGray, 1));
    painter.setBrush(QColor(0xD0, 0xD0, 0xD0));
    painter.drawEllipse(origin, BaseRadius * scale, BaseRadius * scale);

    drawStrokes(painter);
}

void CDrawingPlacementView::drawStrokes(QPainter &painter) const
{
    QTransform toView;
    toView.translate(origin.x(), origin.y());
    toView.scale(scale, -scale);

    // The pen's travel in the air, from each stroke's end to the next one's start.
    QVector<QLineF> travel;
    travel.reserve(reach.strokes.size());
    for (int i = 1; i < reach.strokes.size(); ++i)
        travel.append(
            toView.map(QLineF(reach.strokes.at(i - 1).last(), reach.strokes.at(i).first())));
    painter.setPen(QPen(QColor(0x90, 0x90, 0x90), 1, Qt::DotLine));
    painter.drawLines(travel);

    painter.setPen(QPen(CArmView::pathColor(), 1.5));
    painter.setBrush(Qt::NoBrush);
    for (const QPolygonF &stroke : reach.strokes)
        painter.drawPolyline(toView.map(stroke));
    painter.setPen(QPen(CArmView::outOfReachColor(), 2.5));
    QVector<QLineF> outside;
    outside.reserve(reach.outside.size());
    for (const QLineF &stretch : reach.outside)
        outside.append(toView.map(stretch));
    painter.drawLines(outside);
}

void CDrawingPlacementView::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    zoom = 1;
    updateScale();
}

void CDrawingPlacementView::wheelEvent(QWheelEvent *event)
{
    const double steps = event->angleDelta().y() / 120.0;
    const double zoomed = std::clamp(zoom * std::pow(1.25, steps), 1.0, MaxZoom);
    if (zoomed == zoom)
        return;
    // The place under the pointer stays there; all the way out the reach is centred again.
    const QPointF pointer = event->position();
    const QPointF under = armPosition(pointer);
    zoom = zoomed;
    updateScale();
    if (zoom > 1)
        origin = pointer - QPointF(under.x(), -under.y()) * scale;
    update();
}

void CDrawingPlacementView::mousePressEvent(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton)
        return QWidget::mousePressEvent(event);
    // The drawing keeps where under the pointer it was taken.
    dragging = true;
    dragOffset = placement.centre - armPosition(event->localPos());
    setCursor(Qt::ClosedHandCursor);
}

void CDrawingPlacementView::mouseMoveEvent(QMouseEvent *event)
{
    if (dragging)
        emit centreDragged(armPosition(event->localPos()) + dragOffset);
}

void CDrawingPlacementView::mouseReleaseEvent(QMouseEvent *event)
{
    if (!dragging || event->button() != Qt::LeftButton)
        return QWidget::mouseReleaseEvent(event);
    dragging = false;
    setCursor(Qt::OpenHandCursor);
    emit centreDragged(armPosition(event->localPos()) + dragOffset);
}
