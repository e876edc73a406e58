// Cost of the simulated controller's calls that the client makes on every event-loop pass.
#include "ArvexDll.h"
#include "arvexsimtesting.h"

#include <benchmark/benchmark.h>

namespace {
// Slow enough that no jog or move reaches its end while a benchmark runs.
void connectSlowArm()
{
    arvexsim::reset();
    ConnectArvex();
    JogStaticParams jog { 1, 1, 1, 1, 1, 1 };
    SetJogStaticParams(&jog);
    JogDynamicParams jogRatio { 1 };
    SetJogDynamicParams(&jogRatio);
    PlaybackStaticParams playback { 1, 1, 1, 1, 1, 1, 0, 20 };
    SetPlaybackStaticParams(&playback);
    PlaybackDynamicParams playbackRatios { 1, 1 };
    SetPlaybackDynamicParams(&playbackRatios);
}

void runPeriodicTask(benchmark::State &state)
{
    for (auto _ : state)
        benchmark::DoNotOptimize(PeriodicTask());
}

void PeriodicTaskIdle(benchmark::State &state)
{
    connectSlowArm();
    runPeriodicTask(state);
}

void PeriodicTaskJogging(benchmark::State &state)
{
    connectSlowArm();
    JogInstantCmd cmd { static_cast<uint8_t>(state.range(0)), JogAxis1Plus };
    SetJogInstantCmd(&cmd);
    runPeriodicTask(state);
}

void PeriodicTaskExecutingMovl(benchmark::State &state)
{
    connectSlowArm();
    PlaybackPoint point { 2, 0, 220, -150, -60, 45, 0, 0 };
    SetPlaybackBufferCmd(&point);
    runPeriodicTask(state);
    if (arvexsim::queuedPoints() != 1)
        state.SkipWithError("the move ended during the benchmark");
}

void GetPoseCall(benchmark::State &state)
{
    connectSlowArm();
    struct
    {
        Pose pose;
        float spare;
    } buffer {};
    for (auto _ : state) {
        GetPose(&buffer.pose);
        benchmark::DoNotOptimize(buffer);
    }
}
} // namespace

BENCHMARK(PeriodicTaskIdle);
BENCHMARK(PeriodicTaskJogging)->ArgName("isJoint")->Arg(1)->Arg(0);
BENCHMARK(PeriodicTaskExecutingMovl);
BENCHMARK(GetPoseCall);

BENCHMARK_MAIN();
