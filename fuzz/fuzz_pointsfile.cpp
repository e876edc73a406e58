// Fuzzes the playback points file reader: no crash, no undefined behaviour, sound points, the
// same points as a DOM of the whole document gives, and a stable write and read-back.
#include "fuzzsupport.h"
#include "playback/cplaybackpointsxml.h"

#include <QBuffer>
#include <QDomDocument>

#include <algorithm>
#include <cmath>

namespace {

using FuzzSupport::require;

PlaybackPoints readPoints(const QByteArray &bytes, CPlaybackPointsXml::Document *document)
{
    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    PlaybackPoints points;
    *document = CPlaybackPointsXml::read(&buffer, points);
    return points;
}

QByteArray writtenText(const PlaybackPoints &points)
{
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    CPlaybackPointsXml::write(&buffer, points);
    return buffer.data();
}

// The file's reading rules applied to a DOM of the whole document.
PlaybackPoints domPoints(const QByteArray &bytes)
{
    PlaybackPoints points;
    QDomDocument document;
    if (!document.setContent(bytes))
        return points;
    const QString pointName = QStringLiteral("point");
    for (QDomElement element = document.documentElement().firstChildElement(pointName);
         !element.isNull(); element = element.nextSiblingElement(pointName)) {
        const auto text = [&](const char *name) {
            return element.firstChildElement(QLatin1String(name)).text();
        };
        points << PlaybackPoint { uint8_t(qMax(0, motionStyleFromText(text("motionStyle")))),
            text("isGrab") == QLatin1String("true"), pointNumber(text("x")), pointNumber(text("y")),
            pointNumber(text("z")), pointNumber(text("rHead")), pointNumber(text("gripper")),
            pointNumber(text("pauseTime")) };
    }
    return points;
}

// Field by field: the record has padding bytes.
bool samePoints(const PlaybackPoints &a, const PlaybackPoints &b)
{
    const auto same = [](const PlaybackPoint &p, const PlaybackPoint &q) {
        return p.motionStyle == q.motionStyle && p.isGrab == q.isGrab && p.x == q.x && p.y == q.y
            && p.z == q.z && p.rHead == q.rHead && p.gripper == q.gripper
            && p.pauseTime == q.pauseTime;
    };
    return std::equal(a.begin(), a.end(), b.begin(), b.end(), same);
}

bool isSound(const PlaybackPoint &point)
{
    const float numbers[]
        = { point.x, point.y, point.z, point.rHead, point.gripper, point.pauseTime };
    for (float number : numbers) {
        if (!std::isfinite(number))
            return false;
    }
    return point.motionStyle <= MOVL && point.isGrab <= 1;
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int *, char ***)
{
    FuzzSupport::silenceMessages();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), int(size));
    CPlaybackPointsXml::Document document;
    const PlaybackPoints points = readPoints(bytes, &document);
    if (document == CPlaybackPointsXml::Broken) {
        require(points.isEmpty(), "a broken document gives no points");
        return 0;
    }
    for (const PlaybackPoint &point : points)
        require(isSound(point), "every point read has a motion style, a flag and finite numbers");
    require(samePoints(points, domPoints(bytes)), "the points equal those of a DOM reading");

    // Six significant digits survive the trip through a float, so the second text is the first.
    const QByteArray text = writtenText(points);
    const PlaybackPoints readBack = readPoints(text, &document);
    require(document
            == (points.isEmpty() ? CPlaybackPointsXml::EmptyRoot
                                 : CPlaybackPointsXml::WithElements),
        "the written file reads back");
    require(readBack.size() == points.size(), "the written file holds every point");
    require(writtenText(readBack) == text, "writing what was read back gives the same text");
    return 0;
}
