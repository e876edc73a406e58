// CShowBusyIndicatorDialog: dims the main window and spins an indicator while the client waits.
#pragma once

#include "widgets/cdialog.h"

class CShowBusyIndicatorDialog : public CDialog
{
    Q_OBJECT

public:
    explicit CShowBusyIndicatorDialog(QWidget *parent = nullptr);
};
