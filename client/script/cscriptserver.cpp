// CScriptServer: the local socket that scripts connect to, the token file that admits them and
// the setting that allows it at all.
#include "script/cscriptserver.h"

#include "cfilelocations.h"
#include "script/cscriptsession.h"

#include <QDir>
#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLocalServer>
#include <QLocalSocket>
#include <QLoggingCategory>
#include <QRandomGenerator>
#include <QSaveFile>
#include <QStandardPaths>

Q_DECLARE_LOGGING_CATEGORY(scriptLog)

namespace {

const char settingsFile[] = "file/ScriptParams.json";

// On Unix a socket file in the user's runtime folder, which only the user can enter; on Windows
// a named pipe, named per user, whose access list the server limits to the user.
QString socketName()
{
#ifdef Q_OS_WIN
    return QStringLiteral("arvex-script-") + qEnvironmentVariable("USERNAME");
#else
    return QDir(QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation))
        .filePath(QStringLiteral("arvex-script.sock"));
#endif
}

QByteArray randomToken()
{
    QByteArray bytes(32, Qt::Uninitialized);
    QRandomGenerator::system()->fillRange(
        reinterpret_cast<quint32 *>(bytes.data()), bytes.size() / int(sizeof(quint32)));
    return bytes.toHex();
}

} // namespace

CScriptServer::CScriptServer(QObject *parent)
    : QObject(parent)
    , server(new QLocalServer(this))
{
    server->setSocketOptions(QLocalServer::UserAccessOption);
    connect(server, SIGNAL(newConnection()), this, SLOT(onNewConnection()));
}

CScriptServer::~CScriptServer()
{
    if (server->isListening())
        QFile::remove(tokenFilePath());
}

bool CScriptServer::allowedInSettings()
{
    QFile file(CFileLocations::instance()->writableFile(QLatin1String(settingsFile)));
    if (!file.open(QIODevice::ReadOnly))
        return false;
    return QJsonDocument::fromJson(file.readAll())
        .object()
        .value(QLatin1String("allowScripts"))
        .toBool();
}

void CScriptServer::setAllowedInSettings(bool allowed)
{
    QSaveFile file(CFileLocations::instance()->writableFile(QLatin1String(settingsFile)));
    const QByteArray text
        = QJsonDocument(QJsonObject { { QStringLiteral("allowScripts"), allowed } }).toJson();
    if (!file.open(QIODevice::WriteOnly) || file.write(text) != text.size() || !file.flush()
        || !file.commit())
        qCritical("Failed to write %s", settingsFile);
}

QString CScriptServer::tokenFilePath()
{
#ifdef Q_OS_WIN
    const auto location = QStandardPaths::AppLocalDataLocation;
#else
    const auto location = QStandardPaths::RuntimeLocation;
#endif
    return QDir(QStandardPaths::writableLocation(location))
        .filePath(QStringLiteral("arvex-script.json"));
}

bool CScriptServer::isListening() const
{
    return server->isListening();
}

bool CScriptServer::listen()
{
    if (server->isListening())
        return true;
    const QString name = socketName();
    if (!server->listen(name)) {
        // A socket file left by a client that was killed answers nobody; one that answers
        // belongs to another running client, which keeps it.
        QLocalSocket probe;
        probe.connectToServer(name);
        if (probe.waitForConnected(200)) {
            qCWarning(scriptLog) << "Scripts stay off: another client listens on" << name;
            return false;
        }
        QLocalServer::removeServer(name);
        if (!server->listen(name)) {
            qCWarning(scriptLog) << "Scripts stay off:" << server->errorString();
            return false;
        }
    }
    token = randomToken();
    const QString path = tokenFilePath();
    QDir().mkpath(QFileInfo(path).path());
    QFile::remove(path);
    QFile file(path);
    // Owner-only before the token goes in; the runtime folder admits only the user anyway.
    const QByteArray text
        = QJsonDocument(QJsonObject {
                            { QStringLiteral("socket"), server->fullServerName() },
                            { QStringLiteral("token"), QString::fromLatin1(token) },
                        })
              .toJson();
    if (!file.open(QIODevice::WriteOnly)
        || !file.setPermissions(QFile::ReadOwner | QFile::WriteOwner)
        || file.write(text) != text.size() || !file.flush()) {
        qCWarning(scriptLog) << "Scripts stay off: cannot write" << path;
        file.remove();
        server->close();
        return false;
    }
    qCInfo(scriptLog) << "Scripts may connect to" << server->fullServerName() << "with the token in"
                      << path;
    return true;
}

void CScriptServer::close(const QString &reason)
{
    if (current)
        current->close(reason);
    if (server->isListening()) {
        server->close();
        QFile::remove(tokenFilePath());
    }
}

void CScriptServer::onNewConnection()
{
    while (QLocalSocket *socket = server->nextPendingConnection()) {
        if (current) {
            qCWarning(scriptLog) << "Script refused: another one is connected";
            socket->write(
                CScriptRequestReader::line(CScriptRequestReader::errorReply(QJsonValue::Null,
                    CScriptSession::Refused, QStringLiteral("another script is connected"))));
            socket->disconnectFromServer();
            connect(socket, SIGNAL(disconnected()), socket, SLOT(deleteLater()));
            continue;
        }
        current = new CScriptSession(socket, token, this);
        connect(current, SIGNAL(ended()), this, SLOT(onSessionEnded()));
        emit sessionStarted();
    }
}

void CScriptServer::onSessionEnded()
{
    if (auto *session = qobject_cast<CScriptSession *>(sender())) {
        if (session == current)
            current = nullptr;
        session->deleteLater();
    }
    emit sessionEnded();
}
