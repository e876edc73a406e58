// CPlaybackPointsXml: the XML text of a playback points file, written and read back.
#pragma once

#include "playback/playbackpoint.h"

#include <QString>
#include <QXmlStreamReader>

class QIODevice;

// Reading gives the points a DOM of the whole document would give by the file's lenient rules
// (root name not examined, only the root's point children, the first child of each name, its
// text), but it streams: memory stays near the size of the points found. A document with a DTD,
// a start tag with many attributes, nesting, a token or a field text far beyond any points file
// counts as broken, as the stream reader would expand entities or slow down without bound.
class CPlaybackPointsXml : private QXmlStreamEntityResolver
{
public:
    enum Document {
        Broken, // not well-formed, refused or unreadable: no points
        EmptyRoot, // well-formed, with no element in the root
        WithElements, // well-formed, with elements in the root (points or not)
    };

    static void write(
        QIODevice *device, const PlaybackPoints &points, const PointsProgress &progress = {});
    // Empties points, then fills it with the document's points when it is not Broken.
    static Document read(
        QIODevice *device, PlaybackPoints &points, const PointsProgress &progress = {});

private:
    explicit CPlaybackPointsXml(PlaybackPoints &pointsRead);

    QString resolveUndeclaredEntity(const QString &name) override;

    // Takes decoded text or whole UTF-8 characters.
    template <class Text>
    bool feed(const Text &text);
    template <class Unit>
    int screen(const Unit *units, int count);
    bool handleToken();
    bool startElement();
    void endElement();
    bool characters();
    void endTextNode();

    QXmlStreamReader xml;
    PlaybackPoints &pointsRead;
    PlaybackPoint point {};
    int depth = 0;
    bool rootHasElements = false;
    bool inPoint = false;
    int field = -1; // the point field whose element is open
    unsigned fieldsRead = 0;
    QString fieldText;
    QString textNode;
    bool documentEnded = false;
    bool entityNameInvalid = false;
    int charsWithoutToken = 0;

    int doctypeCharsMatched = 0;
    int attributesInTag = 0;
    bool afterEquals = false;
};
