// ProgressDialog: shows that an update check runs and lets the user cancel it.
#include "progressdialog.h"

#include <QCloseEvent>
#include <QDialogButtonBox>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QVBoxLayout>

#ifdef ARVEX_TASKBAR_PROGRESS
#include <QWinTaskbarButton>
#include <QWinTaskbarProgress>
#include <QWindow>
#endif

namespace UpdateKit {

ProgressDialog::ProgressDialog(QWidget *parent)
    : QDialog(parent,
        Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::CustomizeWindowHint
            | Qt::MSWindowsFixedSizeDialogHint)
{
    setWindowModality(parent ? Qt::WindowModal : Qt::ApplicationModal);
    resize(232, 104);
    setWindowTitle(tr("Check for Updates"));

    auto *layout = new QVBoxLayout(this);
    label = new QLabel(tr("Checking for updates…"), this);
    label->setObjectName(QStringLiteral("label"));
    label->setAlignment(Qt::AlignCenter);
    layout->addWidget(label);

    progressBar = new QProgressBar(this);
    progressBar->setObjectName(QStringLiteral("progressBar"));
    progressBar->setMaximum(0);
    progressBar->setTextVisible(false);
    layout->addWidget(progressBar);

    buttonBox = new QDialogButtonBox(QDialogButtonBox::Cancel, Qt::Horizontal, this);
    buttonBox->setObjectName(QStringLiteral("buttonBox"));
    // Not a default button, so that Enter does not cancel the check.
    QPushButton *cancelButton = buttonBox->button(QDialogButtonBox::Cancel);
    cancelButton->setAutoDefault(false);
    cancelButton->setDefault(false);
    layout->addWidget(buttonBox);
    connect(buttonBox, &QDialogButtonBox::rejected, this, &QDialog::close);

#ifdef ARVEX_TASKBAR_PROGRESS
    taskbarButton = new QWinTaskbarButton(this);
#endif
}

void ProgressDialog::accept() { }

void ProgressDialog::reject() { }

void ProgressDialog::hide(QMessageBox::Icon hideType)
{
#ifdef ARVEX_TASKBAR_PROGRESS
    if (taskbarButton->window()) {
        QWinTaskbarProgress *progress = taskbarButton->progress();
        progress->setRange(0, 1);
        progress->setValue(1);
        switch (hideType) {
        case QMessageBox::Warning:
            progress->pause();
            break;
        case QMessageBox::Critical:
            progress->stop();
            break;
        case QMessageBox::Information:
            progress->resume();
            break;
        default:
            progress->hide();
            break;
        }
    }
#else
    Q_UNUSED(hideType)
#endif
    QDialog::hide();
}

void ProgressDialog::showEvent(QShowEvent *event)
{
#ifdef ARVEX_TASKBAR_PROGRESS
    if (!taskbarButton->window())
        taskbarButton->setWindow(windowHandle());
    QWinTaskbarProgress *progress = taskbarButton->progress();
    progress->setRange(0, 0);
    progress->resume();
    progress->show();
#endif
    QDialog::showEvent(event);
}

void ProgressDialog::closeEvent(QCloseEvent *event)
{
    event->ignore();
    if (buttonBox->isEnabled()) {
        label->setText(tr("Canceling update check…"));
        buttonBox->setEnabled(false);
        emit canceled();
    }
}

} // namespace UpdateKit
