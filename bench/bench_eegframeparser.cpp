// The headset frame parser's rate on good frames, pure junk and bad checksums, beside the bare
// copy of the same bytes. Equal MB/s across sizes means linear time.
#include "eeg/ceegframeparser.h"

#include <QCoreApplication>
#include <QLoggingCategory>
#include <QRandomGenerator>

#include <benchmark/benchmark.h>

#include <cstring>
#include <vector>

namespace {

const int portChunk = 4096;

QByteArray goodFrame(int i)
{
    QByteArray bytes(36, '\0');
    bytes[0] = char(0xAA);
    bytes[1] = char(0xAA);
    bytes[2] = 0x20;
    for (int k = 3; k < 35; ++k)
        bytes[k] = char((i * 7 + k * 13) & 0x7f);
    quint8 sum = 0;
    for (int k = 3; k < 35; ++k)
        sum = quint8(sum + quint8(bytes.at(k)));
    bytes[35] = char(~sum);
    return bytes;
}

enum Stream { GoodFrames, Junk, BadChecksums };

QByteArray stream(Stream kind, int size)
{
    QByteArray bytes;
    bytes.reserve(size + 36);
    if (kind == Junk) {
        QRandomGenerator random(1);
        bytes.resize(size);
        for (char &byte : bytes)
            byte = char(random.bounded(256));
        return bytes;
    }
    for (int i = 0; bytes.size() + 36 <= size; ++i) {
        QByteArray frame = goodFrame(i);
        if (kind == BadChecksums)
            frame[35] = char(frame.at(35) ^ 0x01);
        bytes += frame;
    }
    return bytes;
}

int expectedFrames(Stream kind, int size)
{
    return kind == GoodFrames ? size / 36 : 0;
}

// Feeds the stream as a port delivers it, in chunks, taking the frames after each.
int parse(const QByteArray &bytes)
{
    CEEGFrameParser parser;
    CEEGManager::EEGData frame;
    int frames = 0;
    for (int at = 0; at < bytes.size(); at += portChunk) {
        parser.feed(bytes.constData() + at, qMin(portChunk, bytes.size() - at));
        while (parser.takeFrame(&frame))
            ++frames;
    }
    return frames;
}

void BM_Parse(benchmark::State &state, Stream kind)
{
    const int size = int(state.range(0));
    const QByteArray bytes = stream(kind, size);
    for (auto _ : state) {
        const int frames = parse(bytes);
        if (frames != expectedFrames(kind, bytes.size())) {
            state.SkipWithError("wrong number of frames");
            break;
        }
    }
    state.SetBytesProcessed(int64_t(state.iterations()) * bytes.size());
}

void discardMessage(QtMsgType, const QMessageLogContext &, const QString &) { }

// As the client runs it: every candidate frame written to the debug log as a hex line, here to a
// handler that drops it.
void BM_ParseLogged(benchmark::State &state, Stream kind)
{
    QLoggingCategory::setFilterRules(QStringLiteral("arvex.eeg.debug=true"));
    const QtMessageHandler previous = qInstallMessageHandler(discardMessage);
    BM_Parse(state, kind);
    qInstallMessageHandler(previous);
    QLoggingCategory::setFilterRules(QStringLiteral("arvex.eeg.debug=false"));
}

// The raw baseline: copying the same bytes chunk by chunk into a buffer.
void BM_CopyBaseline(benchmark::State &state)
{
    const QByteArray bytes = stream(GoodFrames, int(state.range(0)));
    std::vector<char> buffer(size_t(bytes.size()));
    for (auto _ : state) {
        for (int at = 0; at < bytes.size(); at += portChunk)
            std::memcpy(buffer.data() + at, bytes.constData() + at,
                size_t(qMin(portChunk, bytes.size() - at)));
        benchmark::DoNotOptimize(buffer.data());
        if (std::memcmp(buffer.data(), bytes.constData(), size_t(bytes.size())) != 0)
            state.SkipWithError("copy differs");
    }
    state.SetBytesProcessed(int64_t(state.iterations()) * bytes.size());
}

void sizes(benchmark::internal::Benchmark *benchmark)
{
    benchmark->Arg(64 << 10)->Arg(1 << 20)->Arg(8 << 20)->Unit(benchmark::kMillisecond);
    benchmark->Repetitions(5)->ComputeStatistics("min", [](const std::vector<double> &values) {
        return *std::min_element(values.begin(), values.end());
    });
    benchmark->ReportAggregatesOnly(true);
}

BENCHMARK_CAPTURE(BM_Parse, goodFrames, GoodFrames)->Apply(sizes);
BENCHMARK_CAPTURE(BM_Parse, junk, Junk)->Apply(sizes);
BENCHMARK_CAPTURE(BM_Parse, badChecksums, BadChecksums)->Apply(sizes);
BENCHMARK_CAPTURE(BM_ParseLogged, goodFrames, GoodFrames)->Apply(sizes);
BENCHMARK_CAPTURE(BM_ParseLogged, junk, Junk)->Apply(sizes);
BENCHMARK_CAPTURE(BM_ParseLogged, badChecksums, BadChecksums)->Apply(sizes);
BENCHMARK(BM_CopyBaseline)->Apply(sizes);

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    // The parser's own cost; the per-frame debug lines are the log's, not the parser's.
    QLoggingCategory::setFilterRules(QStringLiteral("arvex.eeg.debug=false"));
    // Sizes and streams take turns inside each repetition, so a burst of load on the machine
    // does not fall on one of them alone.
    std::vector<char *> arguments(argv, argv + argc);
    char interleave[] = "--benchmark_enable_random_interleaving=true";
    arguments.insert(arguments.begin() + 1, interleave);
    int count = int(arguments.size());
    benchmark::Initialize(&count, arguments.data());
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
