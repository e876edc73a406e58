// CDrawingPlacementView: a placed drawing seen from above over the arm's reach on the drawing
// surface, as the arm view's top view shows the arm; dragging with the mouse moves the drawing and
// the wheel zooms in on the place under the pointer.
#pragma once

#include "drawing/drawingplacement.h"

#include <QImage>
#include <QWidget>

class CDrawingPlacementView : public QWidget
{
    Q_OBJECT

public:
    explicit CDrawingPlacementView(QWidget *parent = nullptr);

    // The strokes where they land, in the order drawn, and what of them the pen cannot reach.
    void setPlaced(const DrawingPlacement &placement, const DrawingPlacement::Reach &reach);

    // Where a point of the view lies on the arm's table, mm, and back.
    QPointF armPosition(const QPointF &viewPosition) const;
    QPointF viewPosition(const QPointF &armPosition) const;

signals:
    // The drawing's centre dragged to centre, arm mm.
    void centreDragged(const QPointF &centre);

protected:
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void wheelEvent(QWheelEvent *event) override;

private:
    void updateScale();
    // The reach shaded pixel by pixel at the surface's height, made again when the surface or the
    // size changes.
    const QImage &reachImage();
    void drawStrokes(QPainter &painter) const;

    DrawingPlacement placement;
    DrawingPlacement::Reach reach;
    double reachRadialMax = 0;
    double scale = 1;
    // 1 shows the whole reach.
    double zoom = 1;
    QPointF origin;
    QImage reachShade;
    // What the shade was made for: the surface's heights at three places, the scale and origin.
    QVector<double> shadeKey;
    bool dragging = false;
    QPointF dragOffset;
};
