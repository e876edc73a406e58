// CArmView: the arm drawn from its joint angles in a side and a top view, over its reach and the
// table's points.
#include "armview/carmview.h"

#include <QPainter>
#include <QPainterPath>

#include <algorithm>
#include <cmath>

namespace {

constexpr double Pi = 3.14159265358979323846;
constexpr int ViewWidth = 640;
constexpr int ViewHeight = 330;
constexpr int CaptionHeight = 24;
constexpr int Margin = 8;
// The pedestal under the shoulder, drawn in the side view; mm.
constexpr double PedestalHalfWidth = 22.0;
constexpr double PedestalDepth = 150.0;
constexpr double ToolStem = 18.0;
// Enough for a smooth border at any size the view is shown at.
constexpr int OutlineSamplesPerLimit = 48;

const QColor frameColor(0x8F, 0x96, 0x9B);
const QColor armColor(0x3B, 0x5B, 0x98);
const QColor pointColor(0x30, 0x30, 0x30);

double radians(double degrees)
{
    return degrees * Pi / 180.0;
}

} // namespace

CArmView::CArmView(QWidget *parent)
    : QWidget(parent)
{
    setFixedSize(ViewWidth, ViewHeight);
    setAttribute(Qt::WA_OpaquePaintEvent);
    for (const PlanarPoint &point : ArmKinematics::reachableOutline(OutlineSamplesPerLimit)) {
        reachOutline.append(QPointF(point.radial, point.z));
        reachRadialMin
            = reachOutline.size() == 1 ? point.radial : std::min(reachRadialMin, point.radial);
        reachRadialMax = std::max(reachRadialMax, point.radial);
    }
    updateTransforms();
}

QColor CArmView::reachColor()
{
    return QColor(0xDC, 0xE6, 0xF4);
}

QColor CArmView::toolColor()
{
    return QColor(0xE0, 0x20, 0x1B);
}

QColor CArmView::highlightColor()
{
    return QColor(0xFF, 0x98, 0x00);
}

QColor CArmView::outOfReachColor()
{
    return QColor(0x8E, 0x44, 0xAD);
}

QColor CArmView::runningRowColor()
{
    return QColor(0x2E, 0xA0, 0x43);
}

QColor CArmView::pathColor()
{
    return QColor(0x50, 0x60, 0x70);
}

void CArmView::setJointAngles(const JointAngles &angles)
{
    if (angles.joint1 == joints.joint1 && angles.joint2 == joints.joint2
        && angles.joint3 == joints.joint3 && angles.joint4 == joints.joint4)
        return;
    joints = angles;
    update();
}

JointAngles CArmView::jointAngles() const
{
    return joints;
}

void CArmView::setPoints(const PlaybackPoints &playbackPoints)
{
    points.clear();
    points.reserve(playbackPoints.size());
    for (const PlaybackPoint &point : playbackPoints) {
        const bool reachable
            = bool(ArmKinematics::inverse({ point.x, point.y, point.z, point.rHead }));
        points.append({ point.x, point.y, point.z, reachable, point.motionStyle });
    }
    staticLayerValid = false;
    update();
}

void CArmView::setHighlightedRows(const QSet<int> &rows)
{
    if (rows == highlightedRows)
        return;
    highlightedRows = rows;
    staticLayerValid = false;
    update();
}

void CArmView::setRunningRow(int row)
{
    if (row == runningRow)
        return;
    runningRow = row;
    // Drawn over the static layer, which a move to the next row then need not redraw.
    update();
}

void CArmView::setJumpHeight(double height)
{
    if (height == jumpHeight)
        return;
    jumpHeight = height;
    staticLayerValid = false;
    update();
}

QPointF CArmView::sideViewPosition(double radial, double z) const
{
    return sideOrigin + QPointF(radial * sideScale, -z * sideScale);
}

QPointF CArmView::topViewPosition(double x, double y) const
{
    return topOrigin + QPointF(x * topScale, -y * topScale);
}

void CArmView::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    updateTransforms();
}

void CArmView::updateTransforms()
{
    const double halfWidth = (width() - 3 * Margin) / 2.0;
    sideRect = QRectF(Margin, CaptionHeight, halfWidth, height() - CaptionHeight - Margin);
    topRect = QRectF(2 * Margin + halfWidth, CaptionHeight, halfWidth, sideRect.height());

    double zMin = -PedestalDepth;
    double zMax = 0;
    for (const QPointF &point : qAsConst(reachOutline)) {
        zMin = std::min(zMin, point.y());
        zMax = std::max(zMax, point.y());
    }
    const double radialMin = -PedestalHalfWidth;
    const double padding = 12.0;
    sideScale = std::min((sideRect.width() - 2 * padding) / (reachRadialMax - radialMin),
        (sideRect.height() - 2 * padding) / (zMax - zMin));
    sideOrigin = QPointF(sideRect.left() + padding - radialMin * sideScale,
        sideRect.top() + padding + zMax * sideScale);

    topScale = (std::min(topRect.width(), topRect.height()) - 2 * padding) / (2 * reachRadialMax);
    topOrigin = topRect.center();
    staticLayerValid = false;
}

void CArmView::drawReach(QPainter &painter) const
{
    painter.setPen(QPen(armColor.lighter(170), 1));
    painter.setBrush(reachColor());

    QPolygonF side;
    side.reserve(reachOutline.size());
    for (const QPointF &point : reachOutline)
        side.append(sideViewPosition(point.x(), point.y()));
    painter.drawPolygon(side);

    // Every distance between the nearest and the farthest reach, over the base's turn.
    const double startAngle = ArmKinematics::Joint1Range.min;
    const double sweep = ArmKinematics::Joint1Range.max - ArmKinematics::Joint1Range.min;
    const QRectF outer(topOrigin - QPointF(reachRadialMax, reachRadialMax) * topScale,
        QSizeF(2, 2) * reachRadialMax * topScale);
    const QRectF inner(topOrigin - QPointF(reachRadialMin, reachRadialMin) * topScale,
        QSizeF(2, 2) * reachRadialMin * topScale);
    // Screen y grows downwards, so the sweep runs clockwise on screen.
    QPainterPath top;
    top.arcMoveTo(outer, -startAngle);
    top.arcTo(outer, -startAngle, -sweep);
    top.arcTo(inner, -(startAngle + sweep), sweep);
    top.closeSubpath();
    painter.drawPath(top);
}

QPointF CArmView::sidePositionOf(const DrawnPoint &point) const
{
    return sideViewPosition(std::hypot(point.x, point.y), point.z);
}

QPointF CArmView::topPositionOf(const DrawnPoint &point) const
{
    return topViewPosition(point.x, point.y);
}

void CArmView::drawPanelPoints(QPainter &painter, const QRectF &panel,
    QPointF (CArmView::*positionOf)(const DrawnPoint &) const) const
{
    painter.save();
    painter.setClipRect(panel.adjusted(1, 1, -1, -1));
    for (const DrawnPoint &point : points)
        drawPoint(painter, (this->*positionOf)(point), point.reachable);
    painter.setPen(QPen(highlightColor(), 2.5));
    painter.setBrush(Qt::NoBrush);
    for (int row : highlightedRows)
        if (row >= 0 && row < points.size())
            painter.drawEllipse((this->*positionOf)(points.at(row)), 6, 6);
    painter.restore();
}

void CArmView::drawPoint(QPainter &painter, const QPointF &at, bool reachable) const
{
    if (reachable) {
        painter.setPen(Qt::NoPen);
        painter.setBrush(pointColor);
        painter.drawEllipse(at, 2.5, 2.5);
    } else {
        painter.setPen(QPen(outOfReachColor(), 2));
        painter.drawLine(at + QPointF(-3, -3), at + QPointF(3, 3));
        painter.drawLine(at + QPointF(-3, 3), at + QPointF(3, -3));
    }
}

void CArmView::drawPath(QPainter &painter) const
{
    // Gathered per panel and pen first, so that each panel is drawn clipped to itself.
    QVector<QLineF> sideSolid, sideDashed, topSolid, topDashed;
    for (int i = 1; i < points.size(); ++i) {
        const DrawnPoint &from = points.at(i - 1);
        const DrawnPoint &to = points.at(i);
        const bool solid = to.motionStyle == MOVL;
        QVector<QLineF> &side = solid ? sideSolid : sideDashed;
        const double fromRadial = std::hypot(from.x, from.y);
        const double toRadial = std::hypot(to.x, to.y);
        if (to.motionStyle == JUMP) {
            const double top = std::max(from.z, to.z) + jumpHeight;
            const QPointF liftStart = sideViewPosition(fromRadial, top);
            const QPointF liftEnd = sideViewPosition(toRadial, top);
            side.append({ sideViewPosition(fromRadial, from.z), liftStart });
            side.append({ liftStart, liftEnd });
            side.append({ liftEnd, sideViewPosition(toRadial, to.z) });
        } else {
            side.append({ sidePositionOf(from), sidePositionOf(to) });
        }
        (solid ? topSolid : topDashed).append({ topPositionOf(from), topPositionOf(to) });
    }
    const QPen solidPen(pathColor(), 1.5);
    const QPen dashedPen(pathColor(), 1.5, Qt::DashLine);
    painter.setBrush(Qt::NoBrush);
    const auto drawClipped
        = [&](const QRectF &panel, const QVector<QLineF> &solid, const QVector<QLineF> &dashed) {
              painter.save();
              painter.setClipRect(panel.adjusted(1, 1, -1, -1), Qt::IntersectClip);
              painter.setPen(solidPen);
              painter.drawLines(solid);
              painter.setPen(dashedPen);
              painter.drawLines(dashed);
              painter.restore();
          };
    drawClipped(sideRect, sideSolid, sideDashed);
    drawClipped(topRect, topSolid, topDashed);
}

void CArmView::renderStaticLayer()
{
    const qreal ratio = devicePixelRatioF();
    staticLayer = QPixmap(size() * ratio);
    staticLayer.setDevicePixelRatio(ratio);
    staticLayer.fill(Qt::white);

    QPainter painter(&staticLayer);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::black);
    painter.setFont(QFont(QStringLiteral("Arial"), 10));
    const QRectF sideCaption(sideRect.left(), 0, sideRect.width(), CaptionHeight);
    const QRectF topCaption(topRect.left(), 0, topRect.width(), CaptionHeight);
    painter.drawText(sideCaption, Qt::AlignCenter, tr("Side view"));
    painter.drawText(topCaption, Qt::AlignCenter, tr("Top view"));
    painter.setPen(frameColor);
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(sideRect);
    painter.drawRect(topRect);

    drawReach(painter);
    drawPath(painter);
    drawPanelPoints(painter, sideRect, &CArmView::sidePositionOf);
    drawPanelPoints(painter, topRect, &CArmView::topPositionOf);
    staticLayerValid = true;
}

void CArmView::ringPoint(QPainter &painter, int row, double radius) const
{
    if (row < 0 || row >= points.size())
        return;
    const DrawnPoint &point = points.at(row);
    for (const auto &[panel, at] : { std::pair(sideRect, sidePositionOf(point)),
             std::pair(topRect, topPositionOf(point)) }) {
        painter.save();
        painter.setClipRect(panel.adjusted(1, 1, -1, -1), Qt::IntersectClip);
        painter.drawEllipse(at, radius, radius);
        painter.restore();
    }
}

void CArmView::drawArm(QPainter &painter) const
{
    // The arm's plane: shoulder at the origin, rear arm from vertical, fore arm from horizontal.
    const double j2 = radians(joints.joint2);
    const double j3 = radians(joints.joint3);
    const QPointF elbow(
        ArmKinematics::RearArmLength * std::sin(j2), ArmKinematics::RearArmLength * std::cos(j2));
    const QPointF wrist = elbow
        + QPointF(ArmKinematics::ForeArmLength * std::cos(j3),
            -ArmKinematics::ForeArmLength * std::sin(j3));
    const QPointF tool = wrist + QPointF(ArmKinematics::ToolReach, 0);

    const auto side = [this](const QPointF &at) { return sideViewPosition(at.x(), at.y()); };
    painter.setPen(Qt::NoPen);
    painter.setBrush(frameColor);
    painter.drawRect(
        QRectF(side({ -PedestalHalfWidth, 0 }), side({ PedestalHalfWidth, -PedestalDepth })));

    QPen armPen(armColor, 6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
    painter.setPen(armPen);
    painter.setBrush(Qt::NoBrush);
    painter.drawPolyline(QPolygonF({ side({ 0, 0 }), side(elbow), side(wrist) }));
    armPen.setWidth(4);
    painter.setPen(armPen);
    painter.drawPolyline(QPolygonF({ side(wrist), side(tool), side(tool - QPointF(0, ToolStem)) }));

    // The base seen from above: the arm's direction and the head's rotation at the tool.
    const double base = radians(joints.joint1);
    const double radial = tool.x();
    const QPointF toolTop(radial * std::cos(base), radial * std::sin(base));
    const double head = radians(joints.joint1 + joints.joint4);
    const QPointF headTip = toolTop + QPointF(std::cos(head), std::sin(head)) * 30.0;
    painter.setPen(Qt::NoPen);
    painter.setBrush(frameColor);
    painter.drawEllipse(topOrigin, PedestalHalfWidth * topScale, PedestalHalfWidth * topScale);
    armPen.setWidth(6);
    painter.setPen(armPen);
    painter.drawLine(topOrigin, topViewPosition(toolTop.x(), toolTop.y()));
    armPen.setWidth(3);
    painter.setPen(armPen);
    painter.drawLine(
        topViewPosition(toolTop.x(), toolTop.y()), topViewPosition(headTip.x(), headTip.y()));

    painter.setPen(QPen(armColor, 2));
    painter.setBrush(Qt::white);
    for (const QPointF &joint : { QPointF(0, 0), elbow, wrist })
        painter.drawEllipse(side(joint), 4, 4);

    painter.setPen(QPen(toolColor(), 2));
    painter.setBrush(Qt::NoBrush);
    for (const QPointF &at : { side(tool), topViewPosition(toolTop.x(), toolTop.y()) }) {
        painter.drawEllipse(at, 5, 5);
        painter.drawLine(at + QPointF(-8, 0), at + QPointF(8, 0));
        painter.drawLine(at + QPointF(0, -8), at + QPointF(0, 8));
    }
}

void CArmView::paintEvent(QPaintEvent *)
{
    if (!staticLayerValid)
        renderStaticLayer();
    QPainter painter(this);
    painter.drawPixmap(0, 0, staticLayer);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setClipRegion(QRegion(sideRect.adjusted(1, 1, -1, -1).toRect())
        + QRegion(topRect.adjusted(1, 1, -1, -1).toRect()));
    drawArm(painter);
    painter.setPen(QPen(runningRowColor(), 3));
    painter.setBrush(Qt::NoBrush);
    ringPoint(painter, runningRow, 10);
}
