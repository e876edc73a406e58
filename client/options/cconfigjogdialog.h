// CConfigJogDialog: edits the stored teach (jog) motion parameters and sends them to the
// controller.
#pragma once

#include "widgets/cdialog.h"

#include <QList>

class QLineEdit;

class CConfigJogDialog : public CDialog
{
    Q_OBJECT

public:
    explicit CConfigJogDialog(QWidget *parent = nullptr);

    // Stores the six fields and sends them with SetJogStaticParams. After a connection a dialog
    // that is never shown does this to pass the stored values on to the controller.
    void sendParams();

public slots:
    void onCancelBtnClicked();
    void onSendBtnClicked();

private:
    QList<QLineEdit *> edits;
};
