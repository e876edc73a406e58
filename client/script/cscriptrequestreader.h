// CScriptRequestReader: cuts the bytes a script sends into JSON-RPC 2.0 requests, one per line,
// and answers what is no request with the protocol's error.
#pragma once

#include <QByteArray>
#include <QJsonObject>
#include <QJsonValue>
#include <QString>
#include <QVector>

class CScriptRequestReader
{
public:
    // A line longer than this is dropped whole, so that a script that never ends its line cannot
    // make the client hold all it sends.
    static constexpr int MaxLineLength = 1 << 20;
    // Deeper JSON is refused before it is parsed; no request needs more than a few levels.
    static constexpr int MaxDepth = 32;

    enum ErrorCode {
        ParseError = -32700,
        InvalidRequest = -32600,
        MethodNotFound = -32601,
        InvalidParams = -32602,
    };

    struct Request
    {
        QJsonValue id;
        QString method;
        QJsonObject params;
    };
    // Exactly one of the two: a request to handle, or the error reply to send back.
    struct Entry
    {
        bool isRequest = false;
        Request request;
        QJsonObject errorReply;
    };

    // The requests and errors of every line the bytes complete, in order.
    QVector<Entry> append(const QByteArray &bytes);

    static QJsonObject resultReply(const QJsonValue &id, const QJsonValue &result);
    static QJsonObject errorReply(const QJsonValue &id, int code, const QString &message);
    static QByteArray line(const QJsonObject &message);

private:
    Entry readLine(const QByteArray &line) const;

    QByteArray pending;
    // The rest of an overlong line is skipped up to its end.
    bool skippingLine = false;
};
