// The client's main window: title bar and menu, the TEACH and PLAYBACK panels, the controller
// connection and the timers that drive it. Its slots are implemented beside the feature they
// belong to (client/app, client/teach, client/playback, client/options, client/eeg,
// client/script).
#pragma once

#include "ArvexDll.h"
#include "eeg/ceegmanager.h"
#include "widgets/cwidget.h"

#include <QElapsedTimer>
#include <QJsonObject>
#include <QJsonValue>
#include <QList>
#include <QPointer>

#include <functional>

class CArmViewWindow;
class CStartupBoxes;
class CDefaultPointsFile;
class CEEGCurveDialog;
class CPlaybackTableView;
class CPointsRecovery;
class CRunningRowTracker;
class CScriptServer;
class QAction;
class QMenu;
class QSignalMapper;
class QTimer;
namespace UpdateKit {
class UpdateController;
}

class MainWindow : public CWidget
{
    Q_OBJECT

public:
    explicit MainWindow(QWidget *parent = nullptr);
    ~MainWindow() override;

signals:
    // The window and the busy dialog of the first connection are on screen.
    void firstFrameShown();

protected:
    void closeEvent(QCloseEvent *event) override;

private slots:
    void onDownBtnClicked();
    void onConfigLanguageBtnClicked();
    void connectArvex();
    void disconnectArvex();
    void resetArvex();
    void upgradeArvex();
    void secondDelayedInit();
    void onPeriodicTaskTimer();
    void onJogModeChanged(int index);
    void onJogCtrlBtnPressed(int index);
    void onJogCtrlBtnReleased();
    void onJogVelocityRatioChanged();
    void onEndTypeChanged(int index);
    void onGrabToggled(int checked);
    void onLaserToggled(bool checked);
    void onJogConfigBtnClicked();
    void onUserDefBtnClicked();
    void onEEGBtnClicked();
    void onEEGCurveDlgFinished();
    void onEEGNewFrame(CEEGManager::EEGData eegData);
    void insertPlaybackRow();
    void onInsertActTriggered(int insertMode);
    void onPlaybackRatioChanged();
    void onGetPoseTimer();
    void onPlaybackStartBtnVerify();
    void onStartBtnClicked();
    void onStopBtnClicked();
    void onSendPlaybackTimer();
    void onPlaybackConfigBtnClicked();
    void onImportBtnClicked();
    void onExportBtnClicked();
    void onAppStartup();
    void onAppAboutToQuit();
    // The slots above keep their fixed order; added slots follow.
    void onStepActTriggered();
    void onPlayFromRowActTriggered(int row);
    void onArmViewActTriggered();
    // Once, with the window's first frame: what that frame need not wait for, the update check
    // and the search for the headset's port.
    void startAfterFirstFrame();
    void onRunningRowNotReached(int row);
    void onAllowScriptsToggled(bool allowed);
    void onDisconnectScriptTriggered();
    void onScriptSessionStarted();
    void onScriptSessionEnded();
    void onScriptRequest(QJsonValue id, QString method, QJsonObject params);
    void onScriptStopped();
    void onStopActTriggered();
    void onScriptArmDisconnected();
    void onScriptTimer();
    void onScriptPoseTimer();
    void onScriptAppAboutToQuit();
    void onImportDrawingActTriggered(int row);

private:
    void createActions();
    void createMenus();
    // White ground, frame and the title on the frame's top edge, shared by both panels.
    void createPanelFrame(QWidget *panel, const QString &title);
    void createTeachPanel(QWidget *panel);
    void createPlaybackPanel(QWidget *panel);
    // Sends a jog command with isJoint taken from the jog mode box.
    void sendJogInstantCmd(int cmd);
    CPlaybackTableView *playbackTableView() const;
    // Locks or unlocks the panels for a playback run.
    void setPlaybackRunning(bool running);
    // Step and Play from this row are enabled exactly when Start is.
    void updatePlaybackActions();
    // The line under the table that says what a step or run could not do; empty clears it.
    void showPlaybackStatus(const QString &text);
    // The feeding loop: from firstRow to the end, then whole loops until the loop count is done;
    // with onePoint, only the point of firstRow.
    void feedPlayback(int firstRow, bool onePoint);
    // Pause (1) or resume (0) the run, unless a stop was requested.
    void requestPlaybackState(int state);
    // The actions that need a connected controller.
    QList<QAction *> controllerActions() const;
    // Lets the window and the busy dialog appear before ConnectArvex blocks the thread.
    void showBeforeBlocking(QWidget *busyDialog);
    // The start-up after the constructor, in order, in one place.
    void setUpStartup();
    // The start-up boxes.
    void showFirmwareNotice(const std::function<void()> &answered);
    void offerPointsRecovery(const std::function<void()> &answered);
    void showUpdateResult(const std::function<void()> &answered);
    // Moves actions and panels between the connected and the disconnected state.
    void setConnectedState(bool connected);
    // Sends a ratio whose slider moved less than 500 ms ago, while the controller still listens.
    void sendPendingRatios();
    // Shows the pose in the arm view window when it is open.
    void showPoseInArmView(const Pose &pose);
    void placeArmViewWindow();
    // Before a run: true when every row of the table is within the arm's reach, by the marks the
    // table keeps, or the user starts anyway.
    bool confirmReachablePoints();
    // Offers the point until the controller takes it (true) or a stop is requested (false),
    // waiting while the run is paused or the controller's queue is full.
    bool offerPoint(const PlaybackPoint &point, const std::function<void()> &waitABit);

    // The script port: its menu entries, the line that names the connected script, the Stop key.
    void createScriptControls();
    // The script's requests; each answers through the session, at once or when the arm is idle.
    void scriptHello(const QJsonValue &id, const QJsonObject &params);
    void scriptPose(const QJsonValue &id, const QJsonObject &params);
    void scriptMove(const QJsonValue &id, const QJsonObject &params);
    void scriptTool(const QJsonValue &id, const QJsonObject &params);
    void scriptTableRead(const QJsonValue &id, const QJsonObject &params);
    void scriptTableEdit(const QJsonValue &id, const QString &method, const QJsonObject &params);
    void scriptRun(const QJsonValue &id, const QJsonObject &params);
    void scriptPauseResume(const QJsonValue &id, const QString &method);
    void scriptStop(const QJsonValue &id);
    void scriptStep(const QJsonValue &id);
    void scriptWait(const QJsonValue &id);
    void scriptSpeed(const QJsonValue &id, const QJsonObject &params);
    // False, after telling the script why, when the arm may not move now.
    bool scriptMayMove(const QJsonValue &id);
    // No point is being fed or on its way, and the arm has come to the script's last point.
    bool scriptArmIdle();
    void endScriptWaits(int code, const QString &message);
    // The window's controls stay locked while a script waits for the arm, so that Stop is there.
    void updateScriptLock();
    QString scriptRunState() const;

    QAction *exitAct = nullptr;
    QAction *connectAct = nullptr;
    QAction *disconnectAct = nullptr;
    QAction *resetAct = nullptr;
    QAction *upgradeAct = nullptr;
    QAction *userDefAct = nullptr;
    QAction *jogConfigAct = nullptr;
    QAction *playbackConfigAct = nullptr;
    QAction *eegAct = nullptr;
    QAction *configLanguageAct = nullptr;
    QAction *armViewAct = nullptr;
    QMenu *popupMenu = nullptr;
    UpdateKit::UpdateController *updateController = nullptr;

    QWidget *teachPanel = nullptr;
    QWidget *playbackPanel = nullptr;
    QSignalMapper *jogCtrlBtnMapper = nullptr;

    int playbackState = 0;
    QList<QWidget *> playbackLockedWidgets;
    CRunningRowTracker *runningRowTracker = nullptr;
    // The open EEG curve dialog, if any; it arms the attention rule.
    QPointer<CEEGCurveDialog> eegCurveDlg;

    QTimer *jogVelocityRatioTimer = nullptr;
    QTimer *playbackRatioTimer = nullptr;
    QTimer *periodicTaskTimer = nullptr;
    QTimer *getPoseTimer = nullptr;

    // The aboutToQuit hook is connected once, whatever the number of connections in a run.
    bool appAboutToQuitConnected = false;
    bool firstFrameDone = false;

    // Loaded at the first connection only, saved at quit; created on first use.
    CDefaultPointsFile *defaultPointsFile();
    CDefaultPointsFile *pointsFile = nullptr;
    // Created once the points file is loaded.
    CPointsRecovery *pointsRecovery = nullptr;

    QPointer<CArmViewWindow> armViewWindow;
    // The firmware notice, the recovery question and the update result, one after another.
    CStartupBoxes *startupBoxes = nullptr;
    // Shows what the update check found, once its box's turn has come.
    std::function<void()> updateResult;

    CScriptServer *scriptServer = nullptr;
    QAction *allowScriptsAct = nullptr;
    QAction *disconnectScriptAct = nullptr;
    QAction *stopAct = nullptr;
    // Polls the arm for the script's waits and notifications while a script is connected.
    QTimer *scriptTimer = nullptr;
    // Requests waiting until the arm is idle.
    QList<QJsonValue> scriptWaits;
    bool scriptLocked = false;
    bool feedingPoints = false;
    bool scriptRunFeeding = false;
    // The last point the controller took, from a run, a step or a script, until the arm has come
    // there with the pump as the point sets it.
    bool lastFedPending = false;
    PlaybackPoint lastFedPoint {};
    float scriptLastPosition[4] = {};
    QElapsedTimer scriptStillSince;
    QString scriptNotifiedState;
    int scriptNotifiedRow = -1;
};
