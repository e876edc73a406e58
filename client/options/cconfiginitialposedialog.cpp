// CConfigInitialPoseDialog: sends the initial rear and fore arm angles to the controller.
#include "options/cconfiginitialposedialog.h"

#include "options/parameterrows.h"

#include "ArvexDll.h"

#include <QSize>

namespace {
// The angles are not stored: every opening starts from these.
const double initialArmAngle = 45;
} // namespace

CConfigInitialPoseDialog::CConfigInitialPoseDialog(QWidget *parent)
    : CDialog(parent)
{
    QWidget *content = createFramedContent(tr("Initial Pose"), QSize(362, 155));
    edits = addParameterRows(content, { 130, 250, 50 },
        { { tr("LongArmAngle"), initialArmAngle, tr("°"), tr("Initial long arm angle") },
            { tr("ShortArmAngle"), initialArmAngle, tr("°"), tr("Initial short arm angle") } });
    addCancelSendButtons(content, this, 100, 100);
}

void CConfigInitialPoseDialog::onCancelBtnClicked()
{
    reject();
}

void CConfigInitialPoseDialog::onSendBtnClicked()
{
    const QVector<float> values = parameterValues(edits);
    InitialPose pose { values[0], values[1] };
    SetInitialPose(&pose);
    accept();
}
