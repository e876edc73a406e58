// CShowNewFeaturesDialog: the firmware upgrade notice shown at start-up until the user upgrades.
#pragma once

#include "widgets/cdialog.h"

class QLabel;

class CShowNewFeaturesDialog : public CDialog
{
    Q_OBJECT

public:
    // Loads the notice from the shipped hex/ArvexFirmwareFeatures_<localeName>.html, or from the
    // English hex/ArvexFirmwareFeatures.html when that is not there or localeName is empty.
    explicit CShowNewFeaturesDialog(
        QWidget *parent = nullptr, const QString &localeName = QString());

public slots:
    void setNewFeatures(QString text);

private:
    QLabel *featuresLabel = nullptr;
};
