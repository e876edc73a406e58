// Fuzzes the parameter files as the first use reads them, and the start-up positions of the ratio
// sliders that come from them: every input is read as each of the four files.
#include "fuzzsupport.h"
#include "options/coptions.h"
#include "widgets/slidervalue.h"

#include <cmath>

namespace {

using FuzzSupport::require;

// The teach and playback panels' ratio sliders run from 1 to 100.
void checkSliderPosition(float storedRatio)
{
    const int position = clampedSliderValue(storedRatio, 1, 100);
    require(position >= 1 && position <= 100, "a slider position lies in the slider's range");
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int *, char ***)
{
    FuzzSupport::silenceMessages();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray text(reinterpret_cast<const char *>(data), int(size));
    COptions::upgradeFromText(text);
    COptions::languageFromText(text);
    const JogParams jog = COptions::jogParamsFromText(text);
    const PlaybackParams playback = COptions::playbackParamsFromText(text);
    require(
        !std::isnan(jog.velocityRatio) && !std::isnan(playback.velocityRatio), "JSON holds no NaN");
    checkSliderPosition(jog.velocityRatio);
    checkSliderPosition(playback.velocityRatio);
    checkSliderPosition(playback.accelerationRatio);
    return 0;
}
