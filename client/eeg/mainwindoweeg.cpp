// MainWindow: the EEG curve dialog and the rule by which attention clicks the playback's Start.
#include "app/mainwindow.h"

#include "eeg/ceegcurvedialog.h"

#include <QApplication>
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
    // A person cannot click Start behind a question box or another dialog, nor can the headset.
    // The window is application-modal itself.
    const QWidget *modal = QApplication::activeModalWidget();
    if ((modal && modal != this) || CDialog::topmostOpen() != eegCurveDlg)
        return;
    auto *startBtn = playbackPanel->findChild<QPushButton *>(QStringLiteral("startBtn"));
    // Every qualifying frame is one click, as the button reads now: Start, Pause or Resume.
    if (startBtn->isEnabled())
        onStartBtnClicked();
}
