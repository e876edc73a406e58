// UpdateController: the user-facing update check: progress, result messages, the update dialog
// and the install run, at the display level the caller asks for.
#include "updatecontroller.h"

#include "adminauthorization.h"
#include "messagebox.h"
#include "progressdialog.h"
#include "updateinfodialog.h"
#include "updatekitresources.h"
#include "updater.h"

#include <QAction>
#include <QApplication>
#include <QDebug>
#include <QDir>
#include <QFileInfo>
#include <QMetaEnum>
#include <QProcess>

namespace UpdateKit {

UpdateController::UpdateController(const QString &maintenanceToolPath, QObject *parent)
    : QObject(parent)
    , mainUpdater(new Updater(maintenanceToolPath, this))
{
    connect(mainUpdater, &Updater::checkUpdatesDone, this, &UpdateController::checkUpdatesDone,
        Qt::QueuedConnection);
    connect(mainUpdater, &Updater::exitRunFailed, this, &UpdateController::showInstallFailure);
}

UpdateController::~UpdateController()
{
    if (running)
        qWarning() << "UpdaterController destroyed while still running! This may crash your "
                      "application!";
    // The progress dialog has no parent window here; it must not outlive the check.
    delete progressDialog;
}

QAction *UpdateController::createUpdateAction(QObject *parent)
{
    initUpdateKitResources();
    auto *action = new QAction(
        QIcon(QStringLiteral(":/updaterIcons/update.ico")), tr("Check for Updates"), parent);
    action->setToolTip(tr("Checks if new updates are available. You will be prompted before "
                          "updates are installed."));
    action->setMenuRole(QAction::ApplicationSpecificRole);
    action->setEnabled(!running);
    connect(action, &QAction::triggered, this, [this] { start(ProgressLevel); });
    connect(this, &UpdateController::runningChanged, action,
        [action](bool checkRunning) { action->setEnabled(!checkRunning); });
    connect(this, &QObject::destroyed, action, [action] { delete action; });
    return action;
}

QString UpdateController::maintenanceToolPath() const
{
    return mainUpdater->maintenanceToolPath();
}

QWidget *UpdateController::parentWindow() const
{
    return window;
}

void UpdateController::setParentWindow(QWidget *parentWindow)
{
    window = parentWindow;
}

bool UpdateController::isRunning() const
{
    return running;
}

bool UpdateController::runAsAdmin() const
{
    return runElevated;
}

void UpdateController::setRunAsAdmin(bool runAsAdmin, bool userEditable)
{
    adminUserEditable = userEditable;
    if (runElevated == runAsAdmin)
        return;
    runElevated = runAsAdmin;
    emit runAsAdminChanged(runAsAdmin);
}

QStringList UpdateController::updateRunArgs() const
{
    return runArgs;
}

void UpdateController::setUpdateRunArgs(const QStringList &updateRunArgs)
{
    runArgs = updateRunArgs;
}

bool UpdateController::isDetailedUpdateInfo() const
{
    return detailedInfo;
}

void UpdateController::setDetailedUpdateInfo(bool detailedUpdateInfo)
{
    detailedInfo = detailedUpdateInfo;
}

void UpdateController::setResultPresenter(const ResultPresenter &presenter)
{
    resultPresenter = presenter;
}

void UpdateController::setRunning(bool isRunning)
{
    running = isRunning;
    emit runningChanged(isRunning);
}

bool UpdateController::start(DisplayLevel level)
{
    if (running)
        return false;
    setRunning(true);
    canceled = false;
    displayLevel = level;

    if (level == AskLevel
        && showMessageBox(window, QMessageBox::Question, tr("Check for Updates"),
               tr("Do you want to check for updates now?"), QMessageBox::Yes | QMessageBox::No,
               QMessageBox::Yes)
            != QMessageBox::Yes) {
        setRunning(false);
        return false;
    }

    if (!mainUpdater->checkForUpdates()) {
        if (level >= ProgressLevel)
            showMessageBox(window, QMessageBox::Warning, tr("Warning"),
                tr("The program is already checking for updates!"));
        setRunning(false);
        return false;
    }

    if (level >= ExtendedInfoLevel) {
        progressDialog = new ProgressDialog(window);
        if (level >= ProgressLevel) {
            connect(
                progressDialog, &ProgressDialog::canceled, this, [this] { cancelUpdate(3000); });
            progressDialog->show();
        }
    }
    return true;
}

bool UpdateController::cancelUpdate(int maxDelay)
{
    if (!mainUpdater->isRunning())
        return false;
    canceled = true;
    mainUpdater->abortUpdateCheck(maxDelay, true);
    return true;
}

void UpdateController::checkUpdatesDone(bool hasUpdates, bool hasError)
{
    if (displayLevel >= ExtendedInfoLevel && progressDialog) {
        QMessageBox::Icon state = QMessageBox::Warning;
        if (hasUpdates)
            state = QMessageBox::Information;
        else if (!hasError && !canceled)
            state = QMessageBox::Critical;
        progressDialog->hide(state);
        progressDialog->deleteLater();
    }

    if (canceled) {
        if (displayLevel >= ExtendedInfoLevel)
            showMessageBox(window, QMessageBox::Warning, tr("Check for Updates"),
                tr("Checking for updates was canceled!"));
    } else if (hasUpdates) {
        switch (displayLevel) {
        case AutomaticLevel:
            runUpdaterOnExit();
            QCoreApplication::quit();
            break;
        case ExitLevel:
            runUpdaterOnExit();
            showMessageBox(window, QMessageBox::Information, tr("Install Updates"),
                tr("New updates are available. The maintenance tool will be started to install "
                   "those as soon as you close the application!"));
            break;
        default: {
            // The list is taken now: a later check empties the updater's.
            const QList<Updater::UpdateInfo> updates = mainUpdater->updateInfo();
            const auto showResult = [this, updates] { showUpdateInfo(updates); };
            if (resultPresenter)
                resultPresenter(showResult);
            else
                showResult();
            break;
        }
        }
    } else {
        showNoUpdatesResult(hasError);
    }
    setRunning(false);
}

void UpdateController::showToolFailure()
{
    const auto error = QProcess::ProcessError(mainUpdater->errorCode());
    qWarning() << "maintenancetool process failed with"
               << QMetaEnum::fromType<QProcess::ProcessError>().valueToKey(error)
               << "and error string:" << mainUpdater->errorLog();
    if (displayLevel < ExtendedInfoLevel)
        return;
    const QString tool = QDir::toNativeSeparators(mainUpdater->maintenanceToolFilePath());
    if (error != QProcess::FailedToStart)
        showMessageBox(
            window, QMessageBox::Warning, tr("Warning"), tr("The update process crashed!"));
    else if (!QFileInfo::exists(mainUpdater->maintenanceToolFilePath()))
        showMessageBox(window, QMessageBox::Warning, tr("Warning"),
            tr("The maintenance tool was not found at %1.").arg(tool));
    else
        showMessageBox(window, QMessageBox::Warning, tr("Warning"),
            tr("The maintenance tool %1 could not be started.").arg(tool), QMessageBox::Ok,
            QMessageBox::NoButton, QString::fromUtf8(mainUpdater->errorLog()));
}

void UpdateController::showUpdateInfo(const QList<Updater::UpdateInfo> &updates)
{
    bool elevated = runElevated;
    const UpdateInfoDialog::DialogResult result = UpdateInfoDialog::showUpdateInfo(
        updates, elevated, adminUserEditable, detailedInfo, window);
    if (elevated != runElevated) {
        runElevated = elevated;
        emit runAsAdminChanged(elevated);
    }
    if (result == UpdateInfoDialog::InstallNow)
        installNow();
    else if (result == UpdateInfoDialog::InstallLater)
        runUpdaterOnExit();
}

void UpdateController::showNoUpdatesResult(bool hasError)
{
    if (!mainUpdater->exitedNormally()) {
        showToolFailure();
        return;
    }
    if (hasError)
        qWarning() << "maintenancetool process finished with exit code" << mainUpdater->errorCode()
                   << "and error string:" << mainUpdater->errorLog();
    if (displayLevel < ExtendedInfoLevel)
        return;
    if (hasError) {
        // The tool ran but could not check: that is no answer, so it is no "no updates" either.
        QString details = QString::fromUtf8(mainUpdater->errorLog()).trimmed();
        if (details.isEmpty())
            details = tr("The maintenance tool finished with exit code %1.")
                          .arg(mainUpdater->errorCode());
        showMessageBox(window, QMessageBox::Warning, tr("Warning"),
            tr("Checking for updates failed!"), QMessageBox::Ok, QMessageBox::NoButton, details);
    } else {
        showMessageBox(window, QMessageBox::Critical, tr("Check for Updates"),
            tr("No new updates available!"));
    }
}

AdminAuthoriser *UpdateController::newAuthoriser() const
{
    return runElevated ? new AdminAuthorization : nullptr;
}

void UpdateController::runUpdaterOnExit()
{
    mainUpdater->runUpdaterOnExit(runArgs, newAuthoriser());
}

void UpdateController::installNow()
{
    // quit() alone would not end a nested loop such as a playback run's; closing its window does.
    QList<QPointer<QWidget>> closed;
    for (QWidget *widget : QApplication::topLevelWidgets())
        if (widget->isVisible())
            closed << widget;
    // Whether the client quits is decided by the tool's start, not by the last window's close.
    const bool quitOnLastWindowClosed = QApplication::quitOnLastWindowClosed();
    QApplication::setQuitOnLastWindowClosed(false);
    QApplication::closeAllWindows();
    QApplication::setQuitOnLastWindowClosed(quitOnLastWindowClosed);
    if (mainUpdater->runUpdater(runArgs, newAuthoriser())) {
        QCoreApplication::quit();
        return;
    }
    // Nothing was installed: the client stays.
    for (const QPointer<QWidget> &widget : qAsConst(closed))
        if (widget)
            widget->show();
    showInstallFailure(mainUpdater->updaterRunError());
}

void UpdateController::showInstallFailure(const QString &problem)
{
    showMessageBox(window, QMessageBox::Warning, tr("Install Updates"),
        tr("The maintenance tool could not be started, so the updates were not installed."),
        QMessageBox::Ok, QMessageBox::NoButton, problem);
}

} // namespace UpdateKit
