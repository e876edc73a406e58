// CConfigJogDialog: edits the stored teach (jog) motion parameters and sends them to the
// controller.
#include "options/cconfigjogdialog.h"

#include "options/coptions.h"
#include "options/parameterrows.h"

#include "ArvexDll.h"

#include <QSize>

CConfigJogDialog::CConfigJogDialog(QWidget *parent)
    : CDialog(parent)
{
    const JogParams params = COptions::instance()->jogParams();
    QWidget *content = createFramedContent(tr("Teach Parameters"), QSize(382, 312));
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
                tr("Acceleration of joint synthesis motion") } });
    addCancelSendButtons(content, this, 120, 260);
}

void CConfigJogDialog::sendParams()
{
    const QVector<float> values = parameterValues(edits);
    JogStaticParams params { values[0], values[1], values[2], values[3], values[4], values[5] };
    COptions::instance()->setJogStaticParams(params);
    SetJogStaticParams(&params);
}

void CConfigJogDialog::onCancelBtnClicked()
{
    reject();
}

void CConfigJogDialog::onSendBtnClicked()
{
    sendParams();
    accept();
}
