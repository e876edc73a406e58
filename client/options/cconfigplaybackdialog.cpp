// CConfigPlaybackDialog: edits the stored playback motion parameters and sends them to the
// controller.
#include "options/cconfigplaybackdialog.h"

#include "options/coptions.h"
#include "options/parameterrows.h"

#include "ArvexDll.h"

#include <QSize>

CConfigPlaybackDialog::CConfigPlaybackDialog(QWidget *parent)
    : CDialog(parent)
{
    const PlaybackParams params = COptions::instance()->playbackParams();
    QWidget *content = createFramedContent(tr("Playback Parameters"), QSize(382, 400));
    edits = addParameterRows(content, { 150, 270, 60 },
        { { tr("JointVelocity"), params.jointVelocity, tr("°/s"), tr("Velocity of single joint") },
            { tr("JointAcceleration"), params.jointAcceleration, tr("°/(s·s)"),
                tr("Acceleration of single joint") },
            { tr("ServoVelocity"), params.servoVelocity, tr("°/s"), tr("Velocity of the servo") },
            { tr("ServoAcceleration"), params.servoAcceleration, tr("°/(s·s)"),
                tr("Acceleration of the servo") },
            { tr("LinearVelocity"), params.linearVelocity, tr("mm/s"),
                tr("Velocity of joint synthesis motion") },
            { tr("LinearAcceleration"), params.linearAcceleration, tr("mm/(s·s)"),
                tr("Acceleration of joint synthesis motion") },
            { tr("pauseTime"), params.pauseTime, tr("s"),
                tr("Pause time between two playback points") },
            { tr("jumpHeight"), params.jumpHeight, tr("mm"),
                tr("Jump height when use JUMP motion style") } });
    addCancelSendButtons(content, this, 120, 340);
}

void CConfigPlaybackDialog::sendParams()
{
    const QVector<float> values = parameterValues(edits);
    PlaybackStaticParams params { values[0], values[1], values[2], values[3], values[4], values[5],
        values[6], values[7] };
    COptions::instance()->setPlaybackStaticParams(params);
    SetPlaybackStaticParams(&params);
}

void CConfigPlaybackDialog::onCancelBtnClicked()
{
    reject();
}

void CConfigPlaybackDialog::onSendBtnClicked()
{
    sendParams();
    accept();
}
