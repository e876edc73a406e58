// MainWindow: the EEG curve dialog and the rule by which attention clicks the playback's Start.
#include "app/mainwindow.h"

#include "eeg/ceegcurvedialog.h"

#include <QPushButton>

void MainWindow::onEEGBtnClicked()
{
    eegCurveDlg = new CEEGCurveDialog(this);
    connect(eegCurveDlg, SIGNAL(finished(int)), this, SLOT(onEEGCurveDlgFinished()));
    eegCurveDlg->show();
}

void MainWindow::onEEGCurveDlgFinished()
{
    if (eegCurveDlg)
        eegCurveDlg->deleteLater();
    eegCurveDlg = nullptr;
}

void MainWindow::onEEGNewFrame(CEEGManager::EEGData eegData)
{
    if (!eegCurveDlg || eegData.noise != 0 || eegData.attention <= 90)
        return;
    auto *startBtn = playbackPanel->findChild<QPushButton *>(QStringLiteral("startBtn"));
    // Every qualifying frame is one click, as the button reads now: Start, Pause or Resume.
    if (startBtn->isEnabled())
        onStartBtnClicked();
}
