// Reading the arm's pose from the controller library.
#pragma once

#include "ArvexDll.h"

// The arm's pose as GetPose reports it.
Pose readArmPose();
