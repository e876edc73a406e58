// PlaybackParams: the stored playback motion parameters.
#pragma once

// The first eight fields are the controller's PlaybackStaticParams record, in its order; the two
// ratios are what SetPlaybackDynamicParams takes.
struct PlaybackParams
{
    float jointVelocity = 200; // °/s
    float jointAcceleration = 200; // °/(s·s)
    float servoVelocity = 200; // °/s
    float servoAcceleration = 200; // °/(s·s)
    float linearVelocity = 800; // mm/s
    float linearAcceleration = 1000; // mm/(s·s)
    float pauseTime = 100; // s
    float jumpHeight = 20; // mm
    float velocityRatio = 50; // %
    float accelerationRatio = 50; // %
};
