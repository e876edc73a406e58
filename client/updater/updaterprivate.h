// UpdaterPrivate: the state of an Updater and the handling of its tool process.
#pragma once

#include "updater.h"

#include <QObject>
#include <QProcess>

#include <memory>

namespace UpdateKit {

class UpdaterPrivate : public QObject
{
public:
    UpdaterPrivate(Updater *updater, const QString &toolPath);
    ~UpdaterPrivate() override;

    // The tool's absolute path; a relative path is taken from the application's folder, never
    // from the working directory.
    QString toolFilePath() const;

    bool startCheck();
    void abortCheck(int maxDelay, bool async);
    void armExitRun(const QStringList &arguments, AdminAuthoriser *authoriser);
    void disarmExitRun();
    // Starts the tool detached, or through the authoriser unless rights are already held;
    // false with lastRunError set when it did not start.
    bool startUpdaterRun(const QStringList &arguments, AdminAuthoriser *runAuthoriser);

    const QString toolPath;
    QList<Updater::UpdateInfo> updateInfos;
    bool normalExit = true;
    int lastErrorCode = 0;
    QByteArray lastErrorLog;
    bool running = false;
    QProcess *process = nullptr;
    bool runOnExit = false;
    QStringList runArguments;
    std::unique_ptr<AdminAuthoriser> authoriser;
    QString lastRunError;

private:
    void onToolError(QProcess *finishedProcess, QProcess::ProcessError error);
    void onToolFinished(QProcess *finishedProcess, int exitCode, QProcess::ExitStatus exitStatus);
    // Lets go of the ended process and tells that the tool no longer runs.
    void endRun();
    void reportResult(const QByteArray &output);
    void startExitRun();

    Updater *const q;
};

} // namespace UpdateKit
