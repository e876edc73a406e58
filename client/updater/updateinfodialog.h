// UpdateInfoDialog: lists the available updates and asks when to install them.
#pragma once

#include "updater.h"

#include <QDialog>

class QCheckBox;

namespace UpdateKit {

class UpdateInfoDialog : public QDialog
{
    Q_OBJECT

public:
    enum DialogResult { NoInstall = 0, InstallNow = 1, InstallLater = 2 };
    Q_ENUM(DialogResult)

    // Shows the updates modally. When the user chooses to install and may change the choice,
    // runAsAdmin takes the state of the "elevated rights" check box.
    static DialogResult showUpdateInfo(const QList<Updater::UpdateInfo> &updates, bool &runAsAdmin,
        bool editable, bool detailed, QWidget *parent = nullptr);

    // A byte count as the user reads it: Bytes below 1 KiB, then KiB, MiB, GiB with 2 decimals.
    static QString sizeText(quint64 bytes);

private slots:
    void on_acceptButton_clicked();
    void on_delayButton_clicked();

private:
    UpdateInfoDialog(
        const QList<Updater::UpdateInfo> &updates, bool runAsAdmin, bool editable, QWidget *parent);
    static DialogResult showShortForm(const QList<Updater::UpdateInfo> &updates, bool &runAsAdmin,
        bool editable, QWidget *parent);

    QCheckBox *runAdminCheckBox = nullptr;
};

} // namespace UpdateKit
