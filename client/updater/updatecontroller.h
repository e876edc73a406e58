// UpdateController: the user-facing update check: progress, result messages, the update dialog
// and the install run, at the display level the caller asks for.
#pragma once

#include "updater.h"

#include <QObject>
#include <QPointer>
#include <QStringList>

#include <functional>

class QAction;
class QWidget;

namespace UpdateKit {

class AdminAuthoriser;
class ProgressDialog;

class UpdateController : public QObject
{
    Q_OBJECT
    Q_PROPERTY(QString maintenanceToolPath READ maintenanceToolPath CONSTANT)
    Q_PROPERTY(QWidget *parentWindow READ parentWindow WRITE setParentWindow)
    Q_PROPERTY(bool running READ isRunning NOTIFY runningChanged)
    Q_PROPERTY(bool runAsAdmin READ runAsAdmin WRITE setRunAsAdmin NOTIFY runAsAdminChanged)
    Q_PROPERTY(QStringList updateRunArgs READ updateRunArgs WRITE setUpdateRunArgs)
    Q_PROPERTY(bool detailedUpdateInfo READ isDetailedUpdateInfo WRITE setDetailedUpdateInfo)

public:
    enum DisplayLevel {
        AutomaticLevel = 0,
        ExitLevel = 1,
        InfoLevel = 2,
        ExtendedInfoLevel = 3,
        ProgressLevel = 4,
        AskLevel = 5
    };
    Q_ENUM(DisplayLevel)

    explicit UpdateController(const QString &maintenanceToolPath, QObject *parent = nullptr);
    ~UpdateController() override;

    // "Check for Updates": starts a check at ProgressLevel and is disabled while one runs.
    QAction *createUpdateAction(QObject *parent);

    QString maintenanceToolPath() const;
    QWidget *parentWindow() const;
    void setParentWindow(QWidget *parentWindow);
    bool isRunning() const;
    bool runAsAdmin() const;
    void setRunAsAdmin(bool runAsAdmin, bool userEditable = true);
    QStringList updateRunArgs() const;
    void setUpdateRunArgs(const QStringList &updateRunArgs);
    bool isDetailedUpdateInfo() const;
    void setDetailedUpdateInfo(bool detailedUpdateInfo);

    // Opens the update dialog of a check that found updates, by calling its argument; by default
    // at once. An application that opens boxes of its own can show the dialog after them.
    using ResultPresenter = std::function<void(const std::function<void()> &showResult)>;
    void setResultPresenter(const ResultPresenter &presenter);

signals:
    void runningChanged(bool running);
    void runAsAdminChanged(bool runAsAdmin);

public slots:
    bool start(UpdateKit::UpdateController::DisplayLevel displayLevel = InfoLevel);
    bool cancelUpdate(int maxDelay = 3000);

private slots:
    void checkUpdatesDone(bool hasUpdates, bool hasError);

private:
    void setRunning(bool running);
    void showNoUpdatesResult(bool hasError);
    // Arms the install run for the application's quit, elevated when runAsAdmin is set.
    void runUpdaterOnExit();
    AdminAuthoriser *newAuthoriser() const;
    // Closes the windows, which ends what runs in them, then starts the tool and quits. When the
    // tool does not start, the windows come back and the user is told why.
    void installNow();
    void showInstallFailure(const QString &problem);
    void showUpdateInfo(const QList<Updater::UpdateInfo> &updates);
    // Logs and tells why a check ended without an answer from the tool.
    void showToolFailure();

    QPointer<QWidget> window;
    DisplayLevel displayLevel = InfoLevel;
    bool running = false;
    Updater *mainUpdater = nullptr;
    bool runElevated = true;
    bool adminUserEditable = true;
    QStringList runArgs { QStringLiteral("--updater") };
    bool detailedInfo = true;
    bool canceled = false;
    QPointer<ProgressDialog> progressDialog;
    ResultPresenter resultPresenter;
};

} // namespace UpdateKit
