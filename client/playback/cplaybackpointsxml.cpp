// CPlaybackPointsXml: the XML text of a playback points file, written and read back.
#include "playback/cplaybackpointsxml.h"

#include <QIODevice>
#include <QRegularExpression>
#include <QTextCodec>
#include <QXmlStreamWriter>

#include <algorithm>
#include <array>
#include <memory>

namespace {

enum Field { MotionStyleField, IsGrabField, XField, FieldCount = 8 };

const std::array<QLatin1String, FieldCount> fieldNames { QLatin1String("motionStyle"),
    QLatin1String("isGrab"), QLatin1String("x"), QLatin1String("y"), QLatin1String("z"),
    QLatin1String("rHead"), QLatin1String("gripper"), QLatin1String("pauseTime") };

// The number fields in file order, from XField on.
const std::array<float PlaybackPoint::*, FieldCount - XField> numberFields { &PlaybackPoint::x,
    &PlaybackPoint::y, &PlaybackPoint::z, &PlaybackPoint::rHead, &PlaybackPoint::gripper,
    &PlaybackPoint::pauseTime };

// Points files are three levels deep; a little nesting inside a field is still read.
constexpr int maxDepth = 128;
// The stream reader checks a tag's attributes for duplicates pair by pair.
constexpr int maxAttributesInTag = 32;
constexpr qint64 chunkSize = 64 * 1024;
// No token or field text of a points file comes near this many characters.
constexpr int maxTextLength = 256 * 1024;

QString textOfField(const PlaybackPoint &point, int field)
{
    switch (field) {
    case MotionStyleField:
        return motionStyleText(point.motionStyle);
    case IsGrabField:
        return point.isGrab ? QStringLiteral("true") : QStringLiteral("false");
    default:
        return QStringLiteral("%1").arg(double(point.*numberFields[field - XField]));
    }
}

void setFieldFromText(PlaybackPoint &point, int field, const QString &text)
{
    switch (field) {
    case MotionStyleField:
        point.motionStyle = uint8_t(qMax(int(JUMP), motionStyleFromText(text)));
        break;
    case IsGrabField:
        point.isGrab = text == QLatin1String("true");
        break;
    default:
        point.*numberFields[field - XField] = pointNumber(text);
        break;
    }
}

int fieldOfName(const QStringRef &name)
{
    const auto found = std::find(fieldNames.begin(), fieldNames.end(), name);
    return found == fieldNames.end() ? -1 : int(found - fieldNames.begin());
}

bool isXmlSpace(QChar c)
{
    return c == QLatin1Char(' ') || c == QLatin1Char('\t') || c == QLatin1Char('\n')
        || c == QLatin1Char('\r');
}

// The DOM parser's rule for a name: it starts with a letter, '_' or ':', and goes on with those,
// digits, marks, '.' and '-'.
bool isXmlName(QStringView name)
{
    const auto begins = [](QChar c) {
        const QChar::Category category = c.category();
        return c == QLatin1Char('_') || c == QLatin1Char(':')
            || (category >= QChar::Letter_Uppercase && category <= QChar::Letter_Other)
            || category == QChar::Number_Letter;
    };
    const auto continues = [&begins](QChar c) {
        const QChar::Category category = c.category();
        return begins(c) || c == QLatin1Char('.') || c == QLatin1Char('-')
            || (category >= QChar::Number_DecimalDigit && category <= QChar::Number_Other)
            || (category >= QChar::Mark_NonSpacing && category <= QChar::Mark_Enclosing);
    };
    return !name.isEmpty() && begins(name.front())
        && std::all_of(name.begin() + 1, name.end(), continues);
}

// The codec a DOM parser picks: from a byte order mark or the width of the first '<', then the
// encoding the XML declaration names if that one is known.
QTextCodec *codecOfDocument(const QByteArray &head)
{
    struct Mark
    {
        QByteArray bytes;
        const char *codecName;
    };
    // Longer marks first: a UTF-32 mark starts like a UTF-16 one.
    static const std::array<Mark, 8> marks { {
        { QByteArray("\0\0\xFE\xFF", 4), "UTF-32" },
        { QByteArray("\xFF\xFE\0\0", 4), "UTF-32" },
        { QByteArray("<\0\0\0", 4), "UTF-32LE" },
        { QByteArray("\0\0\0<", 4), "UTF-32BE" },
        { QByteArray("\xFE\xFF", 2), "UTF-16" },
        { QByteArray("\xFF\xFE", 2), "UTF-16" },
        { QByteArray("<\0", 2), "UTF-16LE" },
        { QByteArray("\0<", 2), "UTF-16BE" },
    } };
    const auto mark = std::find_if(marks.begin(), marks.end(),
        [&head](const Mark &candidate) { return head.startsWith(candidate.bytes); });
    QTextCodec *codec = QTextCodec::codecForName(mark == marks.end() ? "UTF-8" : mark->codecName);
    static const QRegularExpression declaration(
        QStringLiteral("^\\x{FEFF}?<\\?xml\\s[^>]*encoding\\s*=\\s*[\"']([^\"']+)[\"']"));
    const QRegularExpressionMatch match = declaration.match(codec->toUnicode(head.left(256)));
    QTextCodec *declared
        = match.hasMatch() ? QTextCodec::codecForName(match.captured(1).toLatin1()) : nullptr;
    return declared ? declared : codec;
}

} // namespace

CPlaybackPointsXml::CPlaybackPointsXml(PlaybackPoints &pointsRead)
    : pointsRead(pointsRead)
{
    xml.setNamespaceProcessing(false);
    xml.setEntityResolver(this);
}

// The DOM parser keeps an unknown entity as an empty node; its text is that of the nodes around.
// It refuses a reference whose name is no XML name, which the stream reader passes on here.
QString CPlaybackPointsXml::resolveUndeclaredEntity(const QString &name)
{
    if (!isXmlName(name))
        entityNameInvalid = true;
    return QLatin1String("");
}

void CPlaybackPointsXml::write(
    QIODevice *device, const PlaybackPoints &points, const PointsProgress &progress)
{
    QXmlStreamWriter writer(device);
    // The declaration opens the file; auto-formatting would put a line break before it.
    writer.writeProcessingInstruction(
        QStringLiteral("xml"), QStringLiteral("version='1.0' encoding='UTF-8'"));
    writer.setAutoFormatting(true);
    writer.setAutoFormattingIndent(4);
    writer.writeStartElement(QStringLiteral("playback"));
    int pointsWritten = 0;
    for (const PlaybackPoint &point : points) {
        if (progress && ++pointsWritten % 256 == 0)
            progress();
        writer.writeStartElement(QStringLiteral("point"));
        for (int field = 0; field < FieldCount; ++field)
            writer.writeTextElement(fieldNames[field], textOfField(point, field));
        writer.writeEndElement();
    }
    writer.writeEndDocument();
}

CPlaybackPointsXml::Document CPlaybackPointsXml::read(
    QIODevice *device, PlaybackPoints &points, const PointsProgress &progress)
{
    points.clear();
    CPlaybackPointsXml reader(points);
    QByteArray chunk = device->read(chunkSize);
    // Decoding here, like the DOM parser, keeps text that is not valid in its encoding readable.
    const std::unique_ptr<QTextDecoder> decoder(codecOfDocument(chunk)->makeDecoder());
    bool wellFormedSoFar = true;
    while (wellFormedSoFar && !chunk.isEmpty()) {
        wellFormedSoFar = reader.feed(decoder->toUnicode(chunk));
        chunk = device->read(chunkSize);
        if (progress)
            progress();
    }
    if (!wellFormedSoFar || !reader.documentEnded) {
        points.clear();
        return Broken;
    }
    return reader.rootHasElements ? WithElements : EmptyRoot;
}

// Returns false once the document is refused or known not to be well-formed.
bool CPlaybackPointsXml::feed(const QString &text)
{
    if (!screen(text))
        return false;
    xml.addData(text);
    // Given more text, the reader reports the end again if the document is still complete.
    documentEnded = false;
    charsWithoutToken += text.size();
    while (xml.readNext() != QXmlStreamReader::Invalid) {
        charsWithoutToken = 0;
        if (entityNameInvalid || !handleToken())
            return false;
    }
    // The reader parses an unfinished token again from its start whenever text is added: a huge
    // comment or tag would take quadratic time.
    return xml.error() == QXmlStreamReader::PrematureEndOfDocumentError && !entityNameInvalid
        && charsWithoutToken <= maxTextLength;
}

bool CPlaybackPointsXml::handleToken()
{
    documentEnded = xml.tokenType() == QXmlStreamReader::EndDocument;
    switch (xml.tokenType()) {
    case QXmlStreamReader::StartElement:
        return startElement();
    case QXmlStreamReader::EndElement:
        endElement();
        return true;
    case QXmlStreamReader::Characters:
        return characters();
    case QXmlStreamReader::ProcessingInstruction:
        if (!isXmlName(xml.processingInstructionTarget()))
            return false;
        endTextNode();
        return true;
    case QXmlStreamReader::Comment:
        endTextNode();
        return true;
    default:
        return true;
    }
}

// Refuses, before the reader sees them, a DTD (entity expansion, declarations checked pair by
// pair) and start tags with many attributes. Attribute values hold no '<', so all attributes of
// a tag lie between its '<' and the next one.
bool CPlaybackPointsXml::screen(const QString &text)
{
    static const QLatin1String doctype("<!DOCTYPE");
    for (const QChar c : text) {
        if (c == doctype[doctypeCharsMatched])
            ++doctypeCharsMatched;
        else
            doctypeCharsMatched = c == QLatin1Char('<') ? 1 : 0;
        if (doctypeCharsMatched == doctype.size())
            return false;

        if (c == QLatin1Char('<')) {
            attributesInTag = 0;
            afterEquals = false;
        } else if (c == QLatin1Char('=')) {
            afterEquals = true;
        } else if (afterEquals && (c == QLatin1Char('"') || c == QLatin1Char('\''))) {
            afterEquals = false;
            if (++attributesInTag > maxAttributesInTag)
                return false;
        } else if (!isXmlSpace(c)) {
            afterEquals = false;
        }
    }
    return true;
}

bool CPlaybackPointsXml::startElement()
{
    if (++depth > maxDepth)
        return false;
    // The stream reader takes any character but a delimiter into a name; the DOM parser does not.
    if (!isXmlName(xml.qualifiedName()))
        return false;
    const QXmlStreamAttributes attributes = xml.attributes();
    for (const QXmlStreamAttribute &attribute : attributes) {
        if (!isXmlName(attribute.qualifiedName()))
            return false;
    }
    if (field >= 0) {
        // Markup inside a field: the text of its elements still belongs to the field.
        endTextNode();
        return true;
    }
    if (depth == 2) {
        rootHasElements = true;
        inPoint = xml.qualifiedName() == QLatin1String("point");
        point = PlaybackPoint {};
        fieldsRead = 0;
    } else if (depth == 3 && inPoint) {
        const int named = fieldOfName(xml.qualifiedName());
        // Only the first element of each name counts.
        if (named >= 0 && !(fieldsRead & (1u << named))) {
            fieldsRead |= 1u << named;
            field = named;
        }
    }
    return true;
}

void CPlaybackPointsXml::endElement()
{
    if (field >= 0) {
        endTextNode();
        if (depth == 3) {
            setFieldFromText(point, field, fieldText);
            fieldText.clear();
            field = -1;
        }
    } else if (depth == 2 && inPoint) {
        pointsRead.append(point);
        inPoint = false;
    }
    --depth;
}

bool CPlaybackPointsXml::characters()
{
    if (field < 0)
        return true;
    if (xml.isCDATA()) {
        endTextNode();
        fieldText += xml.text();
    } else {
        textNode += xml.text();
    }
    return fieldText.size() + textNode.size() <= maxTextLength;
}

// The DOM parser drops text nodes of white space only, and so does this reader.
void CPlaybackPointsXml::endTextNode()
{
    const bool blank
        = std::all_of(textNode.cbegin(), textNode.cend(), [](QChar c) { return c.isSpace(); });
    if (!blank) {
        if (fieldText.isEmpty())
            fieldText.swap(textNode);
        else
            fieldText += textNode;
    }
    textNode.clear();
}
