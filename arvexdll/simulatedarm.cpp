// The simulated controller behind the library: jogging, the playback queue and the motion of
// the arm over simulated time.
#include "simulatedarm.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

namespace {
// Floor for velocities and accelerations that are zero, negative or not numbers: the arm then
// crawls instead of never finishing a move, which would stall the playback queue for good.
constexpr double MinimumRate = 1.0;
// Straight paths are checked for reachability at this spacing, in millimetres or degrees.
constexpr double PathCheckStep = 0.5;
constexpr std::size_t MaxSkippedPoints = 1000;

struct Rate
{
    double velocity;
    double acceleration;
};

double positive(float value)
{
    return std::isfinite(value) && value > 0 ? value : MinimumRate;
}

double ratio(float percent)
{
    return std::isfinite(percent) ? std::clamp(static_cast<double>(percent), 1.0, 100.0) / 100.0
                                  : 0.01;
}

// A playback velocity and acceleration scaled by the dynamic ratios.
Rate playbackRate(const PlaybackDynamicParams &dynamic, float velocity, float acceleration)
{
    return { positive(velocity) * ratio(dynamic.velocityRatio),
        positive(acceleration) * ratio(dynamic.accelerationRatio) };
}

double finiteOr(double value, double fallback)
{
    return std::isfinite(value) ? value : fallback;
}

double &cartesianAxis(CartesianPose &pose, int axis)
{
    return axis == 0 ? pose.x : axis == 1 ? pose.y : pose.z;
}

CartesianPose interpolate(const CartesianPose &from, const CartesianPose &to, double fraction)
{
    return { from.x + (to.x - from.x) * fraction, from.y + (to.y - from.y) * fraction,
        from.z + (to.z - from.z) * fraction, from.rHead + (to.rHead - from.rHead) * fraction };
}

double pathLength(const CartesianPose &from, const CartesianPose &to)
{
    return std::sqrt((to.x - from.x) * (to.x - from.x) + (to.y - from.y) * (to.y - from.y)
        + (to.z - from.z) * (to.z - from.z));
}

// How far the tool can go along the straight path from `from` to `to`, as a fraction of it;
// `reached` enters as the joint angles at `from` and leaves as those at the last reachable pose.
double reachableAlong(const CartesianPose &from, const CartesianPose &to, JointAngles &reached)
{
    const double span = std::max(pathLength(from, to), std::abs(to.rHead - from.rHead));
    const int steps = std::max(1, static_cast<int>(std::ceil(span / PathCheckStep)));
    double good = 0;
    for (int step = 1; step <= steps; ++step) {
        const double fraction = static_cast<double>(step) / steps;
        if (const auto joints = ArmKinematics::inverse(interpolate(from, to, fraction))) {
            reached = *joints;
            good = fraction;
            continue;
        }
        double bad = fraction;
        for (int halving = 0; halving < 40; ++halving) {
            const double middle = (good + bad) / 2;
            if (const auto joints = ArmKinematics::inverse(interpolate(from, to, middle))) {
                reached = *joints;
                good = middle;
            } else {
                bad = middle;
            }
        }
        return good;
    }
    return 1.0;
}

bool reachable(const CartesianPose &from, const CartesianPose &to, JointAngles joints)
{
    return reachableAlong(from, to, joints) >= 1.0;
}

// The profile of the channel that needs longest; the others follow it in proportion.
MotionProfile slowest(std::initializer_list<MotionProfile> profiles)
{
    return *std::max_element(profiles.begin(), profiles.end(),
        [](const MotionProfile &a, const MotionProfile &b) { return a.duration() < b.duration(); });
}

MotionProfile profileOf(double distance, Rate rate)
{
    return MotionProfile(std::abs(distance), rate.velocity, rate.acceleration);
}
} // namespace

SimulatedArm::SimulatedArm()
    : jointAngles(ArmKinematics::home())
    , jogStatic { 50, 50, 30, 10, 40, 40 }
    , jogDynamic { 50 }
    , playbackStatic { 200, 200, 200, 200, 800, 1000, 100, 20 }
    , playbackDynamic { 50, 50 }
{ }

void SimulatedArm::advance(double seconds)
{
    while (seconds > 0) {
        // A jog holds back the queue until it is released.
        if (jogState.channel != JogChannel::None) {
            stepJog(seconds);
            return;
        }
        if (!move) {
            if (queue.empty())
                return;
            move = planMove(queue.front());
            if (!move) {
                skipPoint(queue.front());
                queue.pop_front();
                continue;
            }
        }
        seconds = stepMove(seconds);
    }
}

Pose SimulatedArm::pose() const
{
    const CartesianPose cartesian = ArmKinematics::forward(jointAngles);
    Pose pose;
    pose.x = static_cast<float>(cartesian.x);
    pose.y = static_cast<float>(cartesian.y);
    pose.z = static_cast<float>(cartesian.z);
    pose.rHead = static_cast<float>(cartesian.rHead);
    pose.joint1Angle = static_cast<float>(jointAngles.joint1);
    pose.joint2Angle = static_cast<float>(jointAngles.joint2);
    pose.joint3Angle = static_cast<float>(jointAngles.joint3);
    pose.joint4Angle = static_cast<float>(jointAngles.joint4);
    pose.isGrab = pump ? 1.0f : 0.0f;
    pose.gripper = static_cast<float>(gripper);
    return pose;
}

SimulatedArm::Outcome SimulatedArm::jog(const JogInstantCmd &cmd)
{
    Jog started;
    switch (cmd.cmd) {
    case JogStop:
        // The arm stops as the button is let go.
        jogState = Jog {};
        return Outcome::Done;
    case JogPumpOn:
    case JogPumpOff:
        pump = cmd.cmd == JogPumpOn;
        return Outcome::Done;
    case JogLaserOff:
    case JogLaserOn:
        laser = cmd.cmd == JogLaserOn;
        return Outcome::Done;
    case JogGripperPlus:
    case JogGripperMinus:
        started.channel = JogChannel::Gripper;
        started.direction = cmd.cmd == JogGripperPlus ? 1.0 : -1.0;
        break;
    default:
        if (cmd.cmd < JogAxis1Plus || cmd.cmd > JogAxis4Minus)
            return Outcome::Rejected;
        started.axis = (cmd.cmd - JogAxis1Plus) / 2;
        started.direction = (cmd.cmd - JogAxis1Plus) % 2 == 0 ? 1.0 : -1.0;
        // The fourth axis turns the head in both modes: rHead is joint1 + joint4.
        if (started.axis == 3)
            started.channel = JogChannel::Head;
        else
            started.channel = cmd.isJoint ? JogChannel::Joint : JogChannel::Cartesian;
        break;
    }
    if (!queue.empty())
        return Outcome::Busy;
    jogState = started;
    return Outcome::Done;
}

SimulatedArm::Outcome SimulatedArm::setInitialPose(const InitialPose &initialPose)
{
    JointAngles corrected = jointAngles;
    corrected.joint2 = initialPose.longArmAngle;
    corrected.joint3 = initialPose.shortArmAngle;
    if (!ArmKinematics::withinLimits(corrected))
        return Outcome::Rejected;
    jointAngles = corrected;
    // A move under way was planned from the old angles; it starts again from the new ones.
    move.reset();
    return Outcome::Done;
}

SimulatedArm::Outcome SimulatedArm::queuePoint(const PlaybackPoint &point)
{
    if (queuedPoints() >= queueCapacity)
        return Outcome::Busy;
    queue.push_back(point);
    return Outcome::Done;
}

void SimulatedArm::setQueueCapacity(int capacity)
{
    queueCapacity = std::max(capacity, 0);
}

void SimulatedArm::stop()
{
    jogState = Jog {};
    queue.clear();
    move.reset();
}

void SimulatedArm::returnHome()
{
    stop();
    jointAngles = ArmKinematics::home();
    pump = false;
    laser = false;
    gripper = 0;
}

void SimulatedArm::stepJog(double seconds)
{
    if (jogState.atLimit)
        return;
    Rate rate;
    switch (jogState.channel) {
    case JogChannel::Joint:
        rate = { positive(jogStatic.jointVelocity), positive(jogStatic.jointAcceleration) };
        break;
    case JogChannel::Cartesian:
        rate = { positive(jogStatic.linearVelocity), positive(jogStatic.linearAcceleration) };
        break;
    default:
        rate = { positive(jogStatic.servoVelocity), positive(jogStatic.servoAcceleration) };
        break;
    }
    const double maxSpeed = rate.velocity * ratio(jogDynamic.velocityRatio);

    // Accelerate up to the jog speed, then hold it.
    double &speed = jogState.speed;
    speed = std::min(speed, maxSpeed);
    const double rampTime = std::min(seconds, (maxSpeed - speed) / rate.acceleration);
    double distance = speed * rampTime + 0.5 * rate.acceleration * rampTime * rampTime;
    speed += rate.acceleration * rampTime;
    distance += speed * (seconds - rampTime);
    if (!moveJogChannel(jogState.direction * distance)) {
        speed = 0;
        jogState.atLimit = true;
    }
}

bool SimulatedArm::moveJogChannel(double distance)
{
    const auto moveWithin = [distance](double &value, double min, double max) {
        const double wanted = value + distance;
        value = std::clamp(wanted, min, max);
        return value == wanted;
    };
    switch (jogState.channel) {
    case JogChannel::Joint: {
        const ArmKinematics::Range ranges[] = { ArmKinematics::Joint1Range,
            ArmKinematics::Joint2Range, ArmKinematics::Joint3Range };
        double *angles[] = { &jointAngles.joint1, &jointAngles.joint2, &jointAngles.joint3 };
        const ArmKinematics::Range range = ranges[jogState.axis];
        return moveWithin(*angles[jogState.axis], range.min, range.max);
    }
    case JogChannel::Head:
        return moveWithin(
            jointAngles.joint4, ArmKinematics::Joint4Range.min, ArmKinematics::Joint4Range.max);
    case JogChannel::Gripper:
        return moveWithin(gripper, -GripperLimit, GripperLimit);
    case JogChannel::Cartesian: {
        CartesianPose target = ArmKinematics::forward(jointAngles);
        cartesianAxis(target, jogState.axis) += distance;
        return moveStraightTo(target);
    }
    case JogChannel::None:
        break;
    }
    return true;
}

bool SimulatedArm::moveStraightTo(const CartesianPose &target)
{
    return reachableAlong(ArmKinematics::forward(jointAngles), target, jointAngles) >= 1.0;
}

double SimulatedArm::stepMove(double seconds)
{
    Move &current = *move;
    while (current.segment < current.segments.size()) {
        const Segment &segment = current.segments[current.segment];
        const double left = segment.profile.duration() - current.elapsed;
        if (seconds < left) {
            current.elapsed += seconds;
            applySegment(segment, current.elapsed);
            return 0;
        }
        seconds -= left;
        applySegment(segment, segment.profile.duration());
        ++current.segment;
        current.elapsed = 0;
    }
    if (!current.arrived) {
        pump = current.grab;
        gripper = current.gripper;
        current.arrived = true;
    }
    const double left = current.pause - current.elapsed;
    if (seconds < left) {
        current.elapsed += seconds;
        return 0;
    }
    move.reset();
    queue.pop_front();
    return seconds - left;
}

std::optional<SimulatedArm::Move> SimulatedArm::planMove(const PlaybackPoint &point) const
{
    const CartesianPose target { point.x, point.y, point.z, point.rHead };
    const std::optional<JointAngles> targetJoints = ArmKinematics::inverse(target);
    if (!targetJoints)
        return std::nullopt;
    const CartesianPose start = ArmKinematics::forward(jointAngles);

    Move planned;
    planned.pause = std::max(finiteOr(point.pauseTime, 0), 0.0);
    planned.grab = point.isGrab != 0;
    planned.gripper = std::clamp(finiteOr(point.gripper, gripper), -GripperLimit, GripperLimit);
    switch (point.motionStyle) {
    case 0: { // JUMP: up, across, down
        // Where the full lift is out of reach, each vertical leg stops at the highest pose it
        // can reach; the joint move between them stays within the joint limits.
        const double top
            = std::max(start.z, target.z) + std::max(finiteOr(playbackStatic.jumpHeight, 0), 0.0);
        JointAngles liftedJoints = jointAngles;
        const CartesianPose lifted = interpolate(start, { start.x, start.y, top, start.rHead },
            reachableAlong(start, { start.x, start.y, top, start.rHead }, liftedJoints));
        JointAngles aboveJoints = *targetJoints;
        const CartesianPose above = interpolate(target, { target.x, target.y, top, target.rHead },
            reachableAlong(target, { target.x, target.y, top, target.rHead }, aboveJoints));
        planned.segments = { straightSegment(start, lifted),
            jointSegment(liftedJoints, aboveJoints), straightSegment(above, target) };
        break;
    }
    case 1: // MOVJ
        planned.segments = { jointSegment(jointAngles, *targetJoints) };
        break;
    case 2: // MOVL
        if (!reachable(start, target, jointAngles))
            return std::nullopt;
        planned.segments = { straightSegment(start, target) };
        break;
    default:
        return std::nullopt;
    }
    return planned;
}

SimulatedArm::Segment SimulatedArm::straightSegment(
    const CartesianPose &from, const CartesianPose &to) const
{
    const Rate linear = playbackRate(
        playbackDynamic, playbackStatic.linearVelocity, playbackStatic.linearAcceleration);
    const Rate servo = playbackRate(
        playbackDynamic, playbackStatic.servoVelocity, playbackStatic.servoAcceleration);
    Segment segment;
    segment.straight = true;
    segment.fromPose = from;
    segment.toPose = to;
    segment.profile = slowest(
        { profileOf(pathLength(from, to), linear), profileOf(to.rHead - from.rHead, servo) });
    return segment;
}

SimulatedArm::Segment SimulatedArm::jointSegment(
    const JointAngles &from, const JointAngles &to) const
{
    const Rate joint = playbackRate(
        playbackDynamic, playbackStatic.jointVelocity, playbackStatic.jointAcceleration);
    const Rate servo = playbackRate(
        playbackDynamic, playbackStatic.servoVelocity, playbackStatic.servoAcceleration);
    Segment segment;
    segment.fromJoints = from;
    segment.toJoints = to;
    segment.profile = slowest(
        { profileOf(to.joint1 - from.joint1, joint), profileOf(to.joint2 - from.joint2, joint),
            profileOf(to.joint3 - from.joint3, joint), profileOf(to.joint4 - from.joint4, servo) });
    return segment;
}

void SimulatedArm::applySegment(const Segment &segment, double time)
{
    const double fraction = segment.profile.progressAt(time);
    if (segment.straight) {
        // The path was checked when the move was planned; should a rounding error still put a
        // pose out of reach, the arm waits at the last one.
        if (const auto joints
            = ArmKinematics::inverse(interpolate(segment.fromPose, segment.toPose, fraction)))
            jointAngles = *joints;
        return;
    }
    if (fraction >= 1.0) {
        jointAngles = segment.toJoints;
        return;
    }
    const JointAngles &from = segment.fromJoints;
    const JointAngles &to = segment.toJoints;
    jointAngles = { from.joint1 + (to.joint1 - from.joint1) * fraction,
        from.joint2 + (to.joint2 - from.joint2) * fraction,
        from.joint3 + (to.joint3 - from.joint3) * fraction,
        from.joint4 + (to.joint4 - from.joint4) * fraction };
}

void SimulatedArm::skipPoint(const PlaybackPoint &point)
{
    std::fprintf(stderr,
        "ArvexDll: playback point (%.1f, %.1f, %.1f, %.3f) with motion style %d is out "
        "of reach; skipped\n",
        point.x, point.y, point.z, point.rHead, point.motionStyle);
    skipped.push_back(point);
    if (skipped.size() > MaxSkippedPoints)
        skipped.pop_front();
}
