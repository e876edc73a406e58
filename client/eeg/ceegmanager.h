// CEEGManager: the serial link to the EEG headset's Bluetooth module and its decoded frames.
#pragma once

#include <QMetaType>
#include <QObject>
#include <QStringList>

#include <memory>

class CEEGFrameParser;
class QSerialPort;
class QTimer;

class CEEGManager : public QObject
{
    Q_OBJECT

public:
    // One decoded headset frame.
    struct EEGData
    {
        quint8 noise;
        quint8 eegPower[24];
        quint8 attention;
        quint8 mediation;
    };

    static CEEGManager *instance();
    ~CEEGManager() override;

    // Opens the first CP210x bridge (or the device named by ARVEX_EEG_PORT) at 9600 8N1 and
    // starts the module's connection commands. Runs once per process; failures are silent.
    void openHeadsetPort();

    // The index of the port that carries the headset among ports with these descriptions, or -1.
    static int headsetPortIndex(const QStringList &descriptions);

signals:
    void newFrame(CEEGManager::EEGData eegData);

private slots:
    void onReadyRead();
    void onTimeout();

private:
    CEEGManager();
    void openPort(const QString &portName);
    // Closes a port that reports it is gone, so that its notifier stops firing.
    void onPortError();

    QSerialPort *port = nullptr;
    QTimer *commandTimer = nullptr;
    std::unique_ptr<CEEGFrameParser> parser;
    // The port does not signal readyRead again while its own readyRead is being delivered; this
    // timer reads on while a receiver of newFrame runs an event loop.
    QTimer *nestedReadTimer = nullptr;
    int deliveryDepth = 0;
    // Which module command onTimeout sends next; never reset.
    int commandStep = 0;
    bool portFailureLogged = false;
};

Q_DECLARE_METATYPE(CEEGManager::EEGData)
