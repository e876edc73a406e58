// The arm view's cost per pose update, with 0, 1,000 and 10,000 table points joined by their
// path and the running row ringed, and its share of one core at the pose timer's four updates a
// second.
#include "armview/carmview.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QPainter>
#include <QTimer>

#include <algorithm>
#include <cstdio>
#include <ctime>
#include <vector>

namespace {

constexpr int UpdatesPerSecond = 4;
constexpr int Repetitions = 15;
constexpr int UpdatesPerRepetition = 20;

PlaybackPoints points(int count)
{
    PlaybackPoints result;
    for (int i = 0; i < count; ++i)
        result.append(PlaybackPoint {
            uint8_t(i % 3), 0, 150.0f + i % 150, -150.0f + i % 300, -60.0f + i % 120, 0, 0, 0 });
    return result;
}

double cpuSeconds()
{
    timespec now {};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &now);
    return double(now.tv_sec) + double(now.tv_nsec) * 1e-9;
}

// The arm swinging through the jog range, as during a jog or a run.
JointAngles swing(int step)
{
    const double phase = (step % 90) / 90.0;
    return { -120.0 + 240.0 * phase, 10.0 + 70.0 * phase, 80.0 - 70.0 * phase, 30.0 * phase };
}

// The toolkit's own cost of one full-size paint: a widget that only fills itself.
class FilledWidget : public QWidget
{
protected:
    void paintEvent(QPaintEvent *) override { QPainter(this).fillRect(rect(), Qt::white); }
};

struct Figures
{
    std::vector<double> cached;
    std::vector<double> rebuilt;
    std::vector<double> bare;
};

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values.at(values.size() / 2);
}

double minimum(const std::vector<double> &values)
{
    return *std::min_element(values.begin(), values.end());
}

// Microseconds per update of `update`, which must leave `view` showing `angles`.
template <class Update>
double timePerUpdate(CArmView &view, int &step, Update update)
{
    QElapsedTimer timer;
    timer.start();
    for (int i = 0; i < UpdatesPerRepetition; ++i, ++step) {
        const JointAngles angles = swing(step);
        update(angles);
        if (view.jointAngles().joint1 != angles.joint1)
            qFatal("The view did not take the pose");
    }
    return timer.nsecsElapsed() / 1000.0 / UpdatesPerRepetition;
}

// Counts the paints a widget receives.
class PaintCounter : public QObject
{
public:
    int paints = 0;

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::Paint)
            ++paints;
        return false;
    }
};

// Process CPU share over `seconds` with a 250 ms timer that moves the arm when `moving`; the
// paints the view received go to `paints`.
double cpuShare(CArmView &view, double seconds, bool moving, int &paints)
{
    PaintCounter counter;
    view.installEventFilter(&counter);
    int step = 0;
    QTimer poseTimer;
    poseTimer.setInterval(1000 / UpdatesPerSecond);
    QObject::connect(&poseTimer, &QTimer::timeout, [&] {
        if (moving)
            view.setJointAngles(swing(++step));
    });
    QEventLoop loop;
    QTimer::singleShot(int(seconds * 1000), &loop, &QEventLoop::quit);
    QElapsedTimer wall;
    const double cpuStart = cpuSeconds();
    wall.start();
    poseTimer.start();
    loop.exec();
    const double share = (cpuSeconds() - cpuStart) / (wall.nsecsElapsed() * 1e-9);
    view.removeEventFilter(&counter);
    paints = counter.paints;
    return share;
}

} // namespace

int main(int argc, char *argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);

    const int sizes[] = { 0, 1000, 10000 };
    std::vector<CArmView *> views;
    for (int size : sizes) {
        auto *view = new CArmView;
        view->setPoints(points(size));
        view->show();
        views.push_back(view);
    }
    FilledWidget bareWidget;
    bareWidget.resize(views.front()->size());
    bareWidget.show();
    QCoreApplication::processEvents();

    Figures figures[3];
    int step = 0;
    for (int repetition = 0; repetition < Repetitions; ++repetition) {
        for (int s = 0; s < 3; ++s) {
            CArmView &view = *views[s];
            // The running row moves on with the arm, as during a run.
            figures[s].cached.push_back(timePerUpdate(view, step, [&](const JointAngles &angles) {
                view.setRunningRow(sizes[s] > 0 ? step % sizes[s] : -1);
                view.setJointAngles(angles);
                view.repaint();
            }));
            // What every update would cost if the reach and the points were drawn anew.
            figures[s].rebuilt.push_back(timePerUpdate(view, step, [&](const JointAngles &angles) {
                view.setHighlightedRows(step % 2 ? QSet<int> { 0 } : QSet<int> {});
                view.setJointAngles(angles);
                view.repaint();
            }));
            // A widget of the same size that only fills itself: the toolkit's own cost of a paint.
            figures[s].bare.push_back(timePerUpdate(view, step, [&](const JointAngles &angles) {
                view.setJointAngles(angles);
                bareWidget.repaint();
            }));
        }
    }

    std::printf("Arm view, %d x %d px: microseconds per pose update (min / median of %d "
                "repetitions of %d updates)\n",
        views.front()->width(), views.front()->height(), Repetitions, UpdatesPerRepetition);
    std::printf("%8s %22s %22s %22s %14s\n", "points", "cached layer", "layer redrawn",
        "plain fill repaint", "core share");
    for (int s = 0; s < 3; ++s) {
        const Figures &f = figures[s];
        std::printf("%8d %10.1f / %9.1f %10.1f / %9.1f %10.1f / %9.1f %13.3f%%\n", sizes[s],
            minimum(f.cached), median(f.cached), minimum(f.rebuilt), median(f.rebuilt),
            minimum(f.bare), median(f.bare), median(f.cached) * UpdatesPerSecond / 1e6 * 100);
    }

    // The whole process over a few seconds with the pose timer's rhythm, against the same
    // seconds without moving the arm.
    views.front()->setPoints(points(1000));
    int idlePaints = 0;
    int movingPaints = 0;
    const double idle = cpuShare(*views.front(), 4.0, false, idlePaints);
    const double moving = cpuShare(*views.front(), 4.0, true, movingPaints);
    std::printf("Process CPU at %d updates/s, 1000 points: %.3f%% moving (%d paints), %.3f%% "
                "idle (%d paints), %.3f%% for the view\n",
        UpdatesPerSecond, moving * 100, movingPaints, idle * 100, idlePaints,
        (moving - idle) * 100);

    qDeleteAll(views);
    return 0;
}
