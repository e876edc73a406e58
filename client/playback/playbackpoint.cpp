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

float roundedAsShown(float value, int decimals)
{
    static const double scales[] = { 1, 10, 100, 1000 };
    // The text of zero has no sign, so it reads back as +0 whatever the sign of the float.
    if (value == 0)
        return 0.0f;
    // A float times a power of ten up to 1000 needs at most 24 + 7 bits, so the product is exact
    // in a double and std::round gives the digits of the text exactly, halves away from zero as
    // the text rounds them. The division is then correctly rounded to the double nearest those
    // digits, which is what parsing the text gives, and narrowing follows the text's reading.
    const double scale = scales[decimals];
    return float(std::round(double(value) * scale) / scale);
}
