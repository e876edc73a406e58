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

    // What the link is doing, as the EEG dialog tells the user.
    enum class LinkState { Searching, NoPort, OpenFailed, Reading, Receiving, Lost };

    static CEEGManager *instance();
    ~CEEGManager() override;

    LinkState linkState() const { return state; }
    // The port read or tried, as discovered or named; empty while none was chosen.
    QString portName() const { return chosenPortName; }
    // Why the port could not be opened.
    QString portError() const { return lastPortError; }
    // What a port's description must contain to be taken for the headset.
    static QString bridgeDescription();
    // The environment variable that names the headset's port instead.
    static QString portVariableName();

    // Opens the first CP210x bridge (or the device named by ARVEX_EEG_PORT) at 9600 8N1 and
    // starts the module's connection commands. Runs once per process; failures are silent.
    void openHeadsetPort();

    // The index of the port that carries the headset among ports with these descriptions, or -1.
    static int headsetPortIndex(const QStringList &descriptions);

signals:
    void newFrame(CEEGManager::EEGData eegData);
    void linkStateChanged();

private slots:
    void onReadyRead();
    void onTimeout();

private:
    CEEGManager();
    void openPort(const QString &portName);
    // Closes a port that reports it is gone, so that its notifier stops firing.
    void onPortError();
    void setLinkState(LinkState newState);

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
    LinkState state = LinkState::Searching;
    QString lastPortError;
    QString chosenPortName;
};

Q_DECLARE_METATYPE(CEEGManager::EEGData)
