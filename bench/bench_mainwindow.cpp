// Benchmarks of the main window against the simulated arm: pose polling, the playback run's
// feeding rate from the Start click beside the library's raw rate, what following the running row
// adds to it, and how long Stop takes to end a run.
// Usage: bench_mainwindow [repetitions [largest size]].
#include "ArvexDll.h"
#include "app/mainwindow.h"
#include "arvexsimtesting.h"
#include "benchfigures.h"
#include "options/coptions.h"
#include "playback/cplaybacktableview.h"
#include "playback/crunningrowtracker.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <climits>
#include <cstdio>
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

PlaybackPoints reachablePoints(int rows)
{
    PlaybackPoints points(rows);
    for (int i = 0; i < rows; ++i)
        points[i] = PlaybackPoint { MOVJ, 0, 200.0f + i % 50, -50.0f + i % 100, 20.0f, 0, 0, 0 };
    return points;
}

QPushButton *panelButton(const MainWindow &window, const char *name)
{
    return playbackPanel(window)->findChild<QPushButton *>(QLatin1String(name));
}

// An empty queue and log, so that every run starts from the same controller.
void emptyController()
{
    ResetArvex();
    arvexsim::clearCalls();
}

// One loop of rows against a controller that takes every point, beside the library's own rate
// for the same points offered back to back.
void measureFeeding(BenchFigures &figures, MainWindow &window, int rows)
{
    const PlaybackPoints points = reachablePoints(rows);
    playbackPanel(window)->findChild<CPlaybackTableView *>()->setPoints(points);
    arvexsim::setQueueCapacity(INT_MAX);

    emptyController();
    figures.time(QStringLiteral("raw SetPlaybackBufferCmd"), rows, [&] {
        for (const PlaybackPoint &point : points) {
            PlaybackPoint offered = point;
            if (SetPlaybackBufferCmd(&offered) != 0)
                qFatal("the controller refused a point");
        }
    });
    if (arvexsim::queuedPoints() != rows)
        qFatal("the raw loop queued %d points of %d", arvexsim::queuedPoints(), rows);

    emptyController();
    // A user clicks a window that has painted its new table already; that paint is no part of
    // the run. Qt paints a changed window at its next update request, some milliseconds later,
    // so one pass of the event loop is not enough: the repaint at the button's press would paint
    // the whole table.
    QTest::qWait(20);
    // The user waits from pressing the button: its repaint, the check before the run and the run
    // itself, which ends inside the click.
    QPushButton *startBtn = panelButton(window, "startBtn");
    figures.time(QStringLiteral("run, Start click to end"), rows, [&] {
        QTest::mousePress(startBtn, Qt::LeftButton);
        QTest::mouseRelease(startBtn, Qt::LeftButton);
    });
    if (arvexsim::queuedPoints() != rows)
        qFatal("the run queued %d points of %d", arvexsim::queuedPoints(), rows);
    if (playbackPanel(window)->findChild<QLabel *>(QStringLiteral("currentLoop"))->text() != "1")
        qFatal("the run did not count its loop");
    emptyController();

    // What the run does for the running row's mark, alone: the same calls for the same points.
    auto *tracker = playbackPanel(window)->findChild<CRunningRowTracker *>();
    tracker->forgetQueued();
    figures.time(QStringLiteral("mark of the run alone"), rows, [&] {
        tracker->startFeeding(points, true);
        for (int row = 0; row < rows; ++row)
            tracker->pointAccepted(row);
    });
    if (tracker->lastFedRow() != rows - 1)
        qFatal("the mark did not see the run's points");
    tracker->forgetQueued();
}

// Time from a Stop click to the end of a run whose controller refuses every point.
QVector<double> stopDelays(MainWindow &window, int runs)
{
    playbackPanel(window)->findChild<CPlaybackTableView *>()->setPoints(reachablePoints(10));
    arvexsim::setRefuseOffers(-1);
    QVector<double> delays;
    for (int run = 0; run < runs; ++run) {
        QElapsedTimer sinceStop;
        QTimer::singleShot(5 + run % 10, [&] {
            sinceStop.start();
            QTest::mouseClick(panelButton(window, "stopBtn"), Qt::LeftButton);
        });
        QTest::mouseClick(panelButton(window, "startBtn"), Qt::LeftButton);
        if (!sinceStop.isValid() || panelButton(window, "stopBtn")->isEnabled())
            qFatal("the run did not end by Stop");
        delays.append(double(sinceStop.nsecsElapsed()) / 1e9);
    }
    arvexsim::setRefuseOffers(0);
    return delays;
}

} // namespace

int main(int argc, char *argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    Q_INIT_RESOURCE(resources);
    const QDir dir(QCoreApplication::applicationDirPath());
    dir.mkpath(QStringLiteral("file"));
    dir.mkpath(QStringLiteral("hex"));
    // A table an earlier run left unsaved would be offered in a question nobody answers.
    QFile::remove(dir.filePath(QStringLiteral("file/PlaybackPoints-autosave.xml")));
    COptions::instance()->setUpgrade(1);
    const int repetitions = argc > 1 ? std::max(1, atoi(argv[1])) : 5;
    const int largest = argc > 2 ? atoi(argv[2]) : 100000;

    QVector<int> sizes;
    for (int size = 1000; size <= largest; size *= 10)
        sizes.append(size);

    auto window = connectedWindow();
    BenchFigures figures;
    for (int repetition = 0; repetition < repetitions; ++repetition) {
        // Every size in each repetition, starting with another one each time.
        for (int s = 0; s < sizes.size(); ++s)
            measureFeeding(figures, *window, sizes.at((s + repetition) % sizes.size()));
        figures.time(QStringLiteral("onGetPoseTimer x1000"), 1000, [&] {
            for (int i = 0; i < 1000; ++i)
                QMetaObject::invokeMethod(window.get(), "onGetPoseTimer");
        });
        std::fprintf(stderr, "repetition %d of %d done\n", repetition + 1, repetitions);
    }
    figures.print();

    std::printf("\nfeeding rate of a run from the Start click / raw SetPlaybackBufferCmd rate:\n");
    const QString rawName = QStringLiteral("raw SetPlaybackBufferCmd");
    const QString runName = QStringLiteral("run, Start click to end");
    for (int size : qAsConst(sizes)) {
        const double raw = figures.median(rawName, size);
        const double run = figures.median(runName, size);
        std::printf("%9d rows: raw %.0f points/s, run %.0f points/s, run/raw median %.1f %%, "
                    "min %.1f %%; processor time median %.1f %%, min %.1f %%\n",
            size, size / raw, size / run, 100 * raw / run,
            100 * figures.minimum(rawName, size) / figures.minimum(runName, size),
            100 * figures.cpuMedian(rawName, size) / figures.cpuMedian(runName, size),
            100 * figures.cpuMinimum(rawName, size) / figures.cpuMinimum(runName, size));
        const double mark = figures.median(QStringLiteral("mark of the run alone"), size);
        std::printf("%9s  run without the mark %.0f points/s, the mark's share of the run %.2f %%\n",
            "", size / (run - mark), 100 * mark / run);
    }

    const QVector<double> delays = stopDelays(*window, 200);
    std::printf("\nStop click to the end of the run, %d runs: p50 %.2f ms, p99 %.2f ms, "
                "max %.2f ms\n",
        int(delays.size()), 1e3 * BenchFigures::quantile(delays, 0.5),
        1e3 * BenchFigures::quantile(delays, 0.99), 1e3 * BenchFigures::quantile(delays, 1.0));
    return 0;
}
