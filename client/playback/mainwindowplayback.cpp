// MainWindow: the PLAYBACK panel, recording points, the speed ratios and the playback run.
#include "app/mainwindow.h"

#include "ArvexDll.h"
#include "armkinematics.h"
#include "options/coptions.h"
#include "playback/cplaybacktableview.h"
#include "playback/crunningrowtracker.h"
#include "playback/playbackpoint.h"
#include "widgets/ccombobox.h"
#include "widgets/panelstyles.h"
#include "widgets/slidervalue.h"

#include <QAbstractItemModel>
#include <QAction>
#include <QCoreApplication>
#include <QItemSelectionModel>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QScopedValueRollback>
#include <QSlider>
#include <QSpinBox>
#include <QTimer>

namespace {

const QString captionStyle
    = QStringLiteral("QLabel{color:black; font:normal normal 16px \"Arial\";}");
const QString editStyle = QStringLiteral(
    "QLineEdit{background-color:#FFFFFF; selection-background-color:#3B5B98; color:black; "
    "font:normal normal 14px \"Arial\";}QLineEdit:disabled{background-color:#EEF3F9; color:black; "
    "font:normal normal 14px \"Arial\";}");

QLabel *createLabel(QWidget *panel, const QString &text, const QRect &geometry,
    Qt::Alignment alignment, const QString &styleSheet)
{
    auto *label = new QLabel(text, panel);
    label->setGeometry(geometry);
    label->setAlignment(alignment);
    label->setStyleSheet(styleSheet);
    return label;
}

QLineEdit *createLineEdit(QWidget *panel, const QString &objectName, const QString &text,
    const QRect &geometry, const QString &styleSheet)
{
    auto *edit = new QLineEdit(text, panel);
    edit->setObjectName(objectName);
    edit->setGeometry(geometry);
    edit->setAlignment(Qt::AlignCenter);
    edit->setStyleSheet(styleSheet);
    return edit;
}

QPushButton *createButton(
    QWidget *panel, const QString &objectName, const QString &text, const QRect &geometry)
{
    auto *button = new QPushButton(text, panel);
    button->setObjectName(objectName);
    button->setGeometry(geometry);
    button->setStyleSheet(PanelStyles::blueButton());
    return button;
}

void setValidator(QLineEdit *edit, const QString &pattern)
{
    edit->setValidator(new QRegularExpressionValidator(QRegularExpression(pattern), edit));
}

// A ratio slider with its spin box; each follows the other and every move restarts `timer`.
QList<QWidget *> createRatioControls(QWidget *panel, const QString &objectName, int sliderY,
    int spinBoxY, float storedValue, QObject *timer)
{
    auto *slider = new QSlider(Qt::Horizontal, panel);
    slider->setObjectName(objectName);
    slider->setGeometry(967, sliderY, 196, 22);
    slider->setRange(1, 100);
    const int value = clampedSliderValue(storedValue, slider->minimum(), slider->maximum());
    slider->setValue(value);
    slider->setStyleSheet(PanelStyles::slider());
    auto *spinBox = new QSpinBox(panel);
    spinBox->setGeometry(1113, spinBoxY, 50, 22);
    spinBox->setRange(1, 100);
    spinBox->setValue(value);
    spinBox->setStyleSheet(PanelStyles::spinBox());
    QObject::connect(slider, SIGNAL(valueChanged(int)), spinBox, SLOT(setValue(int)));
    QObject::connect(slider, SIGNAL(valueChanged(int)), timer, SLOT(start()));
    QObject::connect(spinBox, SIGNAL(valueChanged(int)), slider, SLOT(setValue(int)));
    return { slider, spinBox };
}

} // namespace

void MainWindow::createPlaybackPanel(QWidget *panel)
{
    createPanelFrame(panel, tr("PLAYBACK"));

    const QString jointCaptionStyle = QStringLiteral(
        "QLabel{background-color:#8F969B; color:white; font:normal normal 14px \"Arial\";}");
    const QString jointValueStyle = QStringLiteral(
        "QLineEdit{background-color:#EEF3F9; color:black; font:normal normal 16px \"Arial\";}");
    for (int k = 1; k <= 4; ++k) {
        const int x = 112 + 196 * (k - 1);
        createLabel(panel, tr("Joint%1Angle").arg(k), QRect(x, 32, 189, 22), Qt::AlignCenter,
            jointCaptionStyle);
        createLineEdit(panel, QStringLiteral("joint%1Angle").arg(k), QStringLiteral("0.000"),
            QRect(x, 54, 189, 22), jointValueStyle)
            ->setReadOnly(true);
    }

    const QString columnCaptionStyle = QStringLiteral(
        "QLabel{border-left:1px solid #ffffff;background-color:#8F969B; color:white; "
        "font:normal normal 14px \"Arial\";}");
    const QStringList columnCaptions { QStringLiteral("MotionStyle"), QStringLiteral("isGrab"),
        QStringLiteral("X"), QStringLiteral("Y"), QStringLiteral("Z"), QStringLiteral("rHead"),
        QStringLiteral("Gripper"), QStringLiteral("PauseTime") };
    createLabel(panel, columnCaptions.first(), QRect(112, 82, 121, 22), Qt::AlignCenter,
        columnCaptionStyle);
    for (int i = 0; i < 6; ++i)
        createLabel(panel, columnCaptions.at(i + 1), QRect(233 + 91 * i, 82, 91, 22),
            Qt::AlignCenter, columnCaptionStyle);
    createLabel(
        panel, columnCaptions.last(), QRect(779, 82, 110, 22), Qt::AlignCenter, columnCaptionStyle);

    auto *motionStyle = new CComboBox(panel);
    motionStyle->setObjectName(QStringLiteral("motionStyle"));
    motionStyle->setGeometry(112, 104, 121, 22);
    motionStyle->addItems({ motionStyleText(JUMP), motionStyleText(MOVJ), motionStyleText(MOVL) });
    motionStyle->setCurrentIndex(0);
    PanelStyles::applyBlueComboBox(motionStyle, 14);

    const QStringList poseFields { QStringLiteral("isGrab"), QStringLiteral("x"),
        QStringLiteral("y"), QStringLiteral("z"), QStringLiteral("rHead"),
        QStringLiteral("gripper") };
    const QStringList poseTexts { QStringLiteral("false"), QStringLiteral("0.0"),
        QStringLiteral("0.0"), QStringLiteral("0.0"), QStringLiteral("0.000"),
        QStringLiteral("0.000") };
    for (int j = 0; j < poseFields.size(); ++j)
        createLineEdit(
            panel, poseFields.at(j), poseTexts.at(j), QRect(233 + 91 * j, 104, 91, 22), editStyle)
            ->setEnabled(false);

    QLineEdit *pauseTime = createLineEdit(panel, QStringLiteral("pauseTime"),
        QStringLiteral("0.000"), QRect(779, 104, 110, 22), editStyle);
    setValidator(pauseTime, QStringLiteral("^([0-9]|[1-9][0-9])(\\.\\d{0,3})?$"));

    auto *tableView = new CPlaybackTableView(panel);
    tableView->setObjectName(QStringLiteral("playbackTableView"));
    tableView->setGeometry(112, 132, 777, 232);
    tableView->setStyleSheet(QStringLiteral(
        "QWidget{background-color:#ffffff;selection-background-color:#3B5B98;}QWidget:disabled{"
        "background-color:#EEF3F9;selection-background-color:#3B5B98;}"));

    QPushButton *saveBtn
        = createButton(panel, QStringLiteral("saveBtn"), tr("Save"), QRect(967, 32, 196, 40));
    QPushButton *startBtn
        = createButton(panel, QStringLiteral("startBtn"), tr("Start"), QRect(967, 82, 93, 30));
    startBtn->setEnabled(false);
    QPushButton *stopBtn
        = createButton(panel, QStringLiteral("stopBtn"), tr("Stop"), QRect(1070, 82, 93, 30));
    stopBtn->setEnabled(false);
    QPushButton *importBtn = createButton(
        panel, QStringLiteral("importBtn"), tr("Import..."), QRect(967, 122, 93, 30));
    QPushButton *exportBtn = createButton(
        panel, QStringLiteral("exportBtn"), tr("Export..."), QRect(1070, 122, 93, 30));

    createLabel(panel, tr("Loop Number"), QRect(967, 162, 196, 30),
        Qt::AlignLeft | Qt::AlignVCenter, captionStyle);
    QLineEdit *loop = createLineEdit(
        panel, QStringLiteral("loop"), QStringLiteral("1"), QRect(1070, 162, 93, 30), editStyle);
    loop->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    setValidator(loop, QStringLiteral("^([1-9]|[1-9][0-9]{6})$"));
    createLabel(panel, tr("Current Loop"), QRect(967, 202, 196, 30),
        Qt::AlignLeft | Qt::AlignVCenter, captionStyle);
    createLabel(panel, QStringLiteral("0"), QRect(967, 202, 196, 30),
        Qt::AlignRight | Qt::AlignVCenter,
        QStringLiteral("QLabel{color:black; font:normal normal 14px \"Arial\";}"))
        ->setObjectName(QStringLiteral("currentLoop"));

    const PlaybackParams stored = COptions::instance()->playbackParams();
    createLabel(panel, tr("Velocity Ratio"), QRect(967, 242, 196, 22),
        Qt::AlignLeft | Qt::AlignVCenter, captionStyle);
    const QList<QWidget *> velocityControls = createRatioControls(
        panel, QStringLiteral("velocityRatio"), 282, 242, stored.velocityRatio, playbackRatioTimer);
    createLabel(panel, tr("Acceleratio Ratio"), QRect(967, 312, 196, 22),
        Qt::AlignLeft | Qt::AlignVCenter, captionStyle);
    const QList<QWidget *> accelerationControls
        = createRatioControls(panel, QStringLiteral("accelerationRatio"), 342, 312,
            stored.accelerationRatio, playbackRatioTimer);

    createLabel(panel, QString(), QRect(112, 366, 777, 22), Qt::AlignLeft | Qt::AlignVCenter,
        QStringLiteral("QLabel{color:#174FA4; font:normal normal 14px \"Arial\";}"))
        ->setObjectName(QStringLiteral("playbackStatus"));

    runningRowTracker = new CRunningRowTracker(tableView);
    connect(runningRowTracker, SIGNAL(pointsSettled()), this, SLOT(onPlaybackStartBtnVerify()));
    connect(tableView, SIGNAL(rowPointSent(int)), this, SLOT(onPlaybackStartBtnVerify()));
    connect(runningRowTracker, SIGNAL(rowNotReached(int)), this, SLOT(onRunningRowNotReached(int)));

    playbackLockedWidgets
        = { motionStyle, pauseTime, tableView, saveBtn, importBtn, exportBtn, loop };
    playbackLockedWidgets << velocityControls << accelerationControls;

    connect(tableView, SIGNAL(insertActTriggered(int)), this, SLOT(onInsertActTriggered(int)));
    connect(tableView, SIGNAL(stepActTriggered()), this, SLOT(onStepActTriggered()));
    connect(tableView, SIGNAL(playFromRowActTriggered(int)), this,
        SLOT(onPlayFromRowActTriggered(int)));
    connect(tableView, SIGNAL(importDrawingActTriggered(int)), this,
        SLOT(onImportDrawingActTriggered(int)));
    connect(tableView->model(), SIGNAL(rowsInserted(QModelIndex, int, int)), this,
        SLOT(onPlaybackStartBtnVerify()));
    connect(tableView->model(), SIGNAL(rowsRemoved(QModelIndex, int, int)), this,
        SLOT(onPlaybackStartBtnVerify()));
    connect(loop, SIGNAL(textChanged(QString)), this, SLOT(onPlaybackStartBtnVerify()));
    connect(startBtn, SIGNAL(clicked()), this, SLOT(onStartBtnClicked()));
    connect(stopBtn, SIGNAL(clicked()), this, SLOT(onStopBtnClicked()));
    connect(saveBtn, SIGNAL(clicked()), this, SLOT(insertPlaybackRow()));
    connect(importBtn, SIGNAL(clicked()), this, SLOT(onImportBtnClicked()));
    connect(exportBtn, SIGNAL(clicked()), this, SLOT(onExportBtnClicked()));
    updatePlaybackActions();
}

CPlaybackTableView *MainWindow::playbackTableView() const
{
    return playbackPanel->findChild<CPlaybackTableView *>(QStringLiteral("playbackTableView"));
}

void MainWindow::insertPlaybackRow()
{
    playbackTableView()->clearSelection();
    onInsertActTriggered(1);
}

void MainWindow::onInsertActTriggered(int insertMode)
{
    const auto fieldText = [this](const char *name) {
        return playbackPanel->findChild<QLineEdit *>(QLatin1String(name))->text();
    };
    PlaybackPoint point {};
    point.motionStyle = uint8_t(
        playbackPanel->findChild<CComboBox *>(QStringLiteral("motionStyle"))->currentIndex());
    point.isGrab = fieldText("isGrab") == QLatin1String("true") ? 1 : 0;
    point.x = pointNumber(fieldText("x"));
    point.y = pointNumber(fieldText("y"));
    point.z = pointNumber(fieldText("z"));
    point.rHead = pointNumber(fieldText("rHead"));
    point.gripper = pointNumber(fieldText("gripper"));
    point.pauseTime = pointNumber(fieldText("pauseTime"));
    playbackTableView()->insertPoint(insertMode, point);
}

void MainWindow::onPlaybackRatioChanged()
{
    const float velocityRatio
        = float(playbackPanel->findChild<QSlider *>(QStringLiteral("velocityRatio"))->value());
    const float accelerationRatio
        = float(playbackPanel->findChild<QSlider *>(QStringLiteral("accelerationRatio"))->value());
    COptions::instance()->setPlaybackVelocityRatio(velocityRatio);
    COptions::instance()->setPlaybackAccelerationRatio(accelerationRatio);
    PlaybackDynamicParams params {};
    params.velocityRatio = velocityRatio;
    params.accelerationRatio = accelerationRatio;
    SetPlaybackDynamicParams(&params);
}

void MainWindow::onPlaybackStartBtnVerify()
{
    const int loopCount
        = playbackPanel->findChild<QLineEdit *>(QStringLiteral("loop"))->text().toInt(nullptr, 10);
    const bool hasRows = playbackTableView()->model()->rowCount() > 0;
    playbackPanel->findChild<QPushButton *>(QStringLiteral("startBtn"))
        ->setEnabled(loopCount != 0 && hasRows);
    updatePlaybackActions();
}

void MainWindow::updatePlaybackActions()
{
    const auto *startBtn = playbackPanel->findChild<QPushButton *>(QStringLiteral("startBtn"));
    const bool startable = startBtn->isEnabled() && startBtn->text() == tr("Start");
    // One press, one row: the next step waits until the arm has reached the row before.
    playbackTableView()->stepAction()->setEnabled(startable && !runningRowTracker->pointsPending());
    playbackTableView()->playFromRowAction()->setEnabled(startable);
}

void MainWindow::onStartBtnClicked()
{
    auto *startBtn = playbackPanel->findChild<QPushButton *>(QStringLiteral("startBtn"));
    const QString text = startBtn->text();
    if (text == tr("Start")) {
        if (!confirmReachablePoints())
            return;
        playbackState = 0;
        onSendPlaybackTimer();
    } else if (text == tr("Pause")) {
        startBtn->setText(tr("Resume"));
        requestPlaybackState(1);
    } else if (text == tr("Resume")) {
        startBtn->setText(tr("Pause"));
        requestPlaybackState(0);
    }
}

void MainWindow::requestPlaybackState(int state)
{
    // Stop wins: a Pause or Resume clicked before the run has noticed it must not undo it.
    if (playbackState != 2)
        playbackState = state;
}

void MainWindow::onStopBtnClicked()
{
    playbackState = 2;
}

void MainWindow::setPlaybackRunning(bool running)
{
    teachPanel->setEnabled(!running);
    for (QWidget *widget : qAsConst(playbackLockedWidgets))
        widget->setEnabled(!running);
    playbackPanel->findChild<QPushButton *>(QStringLiteral("startBtn"))
        ->setText(running ? tr("Pause") : tr("Start"));
    playbackPanel->findChild<QPushButton *>(QStringLiteral("stopBtn"))->setEnabled(running);
    updatePlaybackActions();
}

void MainWindow::onStepActTriggered()
{
    CPlaybackTableView *tableView = playbackTableView();
    const int rowCount = tableView->model()->rowCount();
    const int row = (runningRowTracker->lastFedRow() + 1) % rowCount;
    showPlaybackStatus(row == 0 && runningRowTracker->lastFedRow() == rowCount - 1
            ? tr("Step went past the last row and starts again at row 1.")
            : QString());
    PlaybackPoint point {};
    tableView->rowPoint(row, point);
    // Only a point out of reach is questioned, so that stepping through the others asks nothing.
    if (!ArmKinematics::inverse({ point.x, point.y, point.z, point.rHead })
        && !confirmReachablePoints())
        return;
    playbackState = 0;
    feedPlayback(row, true);
}

void MainWindow::onRunningRowNotReached(int row)
{
    showPlaybackStatus(
        tr("The arm did not go to row %1: the controller skipped its point.").arg(row + 1));
}

void MainWindow::showPlaybackStatus(const QString &text)
{
    playbackPanel->findChild<QLabel *>(QStringLiteral("playbackStatus"))->setText(text);
}

void MainWindow::onPlayFromRowActTriggered(int row)
{
    if (!confirmReachablePoints())
        return;
    playbackState = 0;
    feedPlayback(row, false);
}

void MainWindow::onSendPlaybackTimer()
{
    feedPlayback(0, false);
}

void MainWindow::feedPlayback(int firstRow, bool onePoint)
{
    const uint loopCount
        = playbackPanel->findChild<QLineEdit *>(QStringLiteral("loop"))->text().toUInt(nullptr, 10);
    CPlaybackTableView *tableView = playbackTableView();
    const int rowCount = tableView->model()->rowCount();
    auto *currentLoop = playbackPanel->findChild<QLabel *>(QStringLiteral("currentLoop"));
    // A step is no run of the table: it neither counts loops nor clears the mark before it.
    if (!onePoint) {
        currentLoop->setText(QStringLiteral("0"));
        showPlaybackStatus(QString());
    }
    PlaybackPoints points;
    tableView->getPoints(points);
    runningRowTracker->startFeeding(points, !onePoint);

    int index = firstRow;
    uint loopsDone = 0;
    // The controls lock at the run's first wait: nothing can reach them before the event loop
    // runs, and a run the controller takes whole ends inside the click, where locking and
    // unlocking every control would cost many times the run itself.
    bool locked = false;
    // Waits stay short so that Pause, Resume and Stop take effect at once.
    const auto waitABit = [this, &locked] {
        if (!locked) {
            setPlaybackRunning(true);
            locked = true;
        }
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    };
    const std::function<void()> wait = waitABit;
    const QScopedValueRollback<bool> feeding(feedingPoints, true);
    // Start is only enabled with rows and a non-zero loop count; the guard keeps a run that was
    // started any other way from looping on nothing.
    while (index < rowCount && loopsDone != loopCount) {
        if (!offerPoint(points.at(index), wait))
            break;
        runningRowTracker->pointAccepted(index);
        if (onePoint)
            break;
        if (++index == rowCount) {
            ++loopsDone;
            index = 0;
            // The count changes only here; setting it for every point costs more than the offer.
            currentLoop->setText(QString::number(loopsDone));
        }
    }

    if (locked)
        setPlaybackRunning(false);
    updatePlaybackActions();
}

bool MainWindow::offerPoint(const PlaybackPoint &point, const std::function<void()> &waitABit)
{
    for (;;) {
        if (playbackState == 2)
            return false;
        if (playbackState == 1) {
            waitABit();
            continue;
        }
        PlaybackPoint offered = point;
        if (SetPlaybackBufferCmd(&offered) == 0) {
            lastFedPoint = point;
            lastFedPending = true;
            return true;
        }
        waitABit();
    }
}
