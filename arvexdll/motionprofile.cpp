// Trapezoidal velocity profile of one move: accelerate, cruise, decelerate to a stop.
#include "motionprofile.h"

#include <algorithm>
#include <cmath>

MotionProfile::MotionProfile(double distance, double maxVelocity, double acceleration)
    : length(std::max(distance, 0.0))
    , velocity(maxVelocity)
    , acceleration(acceleration)
{
    if (length * acceleration < maxVelocity * maxVelocity) {
        // Too short to reach the maximum velocity: a triangle.
        rampTime = std::sqrt(length / acceleration);
        velocity = acceleration * rampTime;
    } else {
        rampTime = maxVelocity / acceleration;
        cruiseTime = (length - maxVelocity * rampTime) / maxVelocity;
    }
    totalTime = 2.0 * rampTime + cruiseTime;
}

double MotionProfile::distanceAt(double time) const
{
    if (time <= 0)
        return 0;
    if (time >= totalTime)
        return length;
    if (time < rampTime)
        return 0.5 * acceleration * time * time;
    const double rampDistance = 0.5 * velocity * rampTime;
    if (time < rampTime + cruiseTime)
        return rampDistance + velocity * (time - rampTime);
    const double left = totalTime - time;
    return length - 0.5 * acceleration * left * left;
}

double MotionProfile::progressAt(double time) const
{
    return length > 0 ? distanceAt(time) / length : 1.0;
}
