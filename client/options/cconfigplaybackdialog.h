// CConfigPlaybackDialog: edits the stored playback motion parameters and sends them to the
// controller.
#pragma once

#include "widgets/cdialog.h"

#include <QList>

class QLineEdit;

class CConfigPlaybackDialog : public CDialog
{
    Q_OBJECT

public:
    explicit CConfigPlaybackDialog(QWidget *parent = nullptr);

    // Stores the eight fields and sends them with SetPlaybackStaticParams. After a connection a
    // dialog that is never shown does this to pass the stored values on to the controller.
    void sendParams();

public slots:
    void onCancelBtnClicked();
    void onSendBtnClicked();

private:
    QList<QLineEdit *> edits;
};
