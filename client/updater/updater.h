// Updater: runs the maintenance tool's update check, reads its answer and starts its update run
// when the application quits.
#pragma once

#include <QList>
#include <QMetaType>
#include <QObject>
#include <QStringList>
#include <QVersionNumber>

namespace UpdateKit {

class AdminAuthoriser;
class UpdaterPrivate;

class Updater : public QObject
{
    Q_OBJECT
    Q_PROPERTY(QString maintenanceToolPath READ maintenanceToolPath CONSTANT)
    Q_PROPERTY(bool running READ isRunning NOTIFY runningChanged)
    Q_PROPERTY(
        QList<UpdateKit::Updater::UpdateInfo> updateInfo READ updateInfo NOTIFY updateInfoChanged)

public:
    struct UpdateInfo
    {
        QString name;
        QVersionNumber version;
        quint64 size = 0;

        bool operator==(const UpdateInfo &other) const;
    };

    explicit Updater(QObject *parent = nullptr);
    // On Windows the path gets ".exe" unless it has it; relative paths are taken from the
    // application's folder.
    explicit Updater(const QString &maintenanceToolPath, QObject *parent = nullptr);
    ~Updater() override;

    bool exitedNormally() const;
    int errorCode() const;
    QByteArray errorLog() const;
    // Why the last update run did not start, for the user.
    QString updaterRunError() const;

    QString maintenanceToolPath() const;
    // The absolute path the tool is run from.
    QString maintenanceToolFilePath() const;
    bool isRunning() const;
    QList<UpdateInfo> updateInfo() const;

    // Reads the updates out of the tool's "--checkupdates" output. Throws NoUpdatesXmlException
    // when there is no complete <updates> block, InvalidXmlException when the block is malformed.
    // Needs no process and no event loop.
    static QList<UpdateInfo> parseResult(const QByteArray &toolOutput);

public slots:
    bool checkForUpdates();
    void abortUpdateCheck(int maxDelay = 5000, bool async = false);
    // Takes ownership of the authoriser; without one the run starts with the user's rights.
    void runUpdaterOnExit(UpdateKit::AdminAuthoriser *authoriser = nullptr);
    void runUpdaterOnExit(const QStringList &arguments, UpdateKit::AdminAuthoriser *authoriser);
    void cancelExitRun();
    // Starts the update run at once, elevated through the authoriser when one is given (it is
    // deleted before returning). False when it could not start; updaterRunError() says why.
    bool runUpdater(const QStringList &arguments, UpdateKit::AdminAuthoriser *authoriser);

signals:
    void checkUpdatesDone(bool hasUpdates, bool hasError);
    void runningChanged(bool running);
    void updateInfoChanged(QList<UpdateKit::Updater::UpdateInfo> updateInfo);
    // The update run armed for the application's quit could not start; problem says why.
    void exitRunFailed(const QString &problem);

private:
    friend class UpdaterPrivate;
    UpdaterPrivate *d = nullptr;
};

} // namespace UpdateKit

Q_DECLARE_METATYPE(UpdateKit::Updater::UpdateInfo)
