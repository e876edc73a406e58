// Writing and reading the playback points file at 1,000 and 100,000 points.
#include "playback/cplaybackmanager.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

namespace {

PlaybackPoints points(int count)
{
    PlaybackPoints result;
    for (int i = 0; i < count; ++i)
        result.append(PlaybackPoint {
            uint8_t(i % 3), uint8_t(i % 2), 0.1f * i, -20.5f, 50.25f, 45.125f, 10.f, 0.5f });
    return result;
}

void pointsArgs(benchmark::internal::Benchmark *benchmark)
{
    benchmark->Arg(1000)->Arg(100000)->Unit(benchmark::kMillisecond);
}

// File size and points per second, for comparing the two directions.
void setCounters(benchmark::State &state, const QString &path)
{
    state.counters["fileMB"] = double(QFileInfo(path).size()) / (1 << 20);
    state.counters["points/s"] = benchmark::Counter(
        double(state.iterations() * state.range(0)), benchmark::Counter::kIsRate);
}

void BM_WritePoints(benchmark::State &state)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("points.xml"));
    const PlaybackPoints list = points(int(state.range(0)));
    for (auto _ : state)
        CPlaybackManager::instance()->writePoints(path, list);
    setCounters(state, path);
}
BENCHMARK(BM_WritePoints)->Apply(pointsArgs);

void BM_ReadPoints(benchmark::State &state)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("points.xml"));
    CPlaybackManager::instance()->writePoints(path, points(int(state.range(0))));
    PlaybackPoints list;
    for (auto _ : state) {
        CPlaybackManager::instance()->readPoints(path, list);
        benchmark::DoNotOptimize(list.data());
    }
    if (list.size() != state.range(0))
        state.SkipWithError("the file did not read back whole");
    setCounters(state, path);
}
BENCHMARK(BM_ReadPoints)->Apply(pointsArgs);

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
