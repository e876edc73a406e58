// CShowNewFeaturesDialog: the firmware upgrade notice shown at start-up until the user upgrades.
#pragma once

#include "widgets/cdialog.h"

class QLabel;

class CShowNewFeaturesDialog : public CDialog
{
    Q_OBJECT

public:
    // Loads the notice from the shipped hex/ArvexFirmwareFeatures.html, if it is there.
    explicit CShowNewFeaturesDialog(QWidget *parent = nullptr);

public slots:
    void setNewFeatures(QString text);

private:
    QLabel *featuresLabel = nullptr;
};
