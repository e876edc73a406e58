// MainWindow: the script port's menu entries and status line, and the script's requests, served
// through the same slots and feeding as the window's own controls.
#include "app/mainwindow.h"

#include "ArvexDll.h"
#include "armkinematics.h"
#include "componentversion.h"
#include "playback/armpose.h"
#include "playback/cplaybacktablemodel.h"
#include "playback/cplaybacktableview.h"
#include "playback/crunningrowtracker.h"
#include "playback/playbackpoint.h"
#include "script/cscriptserver.h"
#include "script/cscriptsession.h"
#include "widgets/panelstyles.h"

#include <QAction>
#include <QApplication>
#include <QJsonArray>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QScopedValueRollback>
#include <QSlider>
#include <QTimer>

#include <algorithm>
#include <cmath>

namespace {

// A box or dialog over the window; the frameless window itself counts as modal.
const QWidget *openDialog(const QWidget *window)
{
    const QWidget *modal = QApplication::activeModalWidget();
    return modal == window ? nullptr : modal;
}

constexpr int InvalidParams = CScriptRequestReader::InvalidParams;

// How often the arm is looked at for a script's waits and its notifications (ms).
constexpr int ScriptPollInterval = CRunningRowTracker::PoseInterval;
// An arm that stands still this long away from the script's point will not go there (a dropped
// point, or the user moved it): waits end anyway.
constexpr int StillTimeout = CRunningRowTracker::StillTimeout;
// Rows a script may send in one request; a table of more is built in several.
constexpr int MaxRowsPerEdit = 100000;

bool isNumber(const QJsonValue &value)
{
    return value.isDouble() && std::isfinite(value.toDouble());
}

QJsonObject poseObject(const Pose &pose)
{
    return { { QStringLiteral("x"), double(pose.x) }, { QStringLiteral("y"), double(pose.y) },
        { QStringLiteral("z"), double(pose.z) }, { QStringLiteral("r"), double(pose.rHead) },
        { QStringLiteral("joints"),
            QJsonArray { double(pose.joint1Angle), double(pose.joint2Angle),
                double(pose.joint3Angle), double(pose.joint4Angle) } },
        { QStringLiteral("gripper"), double(pose.gripper) },
        { QStringLiteral("grab"), pose.isGrab != 0.0f } };
}

QJsonObject rowObject(const PlaybackPoint &point, bool reachable)
{
    return { { QStringLiteral("mode"), motionStyleText(point.motionStyle) },
        { QStringLiteral("grab"), point.isGrab != 0 }, { QStringLiteral("x"), double(point.x) },
        { QStringLiteral("y"), double(point.y) }, { QStringLiteral("z"), double(point.z) },
        { QStringLiteral("r"), double(point.rHead) },
        { QStringLiteral("gripper"), double(point.gripper) },
        { QStringLiteral("pause"), double(point.pauseTime) },
        { QStringLiteral("reachable"), reachable } };
}

// A row as a script writes it: x, y, z required; r, gripper, pause 0, mode MOVL, grab false
// unless given. Empty error when it is sound.
QString pointOfRow(const QJsonValue &value, PlaybackPoint &point)
{
    const QJsonObject row = value.toObject();
    point = {};
    const QJsonValue mode = row.value(QLatin1String("mode"));
    const int motionStyle = mode.isUndefined() ? MOVL : motionStyleFromText(mode.toString());
    if (motionStyle < 0)
        return QStringLiteral("mode must be JUMP, MOVJ or MOVL");
    point.motionStyle = uint8_t(motionStyle);
    const QJsonValue grab = row.value(QLatin1String("grab"));
    if (!grab.isUndefined() && !grab.isBool())
        return QStringLiteral("grab must be true or false");
    point.isGrab = grab.toBool() ? 1 : 0;
    struct Number
    {
        const char *name;
        float *field;
        bool required;
    };
    const Number numbers[] = { { "x", &point.x, true }, { "y", &point.y, true },
        { "z", &point.z, true }, { "r", &point.rHead, false }, { "gripper", &point.gripper, false },
        { "pause", &point.pauseTime, false } };
    for (const Number &number : numbers) {
        const QJsonValue given = row.value(QLatin1String(number.name));
        if (given.isUndefined() && !number.required)
            continue;
        // Far beyond any arm, and still a float, so that the table never holds an infinity.
        if (!isNumber(given) || std::abs(given.toDouble()) > 1e6)
            return QStringLiteral("%1 must be a number").arg(QLatin1String(number.name));
        *number.field = float(given.toDouble());
    }
    if (point.pauseTime < 0 || point.pauseTime >= 100)
        return QStringLiteral("pause must lie from 0 to below 100 seconds");
    return {};
}

} // namespace

void MainWindow::createScriptControls()
{
    scriptServer = new CScriptServer(this);
    connect(scriptServer, SIGNAL(sessionStarted()), this, SLOT(onScriptSessionStarted()));
    connect(scriptServer, SIGNAL(sessionEnded()), this, SLOT(onScriptSessionEnded()));

    allowScriptsAct = new QAction(tr("Allow &Scripts"), this);
    allowScriptsAct->setCheckable(true);
    allowScriptsAct->setToolTip(tr("Let programs of this user drive the arm through a local port"));
    disconnectScriptAct = new QAction(tr("Disconnect Script"), this);
    disconnectScriptAct->setEnabled(false);
    connect(disconnectScriptAct, SIGNAL(triggered()), this, SLOT(onDisconnectScriptTriggered()));
    popupMenu->insertAction(eegAct, allowScriptsAct);
    popupMenu->insertAction(eegAct, disconnectScriptAct);
    popupMenu->insertSeparator(eegAct);

    // Works wherever the focus is in the window, also while the panels are locked by a run.
    stopAct = new QAction(tr("Stop"), this);
    stopAct->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Period));
    stopAct->setShortcutContext(Qt::WindowShortcut);
    addAction(stopAct);
    connect(stopAct, SIGNAL(triggered()), this, SLOT(onStopActTriggered()));
    connect(playbackPanel->findChild<QPushButton *>(QStringLiteral("stopBtn")), SIGNAL(clicked()),
        this, SLOT(onScriptStopped()));
    connect(disconnectAct, SIGNAL(triggered()), this, SLOT(onScriptArmDisconnected()));
    connect(resetAct, SIGNAL(triggered()), this, SLOT(onScriptArmDisconnected()));
    connect(qApp, SIGNAL(aboutToQuit()), this, SLOT(onScriptAppAboutToQuit()));

    // On the content, not on the TEACH panel, so that it stays usable while a run locks that.
    auto *status = new QLabel(contentWidget());
    status->setObjectName(QStringLiteral("scriptStatus"));
    status->setGeometry(112, 244, 700, 22);
    status->setStyleSheet(
        QStringLiteral("QLabel{color:#174FA4; font:normal normal 14px \"Arial\";}"));
    auto *disconnectBtn = new QPushButton(tr("Disconnect"), contentWidget());
    disconnectBtn->setObjectName(QStringLiteral("scriptDisconnectBtn"));
    disconnectBtn->setGeometry(968, 243, 196, 22);
    disconnectBtn->setStyleSheet(PanelStyles::blueButton());
    disconnectBtn->hide();
    connect(disconnectBtn, SIGNAL(clicked()), this, SLOT(onDisconnectScriptTriggered()));

    scriptTimer = new QTimer(this);
    scriptTimer->setInterval(ScriptPollInterval);
    connect(scriptTimer, SIGNAL(timeout()), this, SLOT(onScriptTimer()));
    connect(getPoseTimer, SIGNAL(timeout()), this, SLOT(onScriptPoseTimer()));

    allowScriptsAct->setChecked(CScriptServer::allowedInSettings() && scriptServer->listen());
    // Connected after the stored state is shown, so that showing it writes nothing.
    connect(allowScriptsAct, SIGNAL(toggled(bool)), this, SLOT(onAllowScriptsToggled(bool)));
}

void MainWindow::onAllowScriptsToggled(bool allowed)
{
    if (allowed && !scriptServer->listen()) {
        const QSignalBlocker blocker(allowScriptsAct);
        allowScriptsAct->setChecked(false);
        QMessageBox::warning(this, tr("Warning"),
            tr("Scripts cannot be allowed: the local port for them cannot be opened."));
        return;
    }
    if (!allowed)
        scriptServer->close(QStringLiteral("scripts were turned off in the window"));
    CScriptServer::setAllowedInSettings(allowed);
}

void MainWindow::onDisconnectScriptTriggered()
{
    if (CScriptSession *session = scriptServer->session())
        session->close(QStringLiteral("disconnected in the window"));
}

void MainWindow::onScriptSessionStarted()
{
    connect(scriptServer->session(), SIGNAL(requestReceived(QJsonValue, QString, QJsonObject)),
        this, SLOT(onScriptRequest(QJsonValue, QString, QJsonObject)));
}

void MainWindow::onScriptSessionEnded()
{
    // The script's work ends with it: its waits, and a run it started.
    scriptWaits.clear();
    lastFedPending = false;
    if (scriptRunFeeding)
        playbackState = 2;
    updateScriptLock();
    scriptTimer->stop();
    disconnectScriptAct->setEnabled(false);
    contentWidget()->findChild<QLabel *>(QStringLiteral("scriptStatus"))->clear();
    contentWidget()->findChild<QPushButton *>(QStringLiteral("scriptDisconnectBtn"))->hide();
}

void MainWindow::onScriptRequest(QJsonValue id, QString method, QJsonObject params)
{
    using Handler = void (MainWindow::*)(const QJsonValue &, const QJsonObject &);
    static const QHash<QString, Handler> handlers {
        { QStringLiteral("hello"), &MainWindow::scriptHello },
        { QStringLiteral("version"), &MainWindow::scriptHello },
        { QStringLiteral("pose"), &MainWindow::scriptPose },
        { QStringLiteral("move"), &MainWindow::scriptMove },
        { QStringLiteral("tool"), &MainWindow::scriptTool },
        { QStringLiteral("table.read"), &MainWindow::scriptTableRead },
        { QStringLiteral("run"), &MainWindow::scriptRun },
        { QStringLiteral("speed"), &MainWindow::scriptSpeed },
    };
    if (const Handler handler = handlers.value(method))
        (this->*handler)(id, params);
    else if (method.startsWith(QLatin1String("table.")))
        scriptTableEdit(id, method, params);
    else if (method == QLatin1String("pause") || method == QLatin1String("resume"))
        scriptPauseResume(id, method);
    else if (method == QLatin1String("stop"))
        scriptStop(id);
    else if (method == QLatin1String("step"))
        scriptStep(id);
    else if (method == QLatin1String("wait"))
        scriptWait(id);
    else
        scriptServer->session()->replyError(
            id, CScriptRequestReader::MethodNotFound, QStringLiteral("no method ") + method);
}

void MainWindow::scriptHello(const QJsonValue &id, const QJsonObject &)
{
    CScriptSession *session = scriptServer->session();
    if (!scriptTimer->isActive()) {
        contentWidget()
            ->findChild<QLabel *>(QStringLiteral("scriptStatus"))
            ->setText(tr("Script \"%1\" connected since %2")
                          .arg(session->program(),
                              session->since().toString(QStringLiteral("HH:mm:ss"))));
        contentWidget()->findChild<QPushButton *>(QStringLiteral("scriptDisconnectBtn"))->show();
        disconnectScriptAct->setEnabled(true);
        scriptNotifiedState.clear();
        scriptNotifiedRow = -1;
        scriptTimer->start();
    }
    session->reply(id,
        QJsonObject {
            { QStringLiteral("version"), getComponentVersion(QStringLiteral("ArvexClient")) },
            { QStringLiteral("protocol"), 1 } });
}

void MainWindow::scriptPose(const QJsonValue &id, const QJsonObject &)
{
    if (!disconnectAct->isEnabled()) {
        scriptServer->session()->replyError(
            id, CScriptSession::Disconnected, QStringLiteral("the arm is not connected"));
        return;
    }
    scriptServer->session()->reply(id, poseObject(readArmPose()));
}

bool MainWindow::scriptMayMove(const QJsonValue &id)
{
    QString reason;
    if (!disconnectAct->isEnabled())
        reason = QStringLiteral("the arm is not connected");
    else if (const QWidget *dialog = openDialog(this))
        reason = QStringLiteral("a dialog is open in the window (%1 \"%2\"); the user must "
                                "answer it first")
                     .arg(QLatin1String(dialog->metaObject()->className()), dialog->windowTitle());
    else if (feedingPoints || scriptRunFeeding)
        reason = QStringLiteral("a run is playing; stop it or wait for it first");
    if (reason.isEmpty())
        return true;
    scriptServer->session()->replyError(id,
        disconnectAct->isEnabled() ? CScriptSession::Refused : CScriptSession::Disconnected,
        reason);
    return false;
}

void MainWindow::scriptMove(const QJsonValue &id, const QJsonObject &params)
{
    PlaybackPoint point {};
    QJsonObject row = params;
    row.remove(QStringLiteral("grab"));
    const QString invalid = pointOfRow(row, point);
    if (!invalid.isEmpty()) {
        scriptServer->session()->replyError(id, InvalidParams, invalid);
        return;
    }
    if (!scriptMayMove(id))
        return;
    if (!ArmKinematics::inverse({ point.x, point.y, point.z, point.rHead })) {
        scriptServer->session()->replyError(id, CScriptSession::Unreachable,
            QStringLiteral("x %1, y %2, z %3 lies outside the arm's reach")
                .arg(double(point.x))
                .arg(double(point.y))
                .arg(double(point.z)));
        return;
    }
    const Pose pose = readArmPose();
    point.isGrab = pose.isGrab != 0.0f ? 1 : 0;
    if (!params.contains(QLatin1String("gripper")))
        point.gripper = pose.gripper;
    playbackState = 0;
    bool offered = false;
    {
        const QScopedValueRollback<bool> feeding(feedingPoints, true);
        offered
            = offerPoint(point, [] { QCoreApplication::processEvents(QEventLoop::AllEvents, 10); });
    }
    // The session may have ended while the controller's queue was full.
    CScriptSession *session = scriptServer->session();
    if (!session)
        return;
    if (!offered) {
        session->replyError(id, CScriptSession::Stopped, QStringLiteral("stopped in the window"));
        return;
    }
    scriptStillSince.start();
    if (params.value(QLatin1String("wait")).toBool(true))
        scriptWait(id);
    else
        session->reply(id, QJsonObject { { QStringLiteral("queued"), true } });
}

void MainWindow::scriptTool(const QJsonValue &id, const QJsonObject &params)
{
    if (!scriptMayMove(id))
        return;
    const QJsonValue pump = params.value(QLatin1String("pump"));
    const QJsonValue laser = params.value(QLatin1String("laser"));
    if ((!pump.isUndefined() && !pump.isBool()) || (!laser.isUndefined() && !laser.isBool())) {
        scriptServer->session()->replyError(
            id, InvalidParams, QStringLiteral("pump and laser take true or false"));
        return;
    }
    if (pump.isBool()) {
        // As a click on On or Off: the buttons show what the arm does.
        teachPanel
            ->findChild<QPushButton *>(
                pump.toBool() ? QStringLiteral("pumpOnBtn") : QStringLiteral("pumpOffBtn"))
            ->setChecked(true);
        onGrabToggled(pump.toBool() ? 0 : 1);
    }
    if (laser.isBool())
        onLaserToggled(laser.toBool());
    if (params.contains(QLatin1String("gripper"))) {
        // The gripper opens to a value only as part of a point: one to where the arm stands.
        const Pose pose = readArmPose();
        QJsonObject here { { QStringLiteral("x"), double(pose.x) },
            { QStringLiteral("y"), double(pose.y) }, { QStringLiteral("z"), double(pose.z) },
            { QStringLiteral("r"), double(pose.rHead) }, { QStringLiteral("mode"), "MOVJ" },
            { QStringLiteral("gripper"), params.value(QLatin1String("gripper")) } };
        scriptMove(id, here);
        return;
    }
    scriptServer->session()->reply(id, QJsonObject { { QStringLiteral("done"), true } });
}

void MainWindow::scriptTableRead(const QJsonValue &id, const QJsonObject &params)
{
    CPlaybackTableView *tableView = playbackTableView();
    const auto *model = qobject_cast<CPlaybackTableModel *>(tableView->model());
    const int rowCount = model->rowCount();
    const int first = params.value(QLatin1String("first")).toInt(0);
    const int count = params.value(QLatin1String("count")).toInt(rowCount);
    if (first < 0 || count < 0) {
        scriptServer->session()->replyError(
            id, InvalidParams, QStringLiteral("first and count cannot be negative"));
        return;
    }
    PlaybackPoints points;
    tableView->getPoints(points);
    QJsonArray rows;
    for (int row = first; row < std::min(rowCount, first + count); ++row)
        rows.append(rowObject(points.at(row), !model->isRowOutOfReach(row)));
    scriptServer->session()->reply(id,
        QJsonObject { { QStringLiteral("rows"), rows }, { QStringLiteral("count"), rowCount },
            { QStringLiteral("running"), model->runningRow() } });
}

void MainWindow::scriptTableEdit(
    const QJsonValue &id, const QString &method, const QJsonObject &params)
{
    CScriptSession *session = scriptServer->session();
    const int rowCount = playbackTableView()->model()->rowCount();
    const QJsonArray rows = params.value(QLatin1String("rows")).toArray();
    const QJsonValue at = params.value(QLatin1String("row"));
    const int row = at.toInt(-1);
    struct Edit
    {
        const char *method;
        const char *stepName;
        bool takesRows;
        bool takesRow;
    };
    static const Edit edits[] = {
        { "table.append", QT_TR_NOOP("Script: append rows"), true, false },
        { "table.insert", QT_TR_NOOP("Script: insert rows"), true, true },
        { "table.replace", QT_TR_NOOP("Script: replace rows"), true, true },
        { "table.clear", QT_TR_NOOP("Script: clear the table"), false, false },
    };
    const auto edit = std::find_if(std::begin(edits), std::end(edits),
        [&](const Edit &e) { return method == QLatin1String(e.method); });
    if (edit == std::end(edits)) {
        session->replyError(
            id, CScriptRequestReader::MethodNotFound, QStringLiteral("no method ") + method);
        return;
    }
    if (edit->takesRows && (rows.isEmpty() || rows.size() > MaxRowsPerEdit)) {
        session->replyError(
            id, InvalidParams, QStringLiteral("rows must hold 1 to %1 rows").arg(MaxRowsPerEdit));
        return;
    }
    const bool replacing = method == QLatin1String("table.replace");
    if (edit->takesRow
        && (!at.isDouble() || row < 0 || row > rowCount
            || (replacing && row + rows.size() > rowCount))) {
        session->replyError(id, InvalidParams,
            QStringLiteral("row must be a row number from 0 to %1 that the rows fit from")
                .arg(rowCount));
        return;
    }
    PlaybackPoints points;
    points.reserve(rows.size());
    for (int i = 0; i < rows.size(); ++i) {
        PlaybackPoint point {};
        const QString invalid = pointOfRow(rows.at(i), point);
        if (!invalid.isEmpty()) {
            session->replyError(
                id, InvalidParams, QStringLiteral("row %1: %2").arg(i).arg(invalid));
            return;
        }
        points.append(point);
    }
    // The table is locked while a run plays or a dialog is open, as for the user.
    if (!playbackTableView()->isEnabled() || openDialog(this) || feedingPoints) {
        session->replyError(id, CScriptSession::Refused,
            QStringLiteral("the table is locked: a run plays or a dialog is open"));
        return;
    }
    const int firstRow = edit->takesRow ? row : (edit->takesRows ? rowCount : 0);
    const int removed = replacing ? int(rows.size()) : (edit->takesRows ? 0 : rowCount);
    playbackTableView()->editRows(tr(edit->stepName), firstRow, removed, points);
    session->reply(
        id, QJsonObject { { QStringLiteral("count"), playbackTableView()->model()->rowCount() } });
}

void MainWindow::scriptRun(const QJsonValue &id, const QJsonObject &params)
{
    CScriptSession *session = scriptServer->session();
    const auto *model = qobject_cast<CPlaybackTableModel *>(playbackTableView()->model());
    const QJsonValue loops = params.value(QLatin1String("loops"));
    const int row = params.value(QLatin1String("row")).toInt(0);
    if ((!loops.isUndefined() && (loops.toInt(0) < 1 || loops.toInt(0) > 9999999)) || row < 0
        || (row > 0 && row >= model->rowCount())) {
        session->replyError(id, InvalidParams,
            QStringLiteral("loops must lie from 1 to 9999999 and row be a row of the table"));
        return;
    }
    if (!scriptMayMove(id))
        return;
    if (model->rowCount() == 0) {
        session->replyError(id, CScriptSession::Refused, QStringLiteral("the table is empty"));
        return;
    }
    // The window would ask; a script is told which rows and starts nothing.
    if (const int outOfReach = model->outOfReachRowCount()) {
        QStringList listed;
        for (int r : model->outOfReachRows(5))
            listed << QString::number(r);
        session->replyError(id, CScriptSession::Unreachable,
            QStringLiteral("%1 row(s) out of the arm's reach: %2%3")
                .arg(outOfReach)
                .arg(listed.join(QStringLiteral(", ")))
                .arg(outOfReach > 5 ? QStringLiteral(", ...") : QString()));
        return;
    }
    if (!loops.isUndefined())
        playbackPanel->findChild<QLineEdit *>(QStringLiteral("loop"))
            ->setText(QString::number(loops.toInt()));
    scriptRunFeeding = true;
    session->reply(id, QJsonObject { { QStringLiteral("started"), true } });
    // Fed outside the socket's handler, so that the script's next requests (stop, pose) are read
    // while the run plays.
    QTimer::singleShot(0, this, [this, row] {
        playbackState = 0;
        feedPlayback(row, false);
        scriptRunFeeding = false;
        updateScriptLock();
    });
}

void MainWindow::scriptPauseResume(const QJsonValue &id, const QString &method)
{
    auto *startBtn = playbackPanel->findChild<QPushButton *>(QStringLiteral("startBtn"));
    const bool pause = method == QLatin1String("pause");
    if (startBtn->text() != (pause ? tr("Pause") : tr("Resume"))) {
        scriptServer->session()->replyError(id, CScriptSession::Refused,
            pause ? QStringLiteral("no run to pause") : QStringLiteral("no paused run"));
        return;
    }
    if (!pause && openDialog(this)) {
        scriptMayMove(id);
        return;
    }
    onStartBtnClicked();
    scriptServer->session()->reply(
        id, QJsonObject { { QStringLiteral("state"), scriptRunState() } });
}

void MainWindow::scriptStop(const QJsonValue &id)
{
    onStopBtnClicked();
    endScriptWaits(CScriptSession::Stopped, QStringLiteral("stopped by the script"));
    scriptServer->session()->reply(id, QJsonObject { { QStringLiteral("stopped"), true } });
}

void MainWindow::scriptStep(const QJsonValue &id)
{
    if (!scriptMayMove(id))
        return;
    const auto *model = qobject_cast<CPlaybackTableModel *>(playbackTableView()->model());
    if (!playbackTableView()->stepAction()->isEnabled()) {
        scriptServer->session()->replyError(id, CScriptSession::Refused,
            QStringLiteral(
                "no step now: the table is empty or the last step's row is not reached"));
        return;
    }
    const int row = (runningRowTracker->lastFedRow() + 1) % model->rowCount();
    if (model->isRowOutOfReach(row)) {
        scriptServer->session()->replyError(id, CScriptSession::Unreachable,
            QStringLiteral("row %1 is out of the arm's reach").arg(row));
        return;
    }
    onStepActTriggered();
    scriptServer->session()->reply(id, QJsonObject { { QStringLiteral("row"), row } });
}

void MainWindow::scriptWait(const QJsonValue &id)
{
    scriptWaits.append(id);
    scriptStillSince.start();
    updateScriptLock();
}

void MainWindow::scriptSpeed(const QJsonValue &id, const QJsonObject &params)
{
    const std::pair<const char *, const char *> ratios[]
        = { { "velocity", "velocityRatio" }, { "acceleration", "accelerationRatio" } };
    for (const auto &[name, slider] : ratios) {
        const QJsonValue value = params.value(QLatin1String(name));
        if (!value.isUndefined()
            && (!isNumber(value) || value.toInt() < 1 || value.toInt() > 100)) {
            scriptServer->session()->replyError(
                id, InvalidParams, QStringLiteral("%1 must lie from 1 to 100").arg(name));
            return;
        }
    }
    QJsonObject result;
    bool changed = false;
    for (const auto &[name, sliderName] : ratios) {
        auto *slider = playbackPanel->findChild<QSlider *>(QLatin1String(sliderName));
        const QJsonValue value = params.value(QLatin1String(name));
        if (!value.isUndefined()) {
            if (!scriptMayMove(id))
                return;
            slider->setValue(value.toInt());
            changed = true;
        }
        result.insert(QLatin1String(name), slider->value());
    }
    // Sent at once, not after the sliders' pause, so that the next move has the new speed.
    if (changed) {
        playbackRatioTimer->stop();
        onPlaybackRatioChanged();
    }
    scriptServer->session()->reply(id, result);
}

bool MainWindow::scriptArmIdle()
{
    if (feedingPoints || scriptRunFeeding || runningRowTracker->pointsPending())
        return false;
    if (!lastFedPending)
        return true;
    const Pose pose = readArmPose();
    const float position[4] = { pose.x, pose.y, pose.z, pose.rHead };
    // The pump tells apart rows at one place that only switch it, as a pick or a release does.
    if (std::hypot(pose.x - lastFedPoint.x, pose.y - lastFedPoint.y, pose.z - lastFedPoint.z)
            <= CRunningRowTracker::ReachedDistance
        && std::abs(pose.rHead - lastFedPoint.rHead) <= CRunningRowTracker::ReachedDegrees
        && (pose.isGrab != 0.0f) == (lastFedPoint.isGrab != 0)) {
        lastFedPending = false;
        return true;
    }
    if (!std::equal(std::begin(position), std::end(position), std::begin(scriptLastPosition))) {
        std::copy(std::begin(position), std::end(position), std::begin(scriptLastPosition));
        scriptStillSince.start();
        return false;
    }
    if (scriptStillSince.elapsed() < StillTimeout + qint64(lastFedPoint.pauseTime * 1000))
        return false;
    lastFedPending = false;
    return true;
}

void MainWindow::onScriptTimer()
{
    CScriptSession *session = scriptServer->session();
    if (!session)
        return;
    if (!scriptWaits.isEmpty() && scriptArmIdle()) {
        const QJsonObject pose = poseObject(readArmPose());
        for (const QJsonValue &id : qAsConst(scriptWaits))
            session->reply(id, pose);
        scriptWaits.clear();
        updateScriptLock();
    }
    const QString state = scriptRunState();
    if (state != scriptNotifiedState) {
        scriptNotifiedState = state;
        session->notify(QStringLiteral("state"), { { QStringLiteral("state"), state } });
    }
    const int row = qobject_cast<CPlaybackTableModel *>(playbackTableView()->model())->runningRow();
    if (row != scriptNotifiedRow) {
        scriptNotifiedRow = row;
        session->notify(QStringLiteral("row"), { { QStringLiteral("row"), row } });
    }
}

void MainWindow::onScriptPoseTimer()
{
    if (CScriptSession *session = scriptServer->session())
        if (session->subscribed(QStringLiteral("pose")))
            session->notify(QStringLiteral("pose"), poseObject(readArmPose()));
}

QString MainWindow::scriptRunState() const
{
    if (!disconnectAct->isEnabled())
        return QStringLiteral("disconnected");
    const QString text
        = playbackPanel->findChild<QPushButton *>(QStringLiteral("startBtn"))->text();
    if (text == tr("Resume"))
        return QStringLiteral("paused");
    if (feedingPoints || scriptRunFeeding)
        return QStringLiteral("running");
    return runningRowTracker->pointsPending() || lastFedPending ? QStringLiteral("moving")
                                                                : QStringLiteral("idle");
}

void MainWindow::endScriptWaits(int code, const QString &message)
{
    lastFedPending = false;
    if (CScriptSession *session = scriptServer->session())
        for (const QJsonValue &id : qAsConst(scriptWaits))
            session->replyError(id, code, message);
    scriptWaits.clear();
    updateScriptLock();
}

void MainWindow::updateScriptLock()
{
    const bool stopBtnShown
        = playbackPanel->findChild<QPushButton *>(QStringLiteral("stopBtn"))->isEnabled();
    const bool wanted = !scriptWaits.isEmpty();
    if (wanted && !stopBtnShown) {
        setPlaybackRunning(true);
        scriptLocked = true;
    } else if (!wanted && scriptLocked && !feedingPoints) {
        setPlaybackRunning(false);
        scriptLocked = false;
    }
}

void MainWindow::onStopActTriggered()
{
    auto *stopBtn = playbackPanel->findChild<QPushButton *>(QStringLiteral("stopBtn"));
    if (stopBtn->isEnabled())
        stopBtn->click();
}

void MainWindow::onScriptStopped()
{
    endScriptWaits(CScriptSession::Stopped, QStringLiteral("stopped by the user in the window"));
}

void MainWindow::onScriptArmDisconnected()
{
    // The controller's queue is gone: nothing the script waits for will come.
    endScriptWaits(
        CScriptSession::Disconnected, QStringLiteral("the arm was disconnected or reset"));
}

void MainWindow::onScriptAppAboutToQuit()
{
    endScriptWaits(CScriptSession::Disconnected, QStringLiteral("the window was closed"));
    scriptServer->close(QStringLiteral("the window was closed"));
}
