// MainWindow: construction, actions, the drop-down menu and the connection state of its actions.
#include "app/mainwindow.h"

#include "app/clientlocale.h"
#include "app/cstartupboxes.h"
#include "componentversion.h"
#include "eeg/ceegmanager.h"
#include "options/coptions.h"
#include "widgets/cshownewfeaturesdialog.h"

#include "widgets/panelstyles.h"

#include "updatecontroller.h"

#include <QAction>
#include <QCursor>
#include <QGroupBox>
#include <QKeySequence>
#include <QLabel>
#include <QMenu>
#include <QTimer>
#include <QVBoxLayout>

MainWindow::MainWindow(QWidget *parent)
    : CWidget(parent)
{
    // The tool lies beside the program.
    updateController = new UpdateKit::UpdateController(QStringLiteral("maintenancetool"), this);
    updateController->setDetailedUpdateInfo(true);

    setWindowTitle(
        QStringLiteral("Arvex Client v%1").arg(getComponentVersion(QStringLiteral("ArvexClient"))));

    setFixedSize(1280, 720);
    setDownBtnVisible(true);
    setMinimumBtnVisible(true);
    setMovable(true);
    connect(this, SIGNAL(downBtnClicked()), this, SLOT(onDownBtnClicked()));

    createActions();
    createMenus();
    // Shortcuts of actions work only where the actions are added, not just in the closed menu.
    addActions(popupMenu->actions());

    teachPanel = new QWidget;
    teachPanel->setFixedSize(1280, 280);
    playbackPanel = new QWidget;
    playbackPanel->setFixedSize(1280, 398);
    auto *content = new QWidget;
    auto *layout = new QVBoxLayout(content);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    layout->addWidget(teachPanel);
    layout->addWidget(playbackPanel);
    setContentWidget(content);

    // The panels connect to the ratio timers, so these exist first.
    jogVelocityRatioTimer = new QTimer(this);
    jogVelocityRatioTimer->setSingleShot(true);
    jogVelocityRatioTimer->setInterval(500);
    connect(jogVelocityRatioTimer, SIGNAL(timeout()), this, SLOT(onJogVelocityRatioChanged()));
    playbackRatioTimer = new QTimer(this);
    playbackRatioTimer->setSingleShot(true);
    playbackRatioTimer->setInterval(500);
    connect(playbackRatioTimer, SIGNAL(timeout()), this, SLOT(onPlaybackRatioChanged()));

    createTeachPanel(teachPanel);
    createPlaybackPanel(playbackPanel);

    content->setEnabled(false);

    connect(CEEGManager::instance(), SIGNAL(newFrame(CEEGManager::EEGData)), this,
        SLOT(onEEGNewFrame(CEEGManager::EEGData)));

    periodicTaskTimer = new QTimer(this);
    periodicTaskTimer->setInterval(0);
    connect(periodicTaskTimer, SIGNAL(timeout()), this, SLOT(onPeriodicTaskTimer()));
    getPoseTimer = new QTimer(this);
    getPoseTimer->setInterval(250);
    connect(getPoseTimer, SIGNAL(timeout()), this, SLOT(onGetPoseTimer()));

    createScriptControls();

    setUpStartup();
}

MainWindow::~MainWindow() = default;

void MainWindow::setUpStartup()
{
    // Once the event loop runs: the connection (connectArvex), which shows the busy dialog as
    // soon as the window is on screen; with that first frame the update check and the search for
    // the headset's port start; a connection loads the table (onAppStartup).
    auto *delayedInitTimer = new QTimer(this);
    delayedInitTimer->setObjectName(QStringLiteral("delayedInitTimer"));
    delayedInitTimer->setSingleShot(true);
    delayedInitTimer->setInterval(0);
    connect(delayedInitTimer, SIGNAL(timeout()), this, SLOT(connectArvex()));
    connect(this, SIGNAL(firstFrameShown()), this, SLOT(startAfterFirstFrame()));
    delayedInitTimer->start();

    // The boxes the start-up may open, one after another in this order: the firmware notice
    // while the upgrade flag is 0, the question whether to restore an unsaved table once the
    // table is loaded, and what the update check found.
    startupBoxes = new CStartupBoxes(this);
    startupBoxes->add(CStartupBoxes::FirmwareNotice,
        [this](const std::function<void()> &answered) { showFirmwareNotice(answered); });
    startupBoxes->add(CStartupBoxes::PointsRecovery,
        [this](const std::function<void()> &answered) { offerPointsRecovery(answered); });
    startupBoxes->add(CStartupBoxes::UpdateResult,
        [this](const std::function<void()> &answered) { showUpdateResult(answered); });
    if (COptions::instance()->upgrade() == 0)
        startupBoxes->ready(CStartupBoxes::FirmwareNotice);
    else
        startupBoxes->skip(CStartupBoxes::FirmwareNotice);
    // A connection that fails skips the recovery question (connectArvex); a check that finds
    // nothing shows nothing.
    updateController->setResultPresenter([this](const std::function<void()> &showResult) {
        updateResult = showResult;
        startupBoxes->ready(CStartupBoxes::UpdateResult);
    });
}

void MainWindow::startAfterFirstFrame()
{
    // The check is silent unless updates exist.
    updateController->start(UpdateKit::UpdateController::InfoLevel);
    CEEGManager::instance()->openHeadsetPort();
}

void MainWindow::showFirmwareNotice(const std::function<void()> &answered)
{
    auto *newFeaturesDialog = new CShowNewFeaturesDialog(
        this, ClientLocale::localeName(COptions::instance()->language()));
    connect(newFeaturesDialog, SIGNAL(accepted()), this, SLOT(upgradeArvex()));
    connect(newFeaturesDialog, &CDialog::finished, this, [answered] { answered(); });
    newFeaturesDialog->show();
}

void MainWindow::showUpdateResult(const std::function<void()> &answered)
{
    updateResult();
    answered();
}

void MainWindow::closeEvent(QCloseEvent *event)
{
    // A playback run is a nested event loop; it must end for the application to quit.
    playbackState = 2;
    CWidget::closeEvent(event);
}

void MainWindow::createActions()
{
    exitAct = new QAction(tr("E&xit"), this);
    exitAct->setShortcuts(QKeySequence::Quit);
    exitAct->setStatusTip(tr("Exit the application"));
    connect(exitAct, SIGNAL(triggered()), this, SLOT(close()));

    connectAct = new QAction(QIcon(QStringLiteral(":/images/start.png")), tr("&Connect"), this);
    connectAct->setStatusTip(tr("Connect the Arvex controller"));
    connect(connectAct, SIGNAL(triggered()), this, SLOT(connectArvex()));

    disconnectAct
        = new QAction(QIcon(QStringLiteral(":/images/stop.png")), tr("&Disconnect"), this);
    disconnectAct->setStatusTip(tr("Disconnect the Arvex controller"));
    connect(disconnectAct, SIGNAL(triggered()), this, SLOT(disconnectArvex()));

    resetAct = new QAction(tr("&Reset"), this);
    resetAct->setToolTip(tr("Reset the Arvex controller"));
    connect(resetAct, SIGNAL(triggered()), this, SLOT(resetArvex()));

    upgradeAct = new QAction(tr("&Upgrade firmware"), this);
    upgradeAct->setToolTip(tr("Upgrade the Arvex controller firmware"));
    connect(upgradeAct, SIGNAL(triggered()), this, SLOT(upgradeArvex()));

    userDefAct = new QAction(tr("&Initial Pose..."), this);
    userDefAct->setToolTip(tr("Config the initial pose"));
    connect(userDefAct, SIGNAL(triggered()), this, SLOT(onUserDefBtnClicked()));

    jogConfigAct = new QAction(tr("Config &Teach..."), this);
    jogConfigAct->setToolTip(tr("Config the teach parameters"));
    connect(jogConfigAct, SIGNAL(triggered()), this, SLOT(onJogConfigBtnClicked()));

    playbackConfigAct = new QAction(tr("Config &Playback..."), this);
    playbackConfigAct->setToolTip(tr("Config the playback parameters"));
    connect(playbackConfigAct, SIGNAL(triggered()), this, SLOT(onPlaybackConfigBtnClicked()));

    eegAct = new QAction(tr("EEG..."), this);
    eegAct->setToolTip(tr("Show EEG curve dialog"));
    connect(eegAct, SIGNAL(triggered()), this, SLOT(onEEGBtnClicked()));

    configLanguageAct = new QAction(tr("&Language..."), this);
    configLanguageAct->setToolTip(tr("Config the application language"));
    connect(configLanguageAct, SIGNAL(triggered()), this, SLOT(onConfigLanguageBtnClicked()));

    armViewAct = new QAction(tr("Arm &View..."), this);
    armViewAct->setToolTip(tr("Show the arm, its reach and the playback points"));
    connect(armViewAct, SIGNAL(triggered()), this, SLOT(onArmViewActTriggered()));

    for (QAction *action : controllerActions())
        action->setEnabled(false);
}

void MainWindow::createMenus()
{
    popupMenu = new QMenu(this);
    popupMenu->addAction(connectAct);
    popupMenu->addAction(disconnectAct);
    popupMenu->addAction(upgradeAct);
    popupMenu->addSeparator();
    popupMenu->addAction(userDefAct);
    popupMenu->addAction(jogConfigAct);
    popupMenu->addAction(playbackConfigAct);
    popupMenu->addAction(armViewAct);
    popupMenu->addSeparator();
    popupMenu->addAction(eegAct);
    popupMenu->addSeparator();
    popupMenu->addAction(updateController->createUpdateAction(this));
    popupMenu->addAction(configLanguageAct);
    popupMenu->addAction(exitAct);
    popupMenu->setStyleSheet(QStringLiteral(
        "QMenu {    background-color: white;    font: normal normal 16px \"微软雅黑\";    "
        "border:none;}QMenu::item {    height: 50px;    background-color: #FEFEFE;}"
        "QMenu::item:selected {    background-color: #3B5B98;    color:white;}"));
}

void MainWindow::onDownBtnClicked()
{
    popupMenu->exec(QCursor::pos());
}

void MainWindow::createPanelFrame(QWidget *panel, const QString &title)
{
    auto *background = new QWidget(panel);
    background->setStyleSheet(PanelStyles::background());
    background->setGeometry(panel->rect());
    auto *frame = new QGroupBox(panel);
    frame->setStyleSheet(PanelStyles::frame());
    frame->setGeometry(panel->rect());

    auto *titleLabel = new QLabel(title, panel);
    titleLabel->setFont(PanelStyles::arial(16));
    titleLabel->setAlignment(Qt::AlignCenter);
    titleLabel->setStyleSheet(PanelStyles::title());
    titleLabel->setGeometry(30, 5, titleLabel->fontMetrics().horizontalAdvance(title) + 10, 16);
}

QList<QAction *> MainWindow::controllerActions() const
{
    return { disconnectAct, resetAct, userDefAct, jogConfigAct, playbackConfigAct, eegAct };
}

void MainWindow::setConnectedState(bool connected)
{
    connectAct->setEnabled(!connected);
    for (QAction *action : controllerActions())
        action->setEnabled(connected);
    contentWidget()->setEnabled(connected);
}
