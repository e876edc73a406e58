// MainWindow: the arm view window opened from the menu and fed by the pose timer.
#include "app/mainwindow.h"

#include "armview/carmview.h"
#include "armview/carmviewwindow.h"

#include <QGuiApplication>
#include <QLineEdit>
#include <QScreen>

void MainWindow::onArmViewActTriggered()
{
    if (!armViewWindow) {
        armViewWindow = new CArmViewWindow(playbackTableView(), this);
        // Starts from the pose last shown, before the pose timer's next reading.
        JointAngles shown;
        double *angles[] = { &shown.joint1, &shown.joint2, &shown.joint3, &shown.joint4 };
        for (int k = 0; k < 4; ++k)
            *angles[k]
                = playbackPanel->findChild<QLineEdit *>(QStringLiteral("joint%1Angle").arg(k + 1))
                      ->text()
                      .toDouble();
        armViewWindow->armView()->setJointAngles(shown);
        armViewWindow->adjustSize();
        placeArmViewWindow();
    }
    armViewWindow->show();
    armViewWindow->raise();
}

void MainWindow::showPoseInArmView(const Pose &pose)
{
    if (armViewWindow)
        armViewWindow->armView()->setJointAngles(
            { pose.joint1Angle, pose.joint2Angle, pose.joint3Angle, pose.joint4Angle });
}

void MainWindow::placeArmViewWindow()
{
    // Beside the window or below it where the screen has room, so that no control is covered;
    // otherwise in the screen's corner away from the jog buttons, from where the user moves it.
    const QScreen *screen = QGuiApplication::screenAt(frameGeometry().center());
    const QRect available = screen ? screen->availableGeometry() : frameGeometry();
    const QRect frame = frameGeometry();
    const QSize size = armViewWindow->frameGeometry().size();
    QPoint place(available.right() - size.width() + 1, available.bottom() - size.height() + 1);
    if (frame.right() + size.width() <= available.right())
        place = QPoint(frame.right() + 1, frame.top());
    else if (frame.bottom() + size.height() <= available.bottom())
        place = QPoint(frame.left(), frame.bottom() + 1);
    armViewWindow->move(place);
}
