// CEEGCurveDialog: charts the headset's noise, attention and meditation of the last 16 seconds.
#pragma once

#include "eeg/ceegmanager.h"
#include "widgets/cdialog.h"

class QCPTextElement;
class QCustomPlot;

class CEEGCurveDialog : public CDialog
{
    Q_OBJECT

public:
    explicit CEEGCurveDialog(QWidget *parent = nullptr);

private slots:
    void onNewFrame(CEEGManager::EEGData eegData);
    void showLinkState();

private:
    void addGraph(const QColor &pen, const QString &name, const QColor &fill);

    QCustomPlot *plot = nullptr;
    // One line above the chart saying what the headset link is doing.
    QCPTextElement *linkStatus = nullptr;
};
