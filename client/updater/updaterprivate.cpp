// UpdaterPrivate: the state of an Updater and the handling of its tool process.
#include "updaterprivate.h"

#include "adminauthoriser.h"
#include "invalidxmlexception.h"
#include "noupdatesxmlexception.h"

#include <QCoreApplication>
#include <QDebug>
#include <QDir>
#include <QFileInfo>
#include <QTimer>

namespace UpdateKit {

UpdaterPrivate::UpdaterPrivate(Updater *updater, const QString &toolPath)
    : QObject(updater)
    , toolPath(toolPath)
    , q(updater)
{
    qRegisterMetaType<QProcess::ExitStatus>();
    qRegisterMetaType<QProcess::ProcessError>();
    connect(qApp, &QCoreApplication::aboutToQuit, this, &UpdaterPrivate::startExitRun,
        Qt::DirectConnection);
}

UpdaterPrivate::~UpdaterPrivate()
{
    if (process && process->state() != QProcess::NotRunning) {
        process->kill();
        process->waitForFinished(1000);
    }
}

QString UpdaterPrivate::toolFilePath() const
{
    return QFileInfo(QDir(QCoreApplication::applicationDirPath()).absoluteFilePath(toolPath))
        .absoluteFilePath();
}

bool UpdaterPrivate::startCheck()
{
    if (running)
        return false;

    updateInfos.clear();
    normalExit = true;
    lastErrorCode = 0;
    lastErrorLog.clear();

    process = new QProcess(this);
    process->setProgram(toolFilePath());
    process->setArguments({ QStringLiteral("--checkupdates") });
    // The process object is captured so that a late notification of an ended run is ignored.
    QProcess *started = process;
    connect(
        process, qOverload<int, QProcess::ExitStatus>(&QProcess::finished), this,
        [this, started](int exitCode, QProcess::ExitStatus exitStatus) {
            onToolFinished(started, exitCode, exitStatus);
        },
        Qt::QueuedConnection);
    connect(
        process, &QProcess::errorOccurred, this,
        [this, started](QProcess::ProcessError error) { onToolError(started, error); },
        Qt::QueuedConnection);
    process->start(QIODevice::ReadOnly);

    running = true;
    emit q->updateInfoChanged(updateInfos);
    emit q->runningChanged(true);
    return true;
}

void UpdaterPrivate::abortCheck(int maxDelay, bool async)
{
    if (!process || process->state() == QProcess::NotRunning)
        return;
    if (maxDelay <= 0) {
        process->kill();
        return;
    }
    process->terminate();
    if (async) {
        QProcess *aborted = process;
        QTimer::singleShot(maxDelay, Qt::PreciseTimer, aborted, [aborted] {
            if (aborted->state() != QProcess::NotRunning)
                aborted->kill();
        });
    } else if (!process->waitForFinished(maxDelay)) {
        process->kill();
    }
}

void UpdaterPrivate::onToolError(QProcess *finishedProcess, QProcess::ProcessError error)
{
    if (finishedProcess != process)
        return;
    // Read and write errors of a process that still runs are followed by its end.
    if (error != QProcess::FailedToStart && process->state() != QProcess::NotRunning)
        return;
    normalExit = false;
    lastErrorCode = error;
    lastErrorLog = process->errorString().toUtf8();
    endRun();
    emit q->checkUpdatesDone(false, true);
}

void UpdaterPrivate::onToolFinished(
    QProcess *finishedProcess, int exitCode, QProcess::ExitStatus exitStatus)
{
    if (finishedProcess != process)
        return;
    if (exitStatus == QProcess::CrashExit) {
        onToolError(finishedProcess, QProcess::Crashed);
        return;
    }
    normalExit = true;
    lastErrorCode = exitCode;
    lastErrorLog = process->readAllStandardError();
    const QByteArray output = process->readAllStandardOutput();
    endRun();
    if (exitCode != 0) {
        emit q->checkUpdatesDone(false, true);
        return;
    }
    reportResult(output);
}

void UpdaterPrivate::endRun()
{
    process->deleteLater();
    process = nullptr;
    running = false;
    emit q->runningChanged(false);
}

void UpdaterPrivate::reportResult(const QByteArray &output)
{
    try {
        updateInfos = Updater::parseResult(output);
    } catch (const NoUpdatesXmlException &) {
        emit q->checkUpdatesDone(false, false);
        return;
    } catch (const InvalidXmlException &exception) {
        lastErrorLog = exception.what();
        emit q->checkUpdatesDone(false, true);
        return;
    }
    if (!updateInfos.isEmpty())
        emit q->updateInfoChanged(updateInfos);
    emit q->checkUpdatesDone(!updateInfos.isEmpty(), false);
}

void UpdaterPrivate::armExitRun(const QStringList &arguments, AdminAuthoriser *newAuthoriser)
{
    runOnExit = true;
    runArguments = arguments;
    authoriser.reset(newAuthoriser);
}

void UpdaterPrivate::disarmExitRun()
{
    runOnExit = false;
    authoriser.reset();
}

void UpdaterPrivate::startExitRun()
{
    if (!runOnExit)
        return;
    // Started once, even when the application's event loop is run and quit again.
    runOnExit = false;
    if (!startUpdaterRun(runArguments, authoriser.get()))
        emit q->exitRunFailed(lastRunError);
}

bool UpdaterPrivate::startUpdaterRun(const QStringList &arguments, AdminAuthoriser *runAuthoriser)
{
    lastRunError.clear();
    const QString program = toolFilePath();
    const QString shownProgram = QDir::toNativeSeparators(program);
    bool started = false;
    if (!QFileInfo(program).isFile()) {
        lastRunError = Updater::tr("The maintenance tool was not found at %1.").arg(shownProgram);
    } else if (!runAuthoriser || runAuthoriser->hasAdminRights()) {
        started = QProcess::startDetached(program, arguments, QFileInfo(program).absolutePath());
        if (!started)
            lastRunError
                = Updater::tr("The maintenance tool %1 could not be started.").arg(shownProgram);
    } else {
        started = runAuthoriser->executeAsAdmin(program, arguments);
        if (!started)
            lastRunError = runAuthoriser->errorString();
    }
    if (!started)
        qWarning() << "Unable to start" << program << "with arguments"
                   << arguments.join(QStringLiteral(", ")) << "as"
                   << (runAuthoriser ? "admin" : "user") << ":" << lastRunError;
    return started;
}

} // namespace UpdateKit
