// Texts of the playback point's motion style.
#include "playback/playbackpoint.h"

#include <QStringList>

namespace {
const QStringList &motionStyleTexts()
{
    static const QStringList texts { QStringLiteral("JUMP"), QStringLiteral("MOVJ"),
        QStringLiteral("MOVL") };
    return texts;
}
} // namespace

QString motionStyleText(int motionStyle)
{
    return motionStyleTexts().value(motionStyle);
}

int motionStyleFromText(const QString &text)
{
    return motionStyleTexts().indexOf(text);
}
