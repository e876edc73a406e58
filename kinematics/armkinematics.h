// Forward and inverse kinematics of the four-axis arm, with its joint limits.
#pragma once

#include <optional>
#include <vector>

// Angles in degrees: joint1 turns the base, joint2 tilts the rear arm forward from vertical,
// joint3 lowers the fore arm from horizontal, joint4 turns the head relative to the base.
struct JointAngles
{
    double joint1 = 0;
    double joint2 = 0;
    double joint3 = 0;
    double joint4 = 0;
};

// Tool position in millimetres from the base axis at shoulder height, and the head's rotation
// in degrees in the base frame (joint1 + joint4).
struct CartesianPose
{
    double x = 0;
    double y = 0;
    double z = 0;
    double rHead = 0;
};

// A point in the vertical plane through the base axis: distance from the axis and height, mm.
struct PlanarPoint
{
    double radial = 0;
    double z = 0;
};

class ArmKinematics
{
public:
    static constexpr double RearArmLength = 135.0;
    static constexpr double ForeArmLength = 147.0;
    // Horizontal distance from the fore arm's end to the tool.
    static constexpr double ToolReach = 38.0;

    struct Range
    {
        double min;
        double max;
    };
    static constexpr Range Joint1Range { -135.0, 135.0 };
    static constexpr Range Joint2Range { 0.0, 85.0 };
    static constexpr Range Joint3Range { 0.0, 90.0 };
    static constexpr Range Joint4Range { -150.0, 150.0 };

    static JointAngles home();
    static bool withinLimits(const JointAngles &joints);
    static CartesianPose forward(const JointAngles &joints);
    // Empty when no joint angles within the limits put the tool there.
    static std::optional<JointAngles> inverse(const CartesianPose &pose);
    // The border of the tool's reach in the arm's vertical plane, traced along the rear and fore
    // arm limits with samplesPerLimit points on each of the four limits, as a closed polygon.
    static std::vector<PlanarPoint> reachableOutline(int samplesPerLimit);
};
