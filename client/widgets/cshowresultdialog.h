// CShowResultDialog: reports a failed (error form) or doubtful (warning form) connection.
#pragma once

#include "widgets/cdialog.h"

class QLabel;

class CShowResultDialog : public CDialog
{
    Q_OBJECT

public:
    // Mode 0 builds the error form with "Cancel" and "Try Again"; any other mode the warning
    // form with "Confirm" alone.
    explicit CShowResultDialog(int mode, QWidget *parent = nullptr);

public slots:
    void setResult(QString text);
    void setTips(QString text);

private:
    const int mode;
    QLabel *resultLabel = nullptr;
    QLabel *tipsLabel = nullptr;
};
