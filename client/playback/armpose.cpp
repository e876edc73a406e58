// Reading the arm's pose from the controller library.
#include "playback/armpose.h"

Pose readArmPose()
{
    // The library may write one float past the record.
    struct
    {
        Pose pose;
        float spare;
    } buffer {};
    GetPose(&buffer.pose);
    return buffer.pose;
}
