// CArmView: the arm drawn from its joint angles in a side and a top view, over its reach and the
// table's points.
#pragma once

#include "armkinematics.h"
#include "playback/playbackpoint.h"

#include <QPixmap>
#include <QPointF>
#include <QRectF>
#include <QSet>
#include <QVector>
#include <QWidget>

class CArmView : public QWidget
{
    Q_OBJECT

public:
    explicit CArmView(QWidget *parent = nullptr);

    // Repaints only when the angles differ from the ones shown.
    void setJointAngles(const JointAngles &joints);
    JointAngles jointAngles() const;
    void setPoints(const PlaybackPoints &points);
    // Rows of the points given to setPoints that are drawn highlighted.
    void setHighlightedRows(const QSet<int> &rows);
    // The row whose point the arm executes, ringed; -1 for none.
    void setRunningRow(int row);
    // How high a JUMP lifts the tool over the higher of its two points, mm.
    void setJumpHeight(double height);

    // Where the view draws a tool position, in widget pixels.
    QPointF sideViewPosition(double radial, double z) const;
    QPointF topViewPosition(double x, double y) const;

    static QColor reachColor();
    static QColor toolColor();
    static QColor highlightColor();
    static QColor outOfReachColor();
    static QColor runningRowColor();
    static QColor pathColor();

protected:
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    struct DrawnPoint
    {
        double x;
        double y;
        double z;
        bool reachable;
        int motionStyle;
    };

    void updateTransforms();
    // Frames, captions, the reach, the points and the highlights; redrawn only when one changes.
    void renderStaticLayer();
    void drawReach(QPainter &painter) const;
    QPointF sidePositionOf(const DrawnPoint &point) const;
    QPointF topPositionOf(const DrawnPoint &point) const;
    // The points and the highlights of one panel, clipped to it: a point past the side view's
    // edge must not show in the top view.
    void drawPanelPoints(QPainter &painter, const QRectF &panel,
        QPointF (CArmView::*positionOf)(const DrawnPoint &) const) const;
    void drawPoint(QPainter &painter, const QPointF &at, bool reachable) const;
    // The moves between the points in playback order: MOVL solid, MOVJ and JUMP dashed, JUMP
    // lifted by the jump height in the side view; each panel clipped to itself.
    void drawPath(QPainter &painter) const;
    void drawArm(QPainter &painter) const;
    // A ring of the radius around the point of row in both views, each clipped to its panel.
    void ringPoint(QPainter &painter, int row, double radius) const;

    JointAngles joints = ArmKinematics::home();
    QVector<DrawnPoint> points;
    QSet<int> highlightedRows;
    int runningRow = -1;
    double jumpHeight = 20;

    // The reach in the arm's plane, mm; derived once from the kinematic model.
    QVector<QPointF> reachOutline;
    double reachRadialMin = 0;
    double reachRadialMax = 0;

    QRectF sideRect;
    QRectF topRect;
    double sideScale = 1;
    QPointF sideOrigin;
    double topScale = 1;
    QPointF topOrigin;

    QPixmap staticLayer;
    bool staticLayerValid = false;
};
