// A very large points file dropped on the table and saved at quit: the time each takes, the
// longest the window goes without handling events (a frozen window), whether the busy dialog
// shows, and the process's peak memory. Usage: bench_largepointsfile [points].
#include "app/mainwindow.h"
#include "arvexsimtesting.h"
#include "options/coptions.h"
#include "playback/cplaybackmanager.h"
#include "playback/cplaybacktableview.h"
#include "widgets/cshowbusyindicatordialog.h"

#include <QApplication>
#include <QDir>
#include <QDropEvent>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QMimeData>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QUrl>

#include <cstdio>
#include <memory>

namespace {

// Values that read back as they are written, so that the saved file equals the dropped one.
PlaybackPoints points(int count)
{
    PlaybackPoints result(count);
    for (int i = 0; i < count; ++i) {
        result[i] = PlaybackPoint { uint8_t(i % 3), uint8_t(i % 2), float((i % 3000) / 10.0),
            float((i % 2000 - 1000) / 10.0), 50.5f, float((i % 90000) / 1000.0), 10.f, 0.25f };
    }
    return result;
}

// Peak resident memory of the process, in MB (Linux only; 0 elsewhere).
double peakMemoryMB()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return 0;
    for (const QByteArray &line : status.readAll().split('\n')) {
        if (line.startsWith("VmHWM:"))
            return line.mid(6).trimmed().split(' ').first().toDouble() / 1024;
    }
    return 0;
}

// Ticks every 10 ms while events are handled; the longest gap between ticks is how long the
// window stood frozen.
class Heartbeat : public QObject
{
public:
    explicit Heartbeat(const QWidget *window)
        : window(window)
    {
        connect(&timer, &QTimer::timeout, this, [this] {
            maxGapMs = std::max(maxGapMs, sinceTick.elapsed());
            sinceTick.start();
            ++ticks;
            if (auto *busy = this->window->findChild<CShowBusyIndicatorDialog *>())
                busyShown = busyShown || busy->isVisible();
        });
        timer.start(10);
        restart();
    }

    void restart()
    {
        sinceTick.start();
        maxGapMs = 0;
        ticks = 0;
        busyShown = false;
    }

    qint64 endGapMs() const { return std::max(maxGapMs, sinceTick.elapsed()); }

    const QWidget *window;
    QTimer timer;
    QElapsedTimer sinceTick;
    qint64 maxGapMs = 0;
    int ticks = 0;
    bool busyShown = false;
};

void report(const char *what, qint64 ms, const Heartbeat &heartbeat)
{
    std::printf("%-5s %8lld ms, longest without events %6lld ms, %5d ticks of 10 ms, busy dialog "
                "%s, peak memory %.0f MB\n",
        what, ms, heartbeat.endGapMs(), heartbeat.ticks,
        heartbeat.busyShown ? "shown" : "not shown", peakMemoryMB());
    std::fflush(stdout);
}

} // namespace

int main(int argc, char *argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    Q_INIT_RESOURCE(resources);
    const int count = argc > 1 ? atoi(argv[1]) : 1200000;
    const QDir dir(QCoreApplication::applicationDirPath());
    dir.mkpath(QStringLiteral("file"));
    dir.mkpath(QStringLiteral("hex"));
    const QString defaultFile = dir.filePath(QStringLiteral("file/PlaybackPoints.xml"));
    QFile::remove(defaultFile);
    COptions::instance()->setUpgrade(1);

    QTemporaryDir temporary;
    const QString dropped = temporary.filePath(QStringLiteral("large.xml"));
    CPlaybackManager::instance()->writePoints(dropped, points(count));
    std::printf("%d points, %.0f MB file, peak memory before %.0f MB\n", count,
        double(QFileInfo(dropped).size()) / (1 << 20), peakMemoryMB());

    arvexsim::reset();
    MainWindow window;
    window.show();
    if (!QTest::qWaitFor([&] { return window.contentWidget()->isEnabled(); }))
        qFatal("The simulated controller did not connect");
    auto *view = window.findChild<CPlaybackTableView *>(QStringLiteral("playbackTableView"));

    Heartbeat heartbeat(&window);
    QMimeData mime;
    mime.setUrls({ QUrl::fromLocalFile(dropped) });
    const QPoint centre = view->viewport()->rect().center();
    QDragEnterEvent enter(centre, Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(view->viewport(), &enter);
    QDropEvent drop(centre, Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
    QElapsedTimer timer;
    heartbeat.restart();
    timer.start();
    QApplication::sendEvent(view->viewport(), &drop);
    const qint64 dropMs = timer.elapsed();
    report("drop", dropMs, heartbeat);
    if (view->model()->rowCount() != count)
        qFatal("the table holds %d rows, not %d", view->model()->rowCount(), count);

    heartbeat.restart();
    timer.start();
    QMetaObject::invokeMethod(&window, "onAppAboutToQuit");
    report("save", timer.elapsed(), heartbeat);
    if (QFileInfo(defaultFile).size() != QFileInfo(dropped).size())
        qFatal("the saved file differs in size from the dropped one");
    QFile::remove(defaultFile);
    return 0;
}
