// Forward and inverse kinematics of the four-axis arm, with its joint limits.
#include "armkinematics.h"

#include <algorithm>
#include <cmath>

namespace {
constexpr double Pi = 3.14159265358979323846;
// Angles computed near a limit may land a rounding error beyond it.
constexpr double LimitTolerance = 1e-7;

double radians(double degrees)
{
    return degrees * Pi / 180.0;
}
double degrees(double radians)
{
    return radians * 180.0 / Pi;
}

bool within(double value, ArmKinematics::Range range)
{
    return value >= range.min - LimitTolerance && value <= range.max + LimitTolerance;
}

double clampTo(double value, ArmKinematics::Range range)
{
    return std::clamp(value, range.min, range.max);
}
} // namespace

JointAngles ArmKinematics::home()
{
    return { 0.0, 30.0, 45.0, 0.0 };
}

bool ArmKinematics::withinLimits(const JointAngles &joints)
{
    return within(joints.joint1, Joint1Range) && within(joints.joint2, Joint2Range)
        && within(joints.joint3, Joint3Range) && within(joints.joint4, Joint4Range);
}

CartesianPose ArmKinematics::forward(const JointAngles &joints)
{
    const double radial = RearArmLength * std::sin(radians(joints.joint2))
        + ForeArmLength * std::cos(radians(joints.joint3)) + ToolReach;
    const double base = radians(joints.joint1);
    return { radial * std::cos(base), radial * std::sin(base),
        RearArmLength * std::cos(radians(joints.joint2))
            - ForeArmLength * std::sin(radians(joints.joint3)),
        joints.joint1 + joints.joint4 };
}

std::optional<JointAngles> ArmKinematics::inverse(const CartesianPose &pose)
{
    if (!std::isfinite(pose.x) || !std::isfinite(pose.y) || !std::isfinite(pose.z)
        || !std::isfinite(pose.rHead))
        return std::nullopt;

    // The rear and fore arm form a triangle in the vertical plane through the base axis; with
    // these limits only the elbow-up solution exists.
    const double radial = std::hypot(pose.x, pose.y) - ToolReach;
    const double distance = std::hypot(radial, pose.z);
    if (distance < 1e-9)
        return std::nullopt;
    const double cosElbowOffset
        = (RearArmLength * RearArmLength + distance * distance - ForeArmLength * ForeArmLength)
        / (2.0 * RearArmLength * distance);
    if (std::abs(cosElbowOffset) > 1.0 + 1e-12)
        return std::nullopt;
    const double rearElevation
        = std::atan2(pose.z, radial) + std::acos(std::clamp(cosElbowOffset, -1.0, 1.0));
    const double elbowRadial = RearArmLength * std::cos(rearElevation);
    const double elbowHeight = RearArmLength * std::sin(rearElevation);
    const double foreElevation = std::atan2(pose.z - elbowHeight, radial - elbowRadial);

    JointAngles joints;
    joints.joint1 = degrees(std::atan2(pose.y, pose.x));
    joints.joint2 = 90.0 - degrees(rearElevation);
    joints.joint3 = -degrees(foreElevation);
    joints.joint4 = pose.rHead - joints.joint1;
    if (!withinLimits(joints))
        return std::nullopt;
    return JointAngles { clampTo(joints.joint1, Joint1Range), clampTo(joints.joint2, Joint2Range),
        clampTo(joints.joint3, Joint3Range), clampTo(joints.joint4, Joint4Range) };
}

std::vector<PlanarPoint> ArmKinematics::reachableOutline(int samplesPerLimit)
{
    // The tool's plane position depends on joint2 and joint3 only and is one-to-one on their
    // limit rectangle, so the rectangle's border maps onto the border of the reach.
    const int samples = std::max(samplesPerLimit, 2);
    const auto planar = [](double joint2, double joint3) {
        const CartesianPose pose = forward({ 0.0, joint2, joint3, 0.0 });
        return PlanarPoint { pose.x, pose.z };
    };
    const auto along = [samples](Range range, int i, bool upward) {
        const double fraction = double(i) / (samples - 1);
        return upward ? range.min + (range.max - range.min) * fraction
                      : range.max - (range.max - range.min) * fraction;
    };
    std::vector<PlanarPoint> outline;
    outline.reserve(std::size_t(samples) * 4);
    for (int i = 0; i < samples; ++i)
        outline.push_back(planar(along(Joint2Range, i, true), Joint3Range.min));
    for (int i = 0; i < samples; ++i)
        outline.push_back(planar(Joint2Range.max, along(Joint3Range, i, true)));
    for (int i = 0; i < samples; ++i)
        outline.push_back(planar(along(Joint2Range, i, false), Joint3Range.max));
    for (int i = 0; i < samples; ++i)
        outline.push_back(planar(Joint2Range.min, along(Joint3Range, i, false)));
    return outline;
}
