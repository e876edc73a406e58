// avrdude's process: on Unix a process group of its own, which stopping ends as a whole.
#include "cavrdudeprocess.h"

#include <QTimer>

#ifdef Q_OS_UNIX
#include <signal.h>
#include <unistd.h>
#endif

CAvrdudeProcess::CAvrdudeProcess(QObject *parent)
    : QProcess(parent)
{
#ifdef Q_OS_UNIX
    // A child that ignored the request to end would outlive a stopped avrdude.
    connect(this, QOverload<int, QProcess::ExitStatus>::of(&QProcess::finished), this,
        [this] { signalGroup(SIGKILL); });
#endif
}

#ifdef Q_OS_UNIX
void CAvrdudeProcess::stop(int killDelayMs)
{
    group = processId();
    signalGroup(SIGTERM);
    QTimer::singleShot(killDelayMs, this, [this] { signalGroup(SIGKILL); });
}

void CAvrdudeProcess::setupChildProcess()
{
    ::setpgid(0, 0);
}

void CAvrdudeProcess::signalGroup(int signal)
{
    // Group 0 would be this program's own.
    if (group > 0)
        ::kill(-pid_t(group), signal);
}
#else
void CAvrdudeProcess::stop(int killDelayMs)
{
    terminate();
    QTimer::singleShot(killDelayMs, this, &QProcess::kill);
}
#endif
