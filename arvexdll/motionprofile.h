// Trapezoidal velocity profile of one move: accelerate, cruise, decelerate to a stop.
#pragma once

class MotionProfile
{
public:
    MotionProfile() = default;
    // maxVelocity and acceleration must be positive; distance is made non-negative.
    MotionProfile(double distance, double maxVelocity, double acceleration);

    double distance() const { return length; }
    double duration() const { return totalTime; }
    // Distance covered after `time` seconds, from 0 to distance().
    double distanceAt(double time) const;
    // The same as a fraction of the move, from 0 to 1 (1 for a move of no length).
    double progressAt(double time) const;

private:
    double length = 0;
    double velocity = 1;
    double acceleration = 1;
    double rampTime = 0; // time to reach the peak velocity
    double cruiseTime = 0; // time spent at the peak velocity
    double totalTime = 0;
};
