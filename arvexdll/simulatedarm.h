// The simulated controller behind the library: jogging, the playback queue and the motion of
// the arm over simulated time.
#pragma once

#include "ArvexDll.h"
#include "armkinematics.h"
#include "motionprofile.h"

#include <cstddef>
#include <deque>
#include <optional>
#include <vector>

class SimulatedArm
{
public:
    // A small controller buffers a couple of points; Stop then ends a run without the arm
    // carrying on through a long queue.
    static constexpr int DefaultQueueCapacity = 2;
    static constexpr double GripperLimit = 70.0;

    enum class Outcome { Done, Busy, Rejected };

    SimulatedArm();

    // Runs the arm forward by `seconds` of simulated time.
    void advance(double seconds);

    Pose pose() const;
    JointAngles joints() const { return jointAngles; }
    bool laserOn() const { return laser; }

    // Busy when a move is asked for while queued points are still being executed.
    Outcome jog(const JogInstantCmd &cmd);
    void setJogStaticParams(const JogStaticParams &params) { jogStatic = params; }
    void setJogDynamicParams(const JogDynamicParams &params) { jogDynamic = params; }
    void setPlaybackStaticParams(const PlaybackStaticParams &params) { playbackStatic = params; }
    void setPlaybackDynamicParams(const PlaybackDynamicParams &params) { playbackDynamic = params; }
    // Takes the rear and fore arm angles as they are, the way a user corrects them when a
    // sensor gives no reading; Rejected when they lie beyond the joint limits.
    Outcome setInitialPose(const InitialPose &initialPose);

    // Busy when the queue is full.
    Outcome queuePoint(const PlaybackPoint &point);
    int queuedPoints() const { return static_cast<int>(queue.size()); }
    void setQueueCapacity(int capacity);
    // Points dropped because the arm cannot reach them, oldest first.
    const std::deque<PlaybackPoint> &skippedPoints() const { return skipped; }

    // Halts at once: the jog ends and the queue is emptied; the arm stays where it is.
    void stop();
    // stop(), then the arm back at its home pose with pump, laser and gripper off.
    void returnHome();

private:
    enum class JogChannel { None, Joint, Cartesian, Head, Gripper };
    struct Jog
    {
        JogChannel channel = JogChannel::None;
        int axis = 0; // joint index 0 to 2, or Cartesian axis 0 to 2
        double direction = 0;
        double speed = 0;
        bool atLimit = false; // pressing on against a limit moves nothing
    };

    struct Segment
    {
        bool straight = false; // a straight line in Cartesian space, else joint interpolation
        JointAngles fromJoints;
        JointAngles toJoints;
        CartesianPose fromPose;
        CartesianPose toPose;
        MotionProfile profile;
    };
    struct Move
    {
        std::vector<Segment> segments;
        std::size_t segment = 0;
        double elapsed = 0; // in the current segment, then in the pause
        bool arrived = false;
        double pause = 0;
        bool grab = false;
        double gripper = 0;
    };

    void stepJog(double seconds);
    // Moves the jog's channel by `distance`; false when a limit stopped it short.
    bool moveJogChannel(double distance);
    bool moveStraightTo(const CartesianPose &target);
    // Returns the time left over once the move has finished.
    double stepMove(double seconds);
    std::optional<Move> planMove(const PlaybackPoint &point) const;
    Segment straightSegment(const CartesianPose &from, const CartesianPose &to) const;
    Segment jointSegment(const JointAngles &from, const JointAngles &to) const;
    void applySegment(const Segment &segment, double time);
    void skipPoint(const PlaybackPoint &point);

    JointAngles jointAngles;
    bool pump = false;
    bool laser = false;
    double gripper = 0;

    JogStaticParams jogStatic;
    JogDynamicParams jogDynamic;
    PlaybackStaticParams playbackStatic;
    PlaybackDynamicParams playbackDynamic;

    Jog jogState;
    std::deque<PlaybackPoint> queue;
    std::optional<Move> move; // of the queue's first point
    int queueCapacity = DefaultQueueCapacity;
    std::deque<PlaybackPoint> skipped;
};
