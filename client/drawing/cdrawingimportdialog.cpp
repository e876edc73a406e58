// CDrawingImportDialog: the drawing's placement on the arm's reach, and its rows.
#include "drawing/cdrawingimportdialog.h"

#include "drawing/cdrawingplacementview.h"
#include "drawing/strokeorder.h"
#include "playback/armpose.h"

#include <QCheckBox>
#include <QDoubleSpinBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLocale>
#include <QPushButton>
#include <QSignalBlocker>
#include <QTimer>
#include <QVBoxLayout>

#include <cmath>

namespace {

constexpr double SizeLimit = 5000;
constexpr double CentreLimit = 1000;
// Reading again waits this long after the size last changed, ms, so that typing or holding an
// arrow does not read a large file at every step.
constexpr int RereadDelay = 300;

QDoubleSpinBox *createNumberBox(
    double minimum, double maximum, const QString &suffix, QWidget *parent)
{
    auto *box = new QDoubleSpinBox(parent);
    box->setRange(minimum, maximum);
    box->setDecimals(1);
    box->setSuffix(suffix);
    box->setKeyboardTracking(false);
    box->setAccelerated(true);
    box->setFixedWidth(100);
    return box;
}

QString millimetres(double value)
{
    return QLocale().toString(value, 'f', 1);
}

} // namespace

CDrawingImportDialog::CDrawingImportDialog(const DrawingFile &file, const PenDrawing &drawing,
    double tolerance, double lift, QWidget *parent)
    : CDialog(parent)
    , file(file)
    , drawing(drawing)
    , bounds(drawing.bounds())
    , tolerance(tolerance)
    , lift(lift)
    , rereadTimer(new QTimer(this))
{
    QWidget *content = createFramedContent(tr("Import drawing"), QSize(980, 560));
    auto *columns = new QHBoxLayout;
    view = new CDrawingPlacementView(content);
    columns->addWidget(view, 1);
    columns->addWidget(createControls(content));
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    QPushButton *cancelBtn = createCommonButton(tr("Cancel"), 120, content);
    connect(cancelBtn, SIGNAL(clicked()), this, SLOT(reject()));
    buttons->addWidget(cancelBtn);
    QPushButton *importBtn = createCommonButton(tr("Import"), 120, content);
    importBtn->setObjectName("importBtn");
    connect(importBtn, SIGNAL(clicked()), this, SLOT(onImportClicked()));
    buttons->addWidget(importBtn);
    auto *layout = static_cast<QVBoxLayout *>(content->layout());
    layout->addLayout(columns, 1);
    layout->addLayout(buttons);

    rereadTimer->setSingleShot(true);
    rereadTimer->setInterval(RereadDelay);
    connect(rereadTimer, SIGNAL(timeout()), this, SLOT(rereadAtScale()));
    connect(view, SIGNAL(centreDragged(QPointF)), this, SLOT(onCentreDragged(QPointF)));

    // The pen starts on the surface where it is now, the drawing at its own size if that fits.
    placement.surface = SurfacePlane::level(readArmPose().z);
    placement.fit(bounds, 1.0);
    if (placement.scale != readScale)
        rereadTimer->start();
    updateOrder();
    showPlacement();
    updateReach();
}

QWidget *CDrawingImportDialog::createControls(QWidget *parent)
{
    auto *controls = new QWidget(parent);
    controls->setFixedWidth(400);
    controls->setStyleSheet("QLabel{font:13px \"Arial\";}");
    auto *form = new QFormLayout(controls);
    form->setContentsMargins(8, 0, 0, 0);

    auto *about = new QLabel(controls);
    about->setWordWrap(true);
    about->setText(tr("%1: %n strokes", nullptr, drawing.strokes.size()).arg(file.fileName()));
    form->addRow(about);
    if (!drawing.warnings.isEmpty()) {
        auto *warnings = new QLabel(drawing.warnings.join('\n'), controls);
        warnings->setWordWrap(true);
        warnings->setStyleSheet("color:#A05A00;");
        form->addRow(warnings);
    }

    widthBox = createNumberBox(0.1, SizeLimit, tr(" mm"), controls);
    heightBox = createNumberBox(0.1, SizeLimit, tr(" mm"), controls);
    widthBox->setObjectName("widthBox");
    heightBox->setObjectName("heightBox");
    connect(widthBox, SIGNAL(valueChanged(double)), this, SLOT(onWidthChanged(double)));
    connect(heightBox, SIGNAL(valueChanged(double)), this, SLOT(onHeightChanged(double)));
    auto *fitBtn = new QPushButton(tr("Fit to reach"), controls);
    connect(fitBtn, SIGNAL(clicked()), this, SLOT(onFitClicked()));
    auto *size = new QHBoxLayout;
    size->addWidget(widthBox);
    size->addWidget(new QLabel(QStringLiteral("×"), controls));
    size->addWidget(heightBox);
    size->addStretch();
    form->addRow(tr("Size"), size);
    auto *fit = new QHBoxLayout;
    fit->addWidget(fitBtn);
    fit->addStretch();
    form->addRow(QString(), fit);

    turnBox = createNumberBox(-360, 360, tr("°"), controls);
    turnBox->setObjectName("turnBox");
    connect(turnBox, SIGNAL(valueChanged(double)), this, SLOT(onTurnChanged(double)));
    form->addRow(tr("Turn"), turnBox);

    centreXBox = createNumberBox(-CentreLimit, CentreLimit, tr(" mm"), controls);
    centreYBox = createNumberBox(-CentreLimit, CentreLimit, tr(" mm"), controls);
    centreXBox->setObjectName("centreXBox");
    centreYBox->setObjectName("centreYBox");
    connect(centreXBox, SIGNAL(valueChanged(double)), this, SLOT(onCentreChanged()));
    connect(centreYBox, SIGNAL(valueChanged(double)), this, SLOT(onCentreChanged()));
    auto *centre = new QHBoxLayout;
    centre->addWidget(new QLabel(QStringLiteral("X"), controls));
    centre->addWidget(centreXBox);
    centre->addWidget(new QLabel(QStringLiteral("Y"), controls));
    centre->addWidget(centreYBox);
    centre->addStretch();
    form->addRow(tr("Centre"), centre);

    surfaceBox = createNumberBox(-CentreLimit, CentreLimit, tr(" mm"), controls);
    surfaceBox->setObjectName("surfaceBox");
    connect(surfaceBox, SIGNAL(valueChanged(double)), this, SLOT(onSurfaceHeightChanged(double)));
    auto *touchesBtn = new QPushButton(tr("The pen touches here"), controls);
    connect(touchesBtn, SIGNAL(clicked()), this, SLOT(onPenTouchesClicked()));
    auto *surface = new QHBoxLayout;
    surface->addWidget(surfaceBox);
    surface->addWidget(touchesBtn);
    surface->addStretch();
    form->addRow(tr("Surface height"), surface);

    auto *touches = new QHBoxLayout;
    for (int i = 0; i < int(touchButtons.size()); ++i) {
        touchButtons[i] = new QPushButton(tr("Touched %1").arg(i + 1), controls);
        touchButtons[i]->setObjectName(QStringLiteral("touchButton%1").arg(i + 1));
        connect(touchButtons[i], &QPushButton::clicked, this, [this, i] { onTouchClicked(i); });
        touches->addWidget(touchButtons[i]);
    }
    form->addRow(tr("Tilted surface"), touches);
    tiltedBox = new QCheckBox(tr("Follow the plane through the three touched points"), controls);
    tiltedBox->setEnabled(false);
    connect(tiltedBox, SIGNAL(toggled(bool)), this, SLOT(onTiltedToggled(bool)));
    form->addRow(tiltedBox);
    tiltLabel
        = new QLabel(tr("Touch the surface with the pen at three places far apart."), controls);
    tiltLabel->setWordWrap(true);
    form->addRow(tiltLabel);

    orderBox = new QCheckBox(tr("Order the strokes to shorten the pen's travel"), controls);
    orderBox->setChecked(true);
    connect(orderBox, SIGNAL(toggled(bool)), this, SLOT(onOrderToggled()));
    form->addRow(orderBox);
    travelLabel = new QLabel(controls);
    form->addRow(travelLabel);

    reachLabel = new QLabel(controls);
    reachLabel->setObjectName("reachLabel");
    reachLabel->setWordWrap(true);
    form->addRow(reachLabel);
    rowsLabel = new QLabel(controls);
    form->addRow(rowsLabel);
    return controls;
}

PlaybackPoints CDrawingImportDialog::rows() const
{
    return placement.rows(ordered, bounds, lift);
}

void CDrawingImportDialog::showPlacement()
{
    const QSignalBlocker blockers[]
        = { QSignalBlocker(widthBox), QSignalBlocker(heightBox), QSignalBlocker(turnBox),
              QSignalBlocker(centreXBox), QSignalBlocker(centreYBox), QSignalBlocker(surfaceBox) };
    widthBox->setValue(bounds.width() * placement.scale);
    heightBox->setValue(bounds.height() * placement.scale);
    turnBox->setValue(placement.rotation);
    centreXBox->setValue(placement.centre.x());
    centreYBox->setValue(placement.centre.y());
    surfaceBox->setValue(placement.surface.z(placement.centre.x(), placement.centre.y()));
    surfaceBox->setEnabled(!tiltedBox->isChecked());
}

void CDrawingImportDialog::setScale(double scale)
{
    if (!std::isfinite(scale) || scale <= 0)
        return;
    placement.scale = scale;
    rereadTimer->start();
    showPlacement();
    updateReach();
}

void CDrawingImportDialog::onWidthChanged(double width)
{
    // A line has no width to scale by; its height then sets the size.
    if (bounds.width() > 0)
        setScale(width / bounds.width());
}

void CDrawingImportDialog::onHeightChanged(double height)
{
    if (bounds.height() > 0)
        setScale(height / bounds.height());
}

void CDrawingImportDialog::onFitClicked()
{
    const double before = placement.scale;
    placement.fit(bounds);
    if (placement.scale != before)
        rereadTimer->start();
    showPlacement();
    updateReach();
}

void CDrawingImportDialog::onTurnChanged(double degrees)
{
    placement.rotation = degrees;
    updateReach();
}

void CDrawingImportDialog::onCentreChanged()
{
    placement.centre = QPointF(centreXBox->value(), centreYBox->value());
    if (tiltedBox->isChecked())
        showPlacement();
    updateReach();
}

void CDrawingImportDialog::onCentreDragged(const QPointF &centre)
{
    placement.centre = QPointF(std::clamp(centre.x(), -CentreLimit, CentreLimit),
        std::clamp(centre.y(), -CentreLimit, CentreLimit));
    showPlacement();
    updateReach();
}

void CDrawingImportDialog::onSurfaceHeightChanged(double z)
{
    placement.surface = SurfacePlane::level(z);
    updateReach();
}

void CDrawingImportDialog::onPenTouchesClicked()
{
    tiltedBox->setChecked(false);
    surfaceBox->setValue(readArmPose().z);
}

void CDrawingImportDialog::onTouchClicked(int index)
{
    const Pose pose = readArmPose();
    touched[index] = TouchedPoint { pose.x, pose.y, pose.z };
    touchButtons[index]->setText(
        QStringLiteral("%1, %2, %3")
            .arg(millimetres(pose.x), millimetres(pose.y), millimetres(pose.z)));
    updateSurface();
}

void CDrawingImportDialog::updateSurface()
{
    tiltedPlane.reset();
    if (!touched[0] || !touched[1] || !touched[2]) {
        tiltedBox->setEnabled(false);
        return;
    }
    QString error;
    tiltedPlane = SurfacePlane::through(*touched[0], *touched[1], *touched[2], error);
    tiltedBox->setEnabled(bool(tiltedPlane));
    if (!tiltedPlane) {
        tiltedBox->setChecked(false);
        tiltLabel->setText(error);
        return;
    }
    tiltLabel->setText(tr("The plane through them tilts %1°.")
                           .arg(QLocale().toString(tiltedPlane->tiltDegrees(), 'f', 1)));
    if (tiltedBox->isChecked())
        onTiltedToggled(true);
    else
        tiltedBox->setChecked(true);
}

void CDrawingImportDialog::onTiltedToggled(bool tilted)
{
    placement.surface
        = tilted && tiltedPlane ? *tiltedPlane : SurfacePlane::level(surfaceBox->value());
    showPlacement();
    updateReach();
}

void CDrawingImportDialog::onOrderToggled()
{
    updateOrder();
    updateReach();
}

void CDrawingImportDialog::updateOrder()
{
    const double asDrawn = StrokeOrder::penUpTravel(drawing.strokes);
    if (!orderBox->isChecked()) {
        ordered = drawing.strokes;
        travelLabel->setText(
            tr("The pen travels %1 mm lifted.").arg(millimetres(asDrawn * placement.scale)));
        return;
    }
    ordered = StrokeOrder::shortened(drawing.strokes);
    travelLabel->setText(tr("The pen travels %1 mm lifted, %2 mm in the file's order.")
                             .arg(millimetres(StrokeOrder::penUpTravel(ordered) * placement.scale),
                                 millimetres(asDrawn * placement.scale)));
}

void CDrawingImportDialog::updateReach()
{
    const DrawingPlacement::Reach reach = placement.checkReach(ordered, bounds);
    view->setPlaced(placement, reach);
    if (reach.outsideLength <= 0) {
        reachLabel->setStyleSheet("color:#207020;");
        reachLabel->setText(tr("All of the drawing lies within the arm's reach."));
    } else {
        reachLabel->setStyleSheet("color:#C00000;");
        reachLabel->setText(
            tr("%1 mm of the %2 mm drawn (%3%) lies outside the arm's reach; %n points are out "
               "of reach.",
                nullptr, reach.pointsOutside)
                .arg(millimetres(reach.outsideLength), millimetres(reach.drawnLength),
                    QLocale().toString(100 * reach.outsideLength / reach.drawnLength, 'f', 1)));
    }
    rowsLabel->setText(tr("%n rows", nullptr, rows().size()));
}

void CDrawingImportDialog::rereadAtScale()
{
    if (placement.scale == readScale)
        return;
    PenDrawing reread;
    QString error;
    // A file that read once reads again; at a finer tolerance it may hold too many segments,
    // and then the coarser reading stays.
    if (!file.read(tolerance / placement.scale, reread, error))
        return;
    drawing = reread;
    readScale = placement.scale;
    updateOrder();
    updateReach();
}

void CDrawingImportDialog::onImportClicked()
{
    // The rows are made from the reading at the size shown.
    if (rereadTimer->isActive()) {
        rereadTimer->stop();
        rereadAtScale();
    }
    accept();
}
