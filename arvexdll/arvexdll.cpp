// The library's exported functions and test hooks, over one simulated controller.
#include "ArvexDll.h"
#include "arvexsimtesting.h"
#include "calllog.h"
#include "simulatedarm.h"

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdlib>
#include <mutex>
#include <optional>
#include <thread>

namespace {
using Clock = std::chrono::steady_clock;

// Results other than the documented ones are this library's own.
enum Result { ResultOk = 0, ResultBusy = 1, ResultNotConnected = 2, ResultInvalid = 3 };

constexpr int DefaultConnectDelayMs = 500;
// A client that stops calling PeriodicTask stops the arm: a longer gap counts as this much.
constexpr std::chrono::milliseconds LongestStep { 100 };

std::optional<int> environmentInteger(const char *name)
{
    const char *text = std::getenv(name);
    if (!text || !*text)
        return std::nullopt;
    char *end = nullptr;
    const long value = std::strtol(text, &end, 10);
    if (*end != '\0' || value < -1000000 || value > 1000000)
        return std::nullopt;
    return static_cast<int>(value);
}

int defaultQueueCapacity()
{
    const std::optional<int> capacity = environmentInteger("ARVEX_SIM_QUEUE_CAPACITY");
    return capacity && *capacity > 0 ? *capacity : SimulatedArm::DefaultQueueCapacity;
}

struct Controller
{
    Controller() { arm.setQueueCapacity(defaultQueueCapacity()); }

    // Read at every connection so that a tester can change them between runs of the program.
    int connectResult() const
    {
        return connectResultOverride ? *connectResultOverride
                                     : environmentInteger("ARVEX_SIM_CONNECT_RESULT").value_or(0);
    }
    int connectDelay() const
    {
        const int delay = connectDelayOverride
            ? *connectDelayOverride
            : environmentInteger("ARVEX_SIM_CONNECT_DELAY_MS").value_or(DefaultConnectDelayMs);
        return std::max(delay, 0);
    }

    int log(const char *function, int result, const void *record = nullptr, std::size_t size = 0,
        int32_t intArg = 0)
    {
        arvexsim::Call call;
        call.function = function;
        if (record) {
            const auto *bytes = static_cast<const unsigned char *>(record);
            call.record.assign(bytes, bytes + size);
        }
        call.intArg = intArg;
        call.result = result;
        calls.record(std::move(call));
        return result;
    }

    SimulatedArm arm;
    CallLog calls;
    bool connected = false;
    std::optional<int> connectResultOverride;
    std::optional<int> connectDelayOverride;
    int refuseOffers = 0;
    double timeScale = 1.0;
    Clock::time_point lastStep = Clock::now();
    std::optional<Pose> poseOverride;
};

std::mutex controllerMutex;

Controller &controller()
{
    static Controller instance;
    return instance;
}

int resultOf(SimulatedArm::Outcome outcome)
{
    switch (outcome) {
    case SimulatedArm::Outcome::Done:
        return ResultOk;
    case SimulatedArm::Outcome::Busy:
        return ResultBusy;
    case SimulatedArm::Outcome::Rejected:
        break;
    }
    return ResultInvalid;
}

// The common path of the calls that hand a record to a connected controller.
template <class Record, class Apply>
int sendRecord(const char *function, Record *record, Apply apply)
{
    std::lock_guard<std::mutex> lock(controllerMutex);
    Controller &state = controller();
    int result = ResultOk;
    if (!record)
        result = ResultInvalid;
    else if (!state.connected)
        result = ResultNotConnected;
    else
        result = apply(state, *record);
    return state.log(function, result, record, record ? sizeof(Record) : 0);
}
} // namespace

int ConnectArvex(void)
{
    int delay;
    {
        std::lock_guard<std::mutex> lock(controllerMutex);
        delay = controller().connectDelay();
    }
    // The real library blocks while it looks for the controller's port.
    std::this_thread::sleep_for(std::chrono::milliseconds(delay));

    std::lock_guard<std::mutex> lock(controllerMutex);
    Controller &state = controller();
    const int result = state.connectResult();
    // 1 to 3 only lack a sensor reading; 4 and above find no working controller.
    state.connected = result >= 0 && result <= 3;
    state.arm.stop();
    state.lastStep = Clock::now();
    return state.log("ConnectArvex", result);
}

int DisconnectArvex(void)
{
    std::lock_guard<std::mutex> lock(controllerMutex);
    Controller &state = controller();
    const int result = state.connected ? ResultOk : ResultNotConnected;
    state.connected = false;
    state.arm.stop();
    return state.log("DisconnectArvex", result);
}

int ResetArvex(void)
{
    std::lock_guard<std::mutex> lock(controllerMutex);
    Controller &state = controller();
    if (!state.connected)
        return state.log("ResetArvex", ResultNotConnected);
    state.arm.returnHome();
    return state.log("ResetArvex", ResultOk);
}

int PeriodicTask(void)
{
    std::lock_guard<std::mutex> lock(controllerMutex);
    Controller &state = controller();
    const Clock::time_point now = Clock::now();
    const Clock::duration step = std::min<Clock::duration>(now - state.lastStep, LongestStep);
    state.lastStep = now;
    if (!state.connected)
        return state.log("PeriodicTask", ResultNotConnected);
    state.arm.advance(std::chrono::duration<double>(step).count() * state.timeScale);
    return state.log("PeriodicTask", ResultOk);
}

int SetCmdTimeout(int32_t timeoutMs)
{
    std::lock_guard<std::mutex> lock(controllerMutex);
    // Simulated commands never time out; the value only goes into the log.
    Controller &state = controller();
    return state.log(
        "SetCmdTimeout", state.connected ? ResultOk : ResultNotConnected, nullptr, 0, timeoutMs);
}

int GetPose(Pose *pose)
{
    std::lock_guard<std::mutex> lock(controllerMutex);
    Controller &state = controller();
    if (!pose)
        return state.log("GetPose", ResultInvalid);
    if (!state.connected)
        return state.log("GetPose", ResultNotConnected);
    *pose = state.poseOverride ? *state.poseOverride : state.arm.pose();
    return state.log("GetPose", ResultOk, pose, sizeof(Pose));
}

int SetJogInstantCmd(JogInstantCmd *cmd)
{
    return sendRecord("SetJogInstantCmd", cmd, [](Controller &state, const JogInstantCmd &record) {
        return resultOf(state.arm.jog(record));
    });
}

int SetJogDynamicParams(JogDynamicParams *params)
{
    return sendRecord(
        "SetJogDynamicParams", params, [](Controller &state, const JogDynamicParams &record) {
            state.arm.setJogDynamicParams(record);
            return ResultOk;
        });
}

int SetJogStaticParams(JogStaticParams *params)
{
    return sendRecord(
        "SetJogStaticParams", params, [](Controller &state, const JogStaticParams &record) {
            state.arm.setJogStaticParams(record);
            return ResultOk;
        });
}

int SetPlaybackStaticParams(PlaybackStaticParams *params)
{
    return sendRecord("SetPlaybackStaticParams", params,
        [](Controller &state, const PlaybackStaticParams &record) {
            state.arm.setPlaybackStaticParams(record);
            return ResultOk;
        });
}

int SetPlaybackDynamicParams(PlaybackDynamicParams *params)
{
    return sendRecord("SetPlaybackDynamicParams", params,
        [](Controller &state, const PlaybackDynamicParams &record) {
            state.arm.setPlaybackDynamicParams(record);
            return ResultOk;
        });
}

int SetInitialPose(InitialPose *pose)
{
    return sendRecord("SetInitialPose", pose, [](Controller &state, const InitialPose &record) {
        return resultOf(state.arm.setInitialPose(record));
    });
}

int SetPlaybackBufferCmd(PlaybackPoint *point)
{
    // A point the arm cannot reach is still taken and later skipped: refusing it would have the
    // client offer it again for ever.
    return sendRecord(
        "SetPlaybackBufferCmd", point, [](Controller &state, const PlaybackPoint &record) {
            if (state.refuseOffers != 0) {
                if (state.refuseOffers > 0)
                    --state.refuseOffers;
                return static_cast<int>(ResultBusy);
            }
            return resultOf(state.arm.queuePoint(record));
        });
}

namespace arvexsim {

std::vector<Call> calls()
{
    std::lock_guard<std::mutex> lock(controllerMutex);
    return controller().calls.calls();
}

std::vector<Call> callsOf(const std::string &function)
{
    std::lock_guard<std::mutex> lock(controllerMutex);
    return function.empty() ? std::vector<Call> {} : controller().calls.callsOf(function);
}

void clearCalls()
{
    std::lock_guard<std::mutex> lock(controllerMutex);
    controller().calls.clear();
}

void reset()
{
    std::lock_guard<std::mutex> lock(controllerMutex);
    Controller &state = controller();
    state = Controller {};
    state.connectDelayOverride = 0;
}

void setConnectResult(int result)
{
    std::lock_guard<std::mutex> lock(controllerMutex);
    controller().connectResultOverride = result;
}

void setConnectDelay(int milliseconds)
{
    std::lock_guard<std::mutex> lock(controllerMutex);
    controller().connectDelayOverride = milliseconds;
}

void setQueueCapacity(int capacity)
{
    std::lock_guard<std::mutex> lock(controllerMutex);
    controller().arm.setQueueCapacity(capacity);
}

void setRefuseOffers(int count)
{
    std::lock_guard<std::mutex> lock(controllerMutex);
    controller().refuseOffers = std::max(count, -1);
}

void setTimeScale(double factor)
{
    std::lock_guard<std::mutex> lock(controllerMutex);
    if (std::isfinite(factor) && factor > 0)
        controller().timeScale = factor;
}

void advance(double seconds)
{
    std::lock_guard<std::mutex> lock(controllerMutex);
    controller().arm.advance(seconds);
}

void setPoseOverride(const Pose &pose)
{
    std::lock_guard<std::mutex> lock(controllerMutex);
    controller().poseOverride = pose;
}

void clearPoseOverride()
{
    std::lock_guard<std::mutex> lock(controllerMutex);
    controller().poseOverride.reset();
}

Pose currentPose()
{
    std::lock_guard<std::mutex> lock(controllerMutex);
    const Controller &state = controller();
    return state.poseOverride ? *state.poseOverride : state.arm.pose();
}

int queuedPoints()
{
    std::lock_guard<std::mutex> lock(controllerMutex);
    return controller().arm.queuedPoints();
}

std::vector<PlaybackPoint> skippedPoints()
{
    std::lock_guard<std::mutex> lock(controllerMutex);
    const auto &skipped = controller().arm.skippedPoints();
    return { skipped.begin(), skipped.end() };
}

bool laserOn()
{
    std::lock_guard<std::mutex> lock(controllerMutex);
    return controller().arm.laserOn();
}

} // namespace arvexsim
