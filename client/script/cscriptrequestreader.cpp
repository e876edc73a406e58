// CScriptRequestReader: cuts the bytes a script sends into JSON-RPC 2.0 requests, one per line,
// and answers what is no request with the protocol's error.
#include "script/cscriptrequestreader.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonParseError>

namespace {

// Brackets outside strings, counted without parsing, so that a deep document costs one pass.
bool nestsTooDeep(const QByteArray &text, int maxDepth)
{
    int depth = 0;
    bool inString = false;
    bool escaped = false;
    for (const char c : text) {
        if (inString) {
            if (escaped)
                escaped = false;
            else if (c == '\\')
                escaped = true;
            else if (c == '"')
                inString = false;
        } else if (c == '"') {
            inString = true;
        } else if (c == '[' || c == '{') {
            if (++depth > maxDepth)
                return true;
        } else if (c == ']' || c == '}') {
            --depth;
        }
    }
    return false;
}

bool isValidId(const QJsonValue &id)
{
    return id.isString() || id.isDouble() || id.isNull();
}

} // namespace

QVector<CScriptRequestReader::Entry> CScriptRequestReader::append(const QByteArray &bytes)
{
    QVector<Entry> entries;
    int start = 0;
    while (start < bytes.size()) {
        const int end = bytes.indexOf('\n', start);
        const int stop = end < 0 ? bytes.size() : end;
        if (!skippingLine)
            pending.append(bytes.constData() + start, stop - start);
        if (pending.size() > MaxLineLength) {
            pending.clear();
            skippingLine = true;
            entries.append({ false, {},
                errorReply(QJsonValue::Null, InvalidRequest,
                    QStringLiteral("request longer than %1 bytes").arg(MaxLineLength)) });
        }
        if (end < 0)
            break;
        if (!skippingLine && !pending.trimmed().isEmpty())
            entries.append(readLine(pending));
        pending.clear();
        skippingLine = false;
        start = end + 1;
    }
    return entries;
}

CScriptRequestReader::Entry CScriptRequestReader::readLine(const QByteArray &line) const
{
    const auto error = [](const QJsonValue &id, int code, const QString &message) {
        return Entry { false, {}, errorReply(id, code, message) };
    };
    if (nestsTooDeep(line, MaxDepth))
        return error(QJsonValue::Null, InvalidRequest,
            QStringLiteral("nested deeper than %1 levels").arg(MaxDepth));
    QJsonParseError parseError;
    const QJsonDocument document = QJsonDocument::fromJson(line, &parseError);
    if (parseError.error != QJsonParseError::NoError)
        return error(QJsonValue::Null, ParseError, parseError.errorString());
    if (document.isArray())
        return error(QJsonValue::Null, InvalidRequest, QStringLiteral("batches are not served"));
    const QJsonObject object = document.object();
    const QJsonValue id = object.value(QLatin1String("id"));
    if (!isValidId(id))
        return error(QJsonValue::Null, InvalidRequest, QStringLiteral("id must be text or number"));
    if (object.value(QLatin1String("jsonrpc")) != QLatin1String("2.0")
        || !object.value(QLatin1String("method")).isString())
        return error(id, InvalidRequest, QStringLiteral("not a JSON-RPC 2.0 request"));
    const QJsonValue params = object.value(QLatin1String("params"));
    if (!params.isUndefined() && !params.isObject())
        return error(id, InvalidParams, QStringLiteral("params must be an object"));
    return { true, { id, object.value(QLatin1String("method")).toString(), params.toObject() },
        {} };
}

QJsonObject CScriptRequestReader::resultReply(const QJsonValue &id, const QJsonValue &result)
{
    return { { QStringLiteral("jsonrpc"), QStringLiteral("2.0") }, { QStringLiteral("id"), id },
        { QStringLiteral("result"), result } };
}

QJsonObject CScriptRequestReader::errorReply(const QJsonValue &id, int code, const QString &message)
{
    const QJsonObject error { { QStringLiteral("code"), code },
        { QStringLiteral("message"), message } };
    return { { QStringLiteral("jsonrpc"), QStringLiteral("2.0") },
        { QStringLiteral("id"), id.isUndefined() ? QJsonValue(QJsonValue::Null) : id },
        { QStringLiteral("error"), error } };
}

QByteArray CScriptRequestReader::line(const QJsonObject &message)
{
    return QJsonDocument(message).toJson(QJsonDocument::Compact) + '\n';
}
