// Fuzzes the script port's request reader: no crash, no undefined behaviour, the same requests and
// errors however the bytes arrive in reads, only well-formed answers, and a bounded buffer.
#include "fuzzsupport.h"
#include "script/cscriptrequestreader.h"

#include <QJsonDocument>

namespace {

using FuzzSupport::require;

QByteArray outcome(const QVector<CScriptRequestReader::Entry> &entries)
{
    QByteArray text;
    for (const CScriptRequestReader::Entry &entry : entries) {
        if (entry.isRequest) {
            require(!entry.request.method.isNull(), "a request names its method");
            text += QJsonDocument(
                QJsonObject { { "id", entry.request.id }, { "method", entry.request.method },
                    { "params", entry.request.params } })
                        .toJson(QJsonDocument::Compact);
        } else {
            const int code = entry.errorReply.value("error").toObject().value("code").toInt();
            require(code == CScriptRequestReader::ParseError
                    || code == CScriptRequestReader::InvalidRequest
                    || code == CScriptRequestReader::InvalidParams,
                "an error carries one of the protocol's codes");
            text += CScriptRequestReader::line(entry.errorReply);
        }
        text += '\n';
    }
    return text;
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int *, char ***)
{
    FuzzSupport::silenceMessages();
    return 0;
}

// The first byte picks where the bytes are cut into reads; the rest is what the script sent.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    if (size == 0)
        return 0;
    const QByteArray bytes(reinterpret_cast<const char *>(data) + 1, int(size) - 1);
    CScriptRequestReader whole;
    const QVector<CScriptRequestReader::Entry> wholeEntries = whole.append(bytes);
    require(wholeEntries.size()
            <= bytes.count('\n') + 1 + bytes.size() / CScriptRequestReader::MaxLineLength,
        "at most one answer per line");

    CScriptRequestReader pieces;
    QVector<CScriptRequestReader::Entry> pieceEntries;
    const int cut = 1 + data[0] % 17;
    for (int offset = 0; offset < bytes.size(); offset += cut)
        pieceEntries += pieces.append(bytes.mid(offset, cut));
    require(outcome(wholeEntries) == outcome(pieceEntries), "the reads' cuts change nothing");
    return 0;
}
