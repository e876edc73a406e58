// MainWindow: the controller connection slots, pose polling and the hand-over to the firmware
// upgrade.
#include "app/mainwindow.h"

#include "ArvexDll.h"
#include "app/cstartupboxes.h"
#include "options/cconfigjogdialog.h"
#include "options/cconfigplaybackdialog.h"
#include "options/coptions.h"
#include "playback/armpose.h"
#include "playback/crunningrowtracker.h"
#include "widgets/cshowbusyindicatordialog.h"
#include "widgets/cshowresultdialog.h"

#include <QAction>
#include <QApplication>
#include <QDebug>
#include <QDir>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QMessageBox>
#include <QProcess>
#include <QPushButton>
#include <QTimer>
#include <QWindow>

namespace {

QString closingParagraph()
{
    return MainWindow::tr(
               "<p align='center'>If the problem can't be solved by following the previous "
               "tips, please contact ")
        + QStringLiteral("<a href='mailto:support@arvexrobotics.com'>support@arvexrobotics.com</a>")
        + MainWindow::tr(" for support.</p>");
}

struct ResultText
{
    QString headline;
    QString advice;
};

// Headline and advice for a connection result of 1 to 6.
ResultText connectionResultText(int result)
{
    const QString sensorAdvice = MainWindow::tr(
        "<p>1. Please ensure both sensors are connected and installed on the Arvex properly.</p>"
        "<p>2. Please switch the cables of the sensors to check the problem is caused by the "
        "sensor "
        "or the cable.</p><p>3. Please reset the controller after you connect the sensor "
        "cable.</p><p>4. You can still use Arvex by manually set angle "
        "value:<b>Menu</b>--><b>Initial Pose...</b>.<p>");
    switch (result) {
    case 1:
        return { MainWindow::tr("<p style='font-size:22px; color:#3B5B98'>Warning4 : Controller is "
                                "connected properly, but there is no reading from the <b>rear arm "
                                "sensor</b>.</p>"),
            sensorAdvice };
    case 2:
        return { MainWindow::tr("<p style='font-size:22px; color:#3B5B98'>Warning5 : Controller is "
                                "connected properly, but there is no reading from the <b>fore arm "
                                "sensor</b>.</p>"),
            sensorAdvice };
    case 3:
        return { MainWindow::tr(
                     "<p style='font-size:22px; color:#3B5B98'>Warning6 : Controller is "
                     "connected properly, but there is no reading from both  <b>fore arm "
                     "and rear arm sensors</b>.</p>"),
            sensorAdvice };
    case 4:
        return { MainWindow::tr(
                     "<p style='font-size:22px; color:#3B5B98'>Error1 : Arvex Controller "
                     "is not found!</p>"),
            MainWindow::tr(
                "<p>1. Please check if your Arvex is connected to your PC with USB.</p><p>2. "
                "Please ensure that the Arduino driver is installed properly. You can check if "
                "there is \"Arduino\" device in your device manager.If not, please install "
                "Arduino driver. You can do this manually by <b>Right Click.</b> the unknow "
                "device--><b>Update Driver Software...</b>--><b>Browse my computer for driver "
                "software</b>-->locate the Arduino driver flolder--><b>Next</b>.</p><p>3. If "
                "the problem still can't be solved, please unplug the USB cable and try it on "
                "another USB port.</p>") };
    case 5:
        return { MainWindow::tr("<p style='font-size:22px; color:#3B5B98'>Error2 : The COM port "
                                "can't be open!</p>"),
            MainWindow::tr(
                "<p>1. Please check if the COM port is occupied by other software. It could be "
                "another Arduino software or unclosed Arvex software.</p><p>2. Unplug the USB "
                "cable, replug it, open the software and try again.</p><p>3. If the problem "
                "cannot be solved, you can try to restart your PC and try again.</p>") };
    default:
        return { MainWindow::tr("<p style='font-size:22px; color:#3B5B98'>Error3 : Arvex is "
                                "connected property, but there is no data uploaded!</p>"),
            MainWindow::tr(
                "<p>1. Please switch the <b>USB/Bluetooth Switch</b> to the USB end, "
                "<b>reset</b> the controller and try again.</p><p>2. ArvexTools v1.3 using "
                "9600bps as default BAUD rate. We recommend you to upgrade the controller to "
                "the lastest version.</p><p>3. Upgrade the firmware to lastest version and try "
                "again.<b>ArvexTools</b>--><b>ArvexDownloadUtil</b>--><b>Open the lastest "
                "version hex file from hex folder</b>--><b>Download</b>.</p>") };
    }
}

} // namespace

void MainWindow::connectArvex()
{
    CShowBusyIndicatorDialog busyDialog(this);
    busyDialog.show();
    showBeforeBlocking(&busyDialog);
    connectAct->setEnabled(false);
    periodicTaskTimer->start();

    const int result = ConnectArvex();

    periodicTaskTimer->stop();
    busyDialog.hide();

    if (result == 0) {
        secondDelayedInit();
        return;
    }

    // A result outside the library's contract reads as "no data uploaded": the client stays
    // disconnected and the user can try again.
    const bool warning = result >= 1 && result <= 3;
    auto *resultDialog = new CShowResultDialog(warning ? 1 : 0, this);
    const ResultText text = connectionResultText(result >= 1 && result <= 6 ? result : 6);
    resultDialog->setResult(text.headline);
    resultDialog->setTips(text.advice + closingParagraph());
    connect(resultDialog, SIGNAL(accepted()),
        findChild<QTimer *>(QStringLiteral("delayedInitTimer")), SLOT(start()));
    connect(resultDialog, SIGNAL(finished(int)), resultDialog, SLOT(deleteLater()));
    resultDialog->show();

    if (warning) {
        secondDelayedInit();
    } else {
        connectAct->setEnabled(true);
        // Without a connection the table is not loaded, so nothing is offered for now.
        startupBoxes->skip(CStartupBoxes::PointsRecovery);
    }
}

void MainWindow::showBeforeBlocking(QWidget *busyDialog)
{
    // The first attempt runs before the window has reached the screen. Wait for it, briefly and
    // without user input, so that the user sees the busy dialog rather than nothing.
    QElapsedTimer waited;
    waited.start();
    while (isVisible() && windowHandle() && !windowHandle()->isExposed() && waited.elapsed() < 1000)
        QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents, 50);
    busyDialog->repaint();
    if (!firstFrameDone) {
        firstFrameDone = true;
        emit firstFrameShown();
    }
}

void MainWindow::secondDelayedInit()
{
    setConnectedState(true);
    // The jog mode box takes the focus once the panels can have it, unless a dialog holds it.
    // The window's own focus widget counts, also while another window is active.
    const QWidget *focus = focusWidget();
    if (!focus || !focus->isEnabled() || !focus->isVisible())
        teachPanel->findChild<QWidget *>(QStringLiteral("jogMode"))->setFocus();
    periodicTaskTimer->start();
    getPoseTimer->start();
    SetCmdTimeout(3000);

    CConfigJogDialog().sendParams();
    CConfigPlaybackDialog().sendParams();

    onEndTypeChanged(0);
    // The pump is switched off below; the buttons show it, whatever was checked before.
    teachPanel->findChild<QPushButton *>(QStringLiteral("pumpOffBtn"))->setChecked(true);
    onGrabToggled(1);
    onJogVelocityRatioChanged();
    onPlaybackRatioChanged();

    if (!appAboutToQuitConnected) {
        connect(qApp, SIGNAL(aboutToQuit()), this, SLOT(onAppAboutToQuit()));
        appAboutToQuitConnected = true;
    }
    onAppStartup();
}

void MainWindow::disconnectArvex()
{
    // A disconnected controller takes no more points, and Stop is about to be disabled.
    playbackState = 2;
    setConnectedState(false);
    periodicTaskTimer->stop();
    getPoseTimer->stop();
    sendPendingRatios();
    DisconnectArvex();
    runningRowTracker->forgetQueued();
}

void MainWindow::sendPendingRatios()
{
    if (jogVelocityRatioTimer->isActive()) {
        jogVelocityRatioTimer->stop();
        onJogVelocityRatioChanged();
    }
    if (playbackRatioTimer->isActive()) {
        playbackRatioTimer->stop();
        onPlaybackRatioChanged();
    }
}

void MainWindow::resetArvex()
{
    ResetArvex();
    runningRowTracker->forgetQueued();
}

void MainWindow::onPeriodicTaskTimer()
{
    PeriodicTask();
}

void MainWindow::onGetPoseTimer()
{
    const Pose pose = readArmPose();

    const auto setField = [this](const QString &name, const QString &text) {
        if (auto *field = playbackPanel->findChild<QLineEdit *>(name))
            field->setText(text);
    };
    const float joints[]
        = { pose.joint1Angle, pose.joint2Angle, pose.joint3Angle, pose.joint4Angle };
    for (int k = 0; k < 4; ++k)
        setField(QStringLiteral("joint%1Angle").arg(k + 1), QString::number(joints[k], 'f', 3));
    setField(QStringLiteral("x"), QString::number(pose.x, 'f', 1));
    setField(QStringLiteral("y"), QString::number(pose.y, 'f', 1));
    setField(QStringLiteral("z"), QString::number(pose.z, 'f', 1));
    setField(QStringLiteral("rHead"), QString::number(pose.rHead, 'f', 3));
    setField(QStringLiteral("isGrab"),
        pose.isGrab != 0.0f ? QStringLiteral("true") : QStringLiteral("false"));
    setField(QStringLiteral("gripper"), QString::number(pose.gripper, 'f', 3));
    showPoseInArmView(pose);
    runningRowTracker->poseReported(pose);
}

void MainWindow::upgradeArvex()
{
#ifdef Q_OS_WIN
    const QString program = QStringLiteral("%1/ArvexDownloadUtil.exe");
#else
    const QString program = QStringLiteral("%1/ArvexDownloadUtil");
#endif
    const QString path = program.arg(QCoreApplication::applicationDirPath());
    // Started before the controller is let go, so that a utility that cannot start leaves the
    // client as it was. The utility takes far longer to reach the port than the disconnect.
    if (!QProcess::startDetached(path, { QStringLiteral("--auto") })) {
        QMessageBox::warning(this, tr("Warning"),
            tr("The firmware download utility cannot be started:\n%1")
                .arg(QDir::toNativeSeparators(path)));
        return;
    }
    if (disconnectAct->isEnabled())
        disconnectArvex();
    close();
    COptions::instance()->setUpgrade(1);
}
