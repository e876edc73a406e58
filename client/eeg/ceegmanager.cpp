// CEEGManager: the serial link to the EEG headset's Bluetooth module and its decoded frames.
#include "eeg/ceegmanager.h"

#include "eeg/ceegframeparser.h"

#include <QDebug>
#include <QSerialPort>
#include <QSerialPortInfo>
#include <QTimer>

namespace {
// Names a serial device to use instead of the discovered bridge, e.g. a simulated headset.
const char portVariable[] = "ARVEX_EEG_PORT";
} // namespace

CEEGManager *CEEGManager::instance()
{
    static CEEGManager *manager = nullptr;
    if (!manager) {
        qRegisterMetaType<CEEGManager::EEGData>("CEEGManager::EEGData");
        manager = new CEEGManager;
    }
    return manager;
}

CEEGManager::CEEGManager()
    : parser(std::make_unique<CEEGFrameParser>())
{
    nestedReadTimer = new QTimer(this);
    nestedReadTimer->setInterval(10);
    connect(nestedReadTimer, &QTimer::timeout, this, [this] {
        if (port->bytesAvailable() > 0)
            onReadyRead();
    });
}

CEEGManager::~CEEGManager() = default;

QString CEEGManager::bridgeDescription()
{
    return QStringLiteral("CP210x");
}

QString CEEGManager::portVariableName()
{
    return QLatin1String(portVariable);
}

void CEEGManager::setLinkState(LinkState newState)
{
    if (state == newState)
        return;
    state = newState;
    emit linkStateChanged();
}

int CEEGManager::headsetPortIndex(const QStringList &descriptions)
{
    for (int i = 0; i < descriptions.size(); ++i) {
        const QString &description = descriptions.at(i);
        if (description == QLatin1String("Silicon Labs CP210x USB to UART Bridge")
            || description == QLatin1String("CP210x USB to UART Bridge Controller")
            || description.contains(QLatin1String("CP210x"), Qt::CaseSensitive))
            return i;
    }
    return -1;
}

void CEEGManager::openHeadsetPort()
{
    // Discovery runs once per process; a bridge plugged in later is not noticed.
    if (port)
        return;
    QString portName = qEnvironmentVariable(portVariable);
    if (portName.isEmpty()) {
        const QList<QSerialPortInfo> ports = QSerialPortInfo::availablePorts();
        QStringList descriptions;
        for (const QSerialPortInfo &info : ports)
            descriptions << info.description();
        const int index = headsetPortIndex(descriptions);
        if (index < 0) {
            setLinkState(LinkState::NoPort);
            return;
        }
        const QSerialPortInfo &info = ports.at(index);
        qDebug() << info.portName();
        qDebug() << info.description();
        qDebug() << info.manufacturer();
        qDebug() << info.portName();
        portName = info.portName();
    } else {
        qDebug() << "EEG headset port from" << portVariable << portName;
    }
    openPort(portName);
}

void CEEGManager::openPort(const QString &portName)
{
    chosenPortName = portName;
    port = new QSerialPort(portName, this);
    port->setBaudRate(QSerialPort::Baud9600, QSerialPort::AllDirections);
    port->setDataBits(QSerialPort::Data8);
    port->setParity(QSerialPort::NoParity);
    port->setStopBits(QSerialPort::OneStop);
    if (!port->open(QIODevice::ReadWrite)) {
        lastPortError = port->errorString();
        setLinkState(LinkState::OpenFailed);
        return;
    }
    setLinkState(LinkState::Reading);

    connect(port, SIGNAL(readyRead()), this, SLOT(onReadyRead()));
    connect(port, &QSerialPort::errorOccurred, this, &CEEGManager::onPortError);
    commandTimer = new QTimer(this);
    commandTimer->setSingleShot(true);
    // A coarse timer may fire 5 % early, putting the last command near 8.7 s instead of 9.1 s.
    commandTimer->setTimerType(Qt::PreciseTimer);
    connect(commandTimer, SIGNAL(timeout()), this, SLOT(onTimeout()));
    commandTimer->start(100);
}

void CEEGManager::onPortError()
{
    // An unplugged bridge keeps its descriptor readable and every read fails: left open, the port
    // would spin the event loop. Nothing is retried and the user is not told.
    const QSerialPort::SerialPortError error = port->error();
    if (error != QSerialPort::ResourceError && error != QSerialPort::ReadError)
        return;
    if (!portFailureLogged) {
        portFailureLogged = true;
        qCritical() << "EEG headset port lost:" << port->portName() << port->errorString();
    }
    port->close();
    setLinkState(LinkState::Lost);
}

void CEEGManager::onReadyRead()
{
    const QByteArray bytes = port->readAll();
    parser->feed(bytes.constData(), bytes.size());
    EEGData frame;
    // The parser hands each frame out before it is emitted: a receiver that turns the event loop
    // may bring this slot back for the next frames.
    while (parser->takeFrame(&frame)) {
        setLinkState(LinkState::Receiving);
        if (deliveryDepth++ == 0)
            nestedReadTimer->start();
        emit newFrame(frame);
        if (--deliveryDepth == 0)
            nestedReadTimer->stop();
    }
}

void CEEGManager::onTimeout()
{
    const int step = commandStep++;
    if (step > 2 || !port->isOpen())
        return;
    static const char *const commands[] = { "AT+ROLE1\r\n", "AT+INQ\r\n", "AT+CONN1\r\n" };
    port->write(commands[step]);
    if (step == 0)
        commandTimer->start(1000);
    else if (step == 1)
        commandTimer->start(8000);
}
