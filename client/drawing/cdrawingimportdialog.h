// CDrawingImportDialog: places a drawing on the arm's reach (size, turn, position, the surface
// the pen draws on) and makes the table rows that draw it there.
#pragma once

#include "drawing/drawingfile.h"
#include "drawing/drawingplacement.h"
#include "widgets/cdialog.h"

#include <array>
#include <optional>

class CDrawingPlacementView;
class QCheckBox;
class QDoubleSpinBox;
class QLabel;
class QPushButton;
class QTimer;

class CDrawingImportDialog : public CDialog
{
    Q_OBJECT

public:
    // file has been read into drawing at the tolerance; lift: how far the pen rises after the
    // last stroke, mm.
    CDrawingImportDialog(const DrawingFile &file, const PenDrawing &drawing, double tolerance,
        double lift, QWidget *parent = nullptr);

    // The rows that draw the drawing as placed, in the chosen order.
    PlaybackPoints rows() const;

private slots:
    void onWidthChanged(double width);
    void onHeightChanged(double height);
    void onFitClicked();
    void onTurnChanged(double degrees);
    void onCentreChanged();
    void onCentreDragged(const QPointF &centre);
    void onSurfaceHeightChanged(double z);
    void onPenTouchesClicked();
    void onTouchClicked(int index);
    void onTiltedToggled(bool tilted);
    void onOrderToggled();
    // The drawing read again so that its curves keep the tolerance at the size it is drawn.
    void rereadAtScale();
    void onImportClicked();

private:
    QWidget *createControls(QWidget *parent);
    // Shows the placement in the fields without their signals coming back.
    void showPlacement();
    void setScale(double scale);
    void updateOrder();
    // The view, the reach statement and the row count for the placement.
    void updateReach();
    void updateSurface();

    DrawingFile file;
    PenDrawing drawing;
    // The drawing's frame for the placement, from the first reading, so that reading it again at
    // another tolerance does not move it.
    QRectF bounds;
    double tolerance;
    double readScale = 1;
    double lift;
    DrawingPlacement placement;
    QVector<QPolygonF> ordered;
    std::array<std::optional<TouchedPoint>, 3> touched;
    std::optional<SurfacePlane> tiltedPlane;

    CDrawingPlacementView *view = nullptr;
    QDoubleSpinBox *widthBox = nullptr;
    QDoubleSpinBox *heightBox = nullptr;
    QDoubleSpinBox *turnBox = nullptr;
    QDoubleSpinBox *centreXBox = nullptr;
    QDoubleSpinBox *centreYBox = nullptr;
    QDoubleSpinBox *surfaceBox = nullptr;
    std::array<QPushButton *, 3> touchButtons {};
    QCheckBox *tiltedBox = nullptr;
    QLabel *tiltLabel = nullptr;
    QCheckBox *orderBox = nullptr;
    QLabel *travelLabel = nullptr;
    QLabel *reachLabel = nullptr;
    QLabel *rowsLabel = nullptr;
    QTimer *rereadTimer = nullptr;
};
