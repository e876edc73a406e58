// CScriptSession: one connected script: its socket, its token check and what it subscribed to.
#pragma once

#include "script/cscriptrequestreader.h"

#include <QDateTime>
#include <QObject>
#include <QSet>

class QLocalSocket;

class CScriptSession : public QObject
{
    Q_OBJECT

public:
    // Errors of our own, beside the protocol's; the Python package maps each to an exception.
    enum ErrorCode {
        Refused = -32000,
        Unreachable = -32001,
        Stopped = -32002,
        Disconnected = -32003
    };

    // Takes the socket over; token is what the first request must name.
    CScriptSession(QLocalSocket *socket, const QByteArray &token, QObject *parent = nullptr);

    // The name the script gave for itself, and when it was let in.
    QString program() const { return programName; }
    QDateTime since() const { return connectedSince; }

    void reply(const QJsonValue &id, const QJsonValue &result);
    void replyError(const QJsonValue &id, int code, const QString &message);
    // Sends the event if the script subscribed to it; "disconnected" always goes.
    void notify(const QString &event, const QJsonObject &params);
    bool subscribed(const QString &event) const { return events.contains(event); }
    // Tells the script why and lets it go once what was written has left.
    void close(const QString &reason);

signals:
    // A request of a script that named the right token.
    void requestReceived(QJsonValue id, QString method, QJsonObject params);
    void ended();

private slots:
    void onReadyRead();

private:
    void send(const QJsonObject &message);
    void handle(const CScriptRequestReader::Request &request);

    QLocalSocket *socket = nullptr;
    const QByteArray token;
    CScriptRequestReader reader;
    bool admitted = false;
    QString programName;
    QDateTime connectedSince;
    QSet<QString> events;
};
