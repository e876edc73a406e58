// Benchmarks of the main window against the simulated arm: pose polling and the playback run.
#include "app/mainwindow.h"
#include "arvexsimtesting.h"
#include "options/coptions.h"
#include "playback/cplaybacktableview.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <benchmark/benchmark.h>

#include <climits>
#include <memory>

namespace {

std::unique_ptr<MainWindow> connectedWindow()
{
    arvexsim::reset();
    auto window = std::make_unique<MainWindow>();
    window->show();
    if (!QTest::qWaitFor([&] { return window->contentWidget()->isEnabled(); }))
        qFatal("The simulated controller did not connect");
    return window;
}

QWidget *playbackPanel(const MainWindow &window)
{
    return window.contentWidget()
        ->findChildren<QWidget *>(QString(), Qt::FindDirectChildrenOnly)
        .at(1);
}

void fillTable(const MainWindow &window, int rows)
{
    PlaybackPoints points(rows);
    for (int i = 0; i < rows; ++i)
        points[i] = PlaybackPoint { MOVJ, 0, 200.0f + i % 50, -50.0f + i % 100, 20.0f, 0, 0, 0 };
    playbackPanel(window)->findChild<CPlaybackTableView *>()->setPoints(points);
}

QPushButton *panelButton(const MainWindow &window, const char *name)
{
    return playbackPanel(window)->findChild<QPushButton *>(QLatin1String(name));
}

void BM_GetPoseTimerPass(benchmark::State &state)
{
    auto window = connectedWindow();
    for (auto _ : state)
        QMetaObject::invokeMethod(window.get(), "onGetPoseTimer");
}
BENCHMARK(BM_GetPoseTimerPass);

// A run of one loop against a controller that takes every point at once.
void BM_PlaybackFeedAcceptingAll(benchmark::State &state)
{
    auto window = connectedWindow();
    const int rows = int(state.range(0));
    fillTable(*window, rows);
    arvexsim::setQueueCapacity(INT_MAX);
    for (auto _ : state)
        QTest::mouseClick(panelButton(*window, "startBtn"), Qt::LeftButton);
    state.counters["points/s"]
        = benchmark::Counter(double(rows) * state.iterations(), benchmark::Counter::kIsRate);
}
BENCHMARK(BM_PlaybackFeedAcceptingAll)->Arg(1000)->Arg(100000)->Unit(benchmark::kMillisecond);

// Time from a Stop click to the end of a run whose controller refuses every point.
void BM_PlaybackStopDelay(benchmark::State &state)
{
    auto window = connectedWindow();
    fillTable(*window, 10);
    arvexsim::setRefuseOffers(-1);
    for (auto _ : state) {
        QElapsedTimer sinceStop;
        QTimer::singleShot(20, [&] {
            sinceStop.start();
            QTest::mouseClick(panelButton(*window, "stopBtn"), Qt::LeftButton);
        });
        QTest::mouseClick(panelButton(*window, "startBtn"), Qt::LeftButton);
        state.SetIterationTime(double(sinceStop.nsecsElapsed()) / 1e9);
    }
}
BENCHMARK(BM_PlaybackStopDelay)->UseManualTime()->Iterations(50)->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char *argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    Q_INIT_RESOURCE(resources);
    const QDir dir(QCoreApplication::applicationDirPath());
    dir.mkpath(QStringLiteral("file"));
    dir.mkpath(QStringLiteral("hex"));
    COptions::instance()->setUpgrade(1);

    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
