// MainWindow: the configuration slots.
#include "app/mainwindow.h"

#include "options/cconfiginitialposedialog.h"
#include "options/cconfigjogdialog.h"
#include "options/cconfiglanguagedialog.h"
#include "options/cconfigplaybackdialog.h"

namespace {
// The dialog covers the main window until it finishes and is deleted afterwards; each opening
// builds a fresh one from the stored values.
void showConfigDialog(CDialog *dialog)
{
    QObject::connect(dialog, SIGNAL(finished(int)), dialog, SLOT(deleteLater()));
    dialog->show();
}
} // namespace

void MainWindow::onConfigLanguageBtnClicked()
{
    showConfigDialog(new CConfigLanguageDialog(this));
}

void MainWindow::onJogConfigBtnClicked()
{
    showConfigDialog(new CConfigJogDialog(this));
}

void MainWindow::onUserDefBtnClicked()
{
    showConfigDialog(new CConfigInitialPoseDialog(this));
}

void MainWindow::onPlaybackConfigBtnClicked()
{
    showConfigDialog(new CConfigPlaybackDialog(this));
}
