// avrdude's process, ended together with whatever it started.
#pragma once

#include <QProcess>

class CAvrdudeProcess : public QProcess
{
    Q_OBJECT

public:
    explicit CAvrdudeProcess(QObject *parent = nullptr);

    // Asks avrdude and what it started to end, and kills them after killDelayMs if they have not.
    void stop(int killDelayMs);

#ifdef Q_OS_UNIX
protected:
    // Gives avrdude a process group of its own, so that its children can be ended with it.
    void setupChildProcess() override;

private:
    void signalGroup(int signal);

    // The group that stop() ends; 0 until it is called.
    qint64 group = 0;
#endif
};
