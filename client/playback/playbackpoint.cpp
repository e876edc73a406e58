// Texts of the playback point's motion style.
#include "playback/playbackpoint.h"

#include <QStringList>

#include <cmath>

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

float pointNumber(const QVariant &value)
{
    const float number = value.toFloat();
    return std::isfinite(number) ? number : 0.0f;
}
