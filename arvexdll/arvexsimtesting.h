// Test hooks of the simulated controller: the log of calls the client made and control of the arm.
// Only tests and benchmarks include this; the arm maker's library has none of it.
#pragma once

#include "ArvexDll.h"

#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

namespace arvexsim {

// One call into the library as the client made it.
struct Call
{
    std::string function;
    // Bytes of the record passed (for GetPose, the pose written); empty when there is none.
    std::vector<unsigned char> record;
    int32_t intArg = 0; // the time-out of SetCmdTimeout, else 0
    int result = 0;

    // The record passed, copied into a T; missing bytes read as zero.
    template <class T>
    T as() const
    {
        T value {};
        if (!record.empty())
            std::memcpy(
                &value, record.data(), record.size() < sizeof(T) ? record.size() : sizeof(T));
        return value;
    }
};

// Every call received since the last reset() or clearCalls(), in order.
ARVEXDLL_API std::vector<Call> calls();
ARVEXDLL_API std::vector<Call> callsOf(const std::string &function);
ARVEXDLL_API void clearCalls();

// A fresh simulation: arm at the home pose, empty queue, default options, no connection delay,
// empty log.
ARVEXDLL_API void reset();

// What ConnectArvex returns (default 0).
ARVEXDLL_API void setConnectResult(int result);
// How long ConnectArvex blocks, in milliseconds (0 after reset()).
ARVEXDLL_API void setConnectDelay(int milliseconds);
// Size of the playback queue.
ARVEXDLL_API void setQueueCapacity(int capacity);
// The next `count` SetPlaybackBufferCmd calls return non-zero; -1 refuses all until reset().
ARVEXDLL_API void setRefuseOffers(int count);
// Simulated time runs `factor` times faster than the monotonic clock.
ARVEXDLL_API void setTimeScale(double factor);
// Lets `seconds` of simulated time pass at once, as PeriodicTask would, whatever the clock says.
ARVEXDLL_API void advance(double seconds);
// GetPose reports exactly this record, whatever the arm does, until clearPoseOverride() or reset().
ARVEXDLL_API void setPoseOverride(const Pose &pose);
ARVEXDLL_API void clearPoseOverride();

// The pose GetPose would return now.
ARVEXDLL_API Pose currentPose();
// Points waiting in the playback queue, the one being executed included.
ARVEXDLL_API int queuedPoints();
// Queued points that were dropped because the arm cannot reach them, in order.
ARVEXDLL_API std::vector<PlaybackPoint> skippedPoints();
// Whether the laser is on.
ARVEXDLL_API bool laserOn();

} // namespace arvexsim
