// CEEGCurveDialog: charts the headset's noise, attention and meditation of the last 16 seconds.
#pragma once

#include "eeg/ceegmanager.h"
#include "widgets/cdialog.h"

class QCustomPlot;

class CEEGCurveDialog : public CDialog
{
    Q_OBJECT

public:
    explicit CEEGCurveDialog(QWidget *parent = nullptr);

private slots:
    void onNewFrame(CEEGManager::EEGData eegData);

private:
    void addGraph(const QColor &pen, const QString &name, const QColor &fill);

    QCustomPlot *plot = nullptr;
};
