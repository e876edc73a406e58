// CScriptSession: one connected script: its socket, its token check and what it subscribed to.
#include "script/cscriptsession.h"

#include <QCryptographicHash>
#include <QJsonArray>
#include <QLocalSocket>
#include <QLoggingCategory>
#include <QTimer>

Q_LOGGING_CATEGORY(scriptLog, "arvex.script")

namespace {

// Compares every byte whatever the first difference, so that the time taken says nothing of how
// much of a guessed token was right.
bool sameToken(const QByteArray &given, const QByteArray &expected)
{
    const QByteArray a = QCryptographicHash::hash(given, QCryptographicHash::Sha256);
    const QByteArray b = QCryptographicHash::hash(expected, QCryptographicHash::Sha256);
    unsigned char difference = 0;
    for (int i = 0; i < a.size(); ++i)
        difference |= static_cast<unsigned char>(a.at(i) ^ b.at(i));
    return difference == 0;
}

constexpr int AdmissionTimeout = 5000;

const QStringList knownEvents { QStringLiteral("pose"), QStringLiteral("state"),
    QStringLiteral("row") };

} // namespace

CScriptSession::CScriptSession(QLocalSocket *socket, const QByteArray &token, QObject *parent)
    : QObject(parent)
    , socket(socket)
    , token(token)
{
    socket->setParent(this);
    connect(socket, SIGNAL(readyRead()), this, SLOT(onReadyRead()));
    connect(socket, SIGNAL(disconnected()), this, SIGNAL(ended()));
    // A connection that names no token soon would keep other scripts out.
    QTimer::singleShot(AdmissionTimeout, this, [this] {
        if (!admitted) {
            qCWarning(scriptLog) << "Script refused: it named no token in time";
            this->socket->disconnectFromServer();
        }
    });
}

void CScriptSession::reply(const QJsonValue &id, const QJsonValue &result)
{
    send(CScriptRequestReader::resultReply(id, result));
}

void CScriptSession::replyError(const QJsonValue &id, int code, const QString &message)
{
    send(CScriptRequestReader::errorReply(id, code, message));
}

void CScriptSession::notify(const QString &event, const QJsonObject &params)
{
    if (event != QLatin1String("disconnected") && !events.contains(event))
        return;
    send({ { QStringLiteral("jsonrpc"), QStringLiteral("2.0") },
        { QStringLiteral("method"), event }, { QStringLiteral("params"), params } });
}

void CScriptSession::close(const QString &reason)
{
    notify(QStringLiteral("disconnected"), { { QStringLiteral("reason"), reason } });
    socket->disconnectFromServer();
}

void CScriptSession::send(const QJsonObject &message)
{
    if (socket->state() == QLocalSocket::ConnectedState)
        socket->write(CScriptRequestReader::line(message));
}

void CScriptSession::onReadyRead()
{
    const QVector<CScriptRequestReader::Entry> entries = reader.append(socket->readAll());
    for (const CScriptRequestReader::Entry &entry : entries) {
        // A request may end the session; the rest of what it sent is then dropped.
        if (socket->state() != QLocalSocket::ConnectedState)
            return;
        if (entry.isRequest)
            handle(entry.request);
        else
            send(entry.errorReply);
    }
}

void CScriptSession::handle(const CScriptRequestReader::Request &request)
{
    const QString &method = request.method;
    if (!admitted) {
        if (method != QLatin1String("hello")
            || !sameToken(
                request.params.value(QLatin1String("token")).toString().toUtf8(), token)) {
            qCWarning(scriptLog) << "Script refused: its first request named no valid token";
            replyError(request.id, Refused, QStringLiteral("wrong token"));
            socket->disconnectFromServer();
            return;
        }
        admitted = true;
        programName = request.params.value(QLatin1String("program")).toString().left(80);
        if (programName.isEmpty())
            programName = QStringLiteral("script");
        connectedSince = QDateTime::currentDateTime();
        qCInfo(scriptLog) << "Script connected:" << programName;
    }
    if (method == QLatin1String("subscribe")) {
        const QJsonArray names = request.params.value(QLatin1String("events")).toArray();
        QSet<QString> wanted;
        for (const QJsonValue &name : names) {
            if (!knownEvents.contains(name.toString())) {
                replyError(request.id, CScriptRequestReader::InvalidParams,
                    QStringLiteral("no event named %1; there are %2")
                        .arg(name.toString(), knownEvents.join(QStringLiteral(", "))));
                return;
            }
            wanted.insert(name.toString());
        }
        events = wanted;
        reply(request.id, QJsonArray::fromStringList(QStringList(events.begin(), events.end())));
        return;
    }
    emit requestReceived(request.id, method, request.params);
}
