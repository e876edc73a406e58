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
constexpr int utf8Mib = 106;
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

// The number of a text in the form the program writes, an optional '-' and up to 15 digits with
// an optional fraction, as parsing it would give it: both numbers are exact in a double, so their
// quotient is the correctly rounded value. False for any other form, which is parsed as text.
bool plainDecimal(const QString &text, float &number)
{
    static const double powersOfTen[]
        = { 1e0, 1e1, 1e2, 1e3, 1e4, 1e5, 1e6, 1e7, 1e8, 1e9, 1e10, 1e11, 1e12, 1e13, 1e14, 1e15 };
    const QChar *c = text.constData();
    const QChar *const end = c + text.size();
    const bool negative = c != end && *c == QLatin1Char('-');
    if (negative)
        ++c;
    qint64 digits = 0;
    int digitCount = 0;
    int fractionDigits = -1;
    for (; c != end; ++c) {
        const ushort unit = c->unicode();
        if (unit >= '0' && unit <= '9') {
            digits = digits * 10 + (unit - '0');
            if (++digitCount > 15)
                return false;
            if (fractionDigits >= 0)
                ++fractionDigits;
        } else if (unit == '.' && fractionDigits < 0) {
            fractionDigits = 0;
        } else {
            return false;
        }
    }
    if (digitCount == 0 || fractionDigits == 0)
        return false;
    const double value = double(digits) / powersOfTen[std::max(fractionDigits, 0)];
    number = float(negative ? -value : value);
    return true;
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
    default: {
        float &number = point.*numberFields[field - XField];
        if (!plainDecimal(text, number))
            number = pointNumber(text);
        break;
    }
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

struct DocumentCodec
{
    QTextCodec *codec;
    // The declaration names an encoding Qt does not know, which the stream reader would refuse.
    bool declaresUnknown;
};

// The codec a DOM parser picks: from a byte order mark or the width of the first '<', then the
// encoding the XML declaration names if that one is known.
DocumentCodec codecOfDocument(const QByteArray &head)
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
    return { declared ? declared : codec, match.hasMatch() && !declared };
}

// The length of the part of bytes that holds whole UTF-8 characters, leaving out the start of
// one cut off at the end; -1 when the bytes are not UTF-8 (overlong forms and surrogates
// included), as a decoder would find.
int wholeUtf8Length(const QByteArray &bytes)
{
    const auto *const data = reinterpret_cast<const uchar *>(bytes.constData());
    const int size = bytes.size();
    int i = 0;
    while (i < size) {
        const uchar lead = data[i];
        if (lead < 0x80) {
            ++i;
            continue;
        }
        const int length = lead >= 0xC2 && lead <= 0xDF ? 2
            : lead >= 0xE0 && lead <= 0xEF              ? 3
            : lead >= 0xF0 && lead <= 0xF4              ? 4
                                                        : 0;
        if (length == 0)
            return -1;
        // The second byte's range also rules out overlong forms, surrogates and code points
        // beyond U+10FFFF.
        const uchar low = lead == 0xE0 ? 0xA0 : lead == 0xF0 ? 0x90 : 0x80;
        const uchar high = lead == 0xED ? 0x9F : lead == 0xF4 ? 0x8F : 0xBF;
        for (int k = 1; k < length; ++k) {
            if (i + k == size)
                return i;
            const uchar next = data[i + k];
            if (next < (k == 1 ? low : 0x80) || next > (k == 1 ? high : 0xBF))
                return -1;
        }
        i += length;
    }
    return i;
}

uint codeUnit(QChar c)
{
    return c.unicode();
}

uint codeUnit(char c)
{
    return uchar(c);
}

} // namespace

CPlaybackPointsXml::CPlaybackPointsXml(PlaybackPoints &pointsRead)
    : pointsRead(pointsRead)
{
    xml.setNamespaceProcessing(false);
    // Room kept from field to field, so that texts are not allocated anew for each.
    fieldText.reserve(64);
    textNode.reserve(64);
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
    const DocumentCodec documentCodec = codecOfDocument(chunk);
    // Decoding here, like the DOM parser, keeps text that is not valid in its encoding readable.
    // Valid UTF-8 goes to the stream reader as it is, which would otherwise encode the decoded
    // text again and decode it once more.
    std::unique_ptr<QTextDecoder> decoder;
    if (documentCodec.codec->mibEnum() != utf8Mib || documentCodec.declaresUnknown)
        decoder.reset(documentCodec.codec->makeDecoder());
    QByteArray bytes;
    bool wellFormedSoFar = true;
    while (wellFormedSoFar && !chunk.isEmpty()) {
        if (!decoder) {
            // A character cut off at the end of a chunk waits for the rest of it.
            bytes += chunk;
            const int whole = wholeUtf8Length(bytes);
            if (whole >= 0) {
                wellFormedSoFar = reader.feed(bytes.left(whole));
                bytes.remove(0, whole);
            } else {
                decoder.reset(documentCodec.codec->makeDecoder());
                chunk.swap(bytes);
            }
        }
        if (decoder)
            wellFormedSoFar = wellFormedSoFar && reader.feed(decoder->toUnicode(chunk));
        chunk = device->read(chunkSize);
        if (progress)
            progress();
    }
    // A character cut off by the end of the file decodes as a replacement, as it would have.
    if (wellFormedSoFar && !decoder && !bytes.isEmpty()) {
        decoder.reset(documentCodec.codec->makeDecoder());
        wellFormedSoFar = reader.feed(decoder->toUnicode(bytes));
    }
    if (!wellFormedSoFar || !reader.documentEnded) {
        points.clear();
        return Broken;
    }
    return reader.rootHasElements ? WithElements : EmptyRoot;
}

// Returns false once the document is refused or known not to be well-formed.
template <class Text>
bool CPlaybackPointsXml::feed(const Text &text)
{
    const int characters = screen(text.constData(), text.size());
    if (characters < 0)
        return false;
    xml.addData(text);
    // Given more text, the reader reports the end again if the document is still complete.
    documentEnded = false;
    charsWithoutToken += characters;
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
// a tag lie between its '<' and the next one. The markup is ASCII, so UTF-8 bytes are screened
// as they are. Returns the number of characters, or -1 when refused.
template <class Unit>
int CPlaybackPointsXml::screen(const Unit *units, int count)
{
    static const char doctype[] = "<!DOCTYPE";
    constexpr int doctypeLength = sizeof doctype - 1;
    int characters = 0;
    for (const Unit *unit = units; unit != units + count; ++unit) {
        const uint c = codeUnit(*unit);
        // UTF-8 continuation bytes do not start a character.
        if (sizeof(Unit) > 1 || (c & 0xC0) != 0x80)
            ++characters;
        // Most characters of a points file matter to neither check.
        if (doctypeCharsMatched == 0 && !afterEquals && c != '<' && c != '=')
            continue;
        if (c == uint(doctype[doctypeCharsMatched]))
            ++doctypeCharsMatched;
        else
            doctypeCharsMatched = c == '<' ? 1 : 0;
        if (doctypeCharsMatched == doctypeLength)
            return -1;

        if (c == '<') {
            attributesInTag = 0;
            afterEquals = false;
        } else if (c == '=') {
            afterEquals = true;
        } else if (afterEquals && (c == '"' || c == '\'')) {
            afterEquals = false;
            if (++attributesInTag > maxAttributesInTag)
                return -1;
        } else if (c > ' ' || !isXmlSpace(QChar(c))) {
            afterEquals = false;
        }
    }
    return characters;
}

bool CPlaybackPointsXml::startElement()
{
    if (++depth > maxDepth)
        return false;
    // The stream reader takes any character but a delimiter into a name; the DOM parser does not.
    // The names of a points file are known to pass.
    const QStringRef name = xml.qualifiedName();
    if (fieldOfName(name) < 0 && name != QLatin1String("point") && !isXmlName(name))
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
            // Emptied, not released: the next field's text reuses the room.
            fieldText.resize(0);
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
    textNode.resize(0);
}
