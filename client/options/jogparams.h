// JogParams: the stored teach (jog) motion parameters.
#pragma once

// The first six fields are the controller's JogStaticParams record, in its order; velocityRatio
// is what SetJogDynamicParams takes.
struct JogParams
{
    float jointVelocity = 50; // °/s
    float jointAcceleration = 50; // °/(s·s)
    float servoVelocity = 30; // °/s
    float servoAcceleration = 10; // °/(s·s)
    float linearVelocity = 40; // mm/s
    float linearAcceleration = 40; // mm/(s·s)
    float velocityRatio = 50; // %
};
