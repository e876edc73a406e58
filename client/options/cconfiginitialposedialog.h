// CConfigInitialPoseDialog: sends the initial rear and fore arm angles to the controller.
#pragma once

#include "widgets/cdialog.h"

#include <QList>

class QLineEdit;

class CConfigInitialPoseDialog : public CDialog
{
    Q_OBJECT

public:
    explicit CConfigInitialPoseDialog(QWidget *parent = nullptr);

private slots:
    void onCancelBtnClicked();
    void onSendBtnClicked();

private:
    QList<QLineEdit *> edits;
};
