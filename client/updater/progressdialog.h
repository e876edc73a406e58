// ProgressDialog: shows that an update check runs and lets the user cancel it.
#pragma once

#include <QDialog>
#include <QMessageBox>

class QDialogButtonBox;
class QLabel;
class QProgressBar;
// The taskbar progress needs Qt's WinExtras module, which a Windows Qt may lack.
#if defined(Q_OS_WIN) && __has_include(<QWinTaskbarButton>)
#define ARVEX_TASKBAR_PROGRESS
class QWinTaskbarButton;
#endif

namespace UpdateKit {

class ProgressDialog : public QDialog
{
    Q_OBJECT

public:
    explicit ProgressDialog(QWidget *parent = nullptr);

signals:
    void canceled();

public slots:
    // Enter and Escape must not close the dialog; only the end of the check does.
    void accept() override;
    void reject() override;
    // Hides the dialog, leaving the taskbar progress in the state of the check's outcome.
    void hide(QMessageBox::Icon hideType);

protected:
    void showEvent(QShowEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    QLabel *label = nullptr;
    QProgressBar *progressBar = nullptr;
    QDialogButtonBox *buttonBox = nullptr;
#ifdef ARVEX_TASKBAR_PROGRESS
    QWinTaskbarButton *taskbarButton = nullptr;
#endif
};

} // namespace UpdateKit
