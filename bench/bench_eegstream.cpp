// A headset flooding the link: 1,000 frames a second through a pseudo-terminal, first to the link
// alone (the baseline), then with the curve dialog charting them. Prints how late frames reach
// the receivers, the points the chart holds and the process's resident memory as time goes on.
// Arguments: seconds of the charted phase (default 60), seconds of the baseline (default 10).
#include "eeg/ceegcurvedialog.h"
#include "eeg/ceegmanager.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QLoggingCategory>
#include <QTimer>
#include <qcustomplot.h>

#include <fcntl.h>
#include <stdlib.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <atomic>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <thread>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

qint64 nowNs()
{
    return std::chrono::duration_cast<std::chrono::nanoseconds>(Clock::now().time_since_epoch())
        .count();
}

// The send time travels in the band-power bytes, which the client carries along untouched.
std::array<quint8, 36> stampedFrame(qint64 sentNs)
{
    std::array<quint8, 36> bytes {};
    bytes[0] = 0xAA;
    bytes[1] = 0xAA;
    bytes[2] = 0x20;
    bytes[32] = 50;
    bytes[34] = 60;
    std::memcpy(bytes.data() + 7, &sentNs, sizeof sentNs);
    quint8 sum = 0;
    for (size_t k = 3; k < 35; ++k)
        sum = quint8(sum + bytes[k]);
    bytes[35] = quint8(~sum);
    return bytes;
}

long residentKiB()
{
    long pages = 0;
    long resident = 0;
    if (FILE *statm = std::fopen("/proc/self/statm", "r")) {
        if (std::fscanf(statm, "%ld %ld", &pages, &resident) != 2)
            resident = 0;
        std::fclose(statm);
    }
    return resident * (sysconf(_SC_PAGESIZE) / 1024);
}

// Latencies in 10-microsecond steps up to a second, the last step holding everything later. A
// fixed table, so that measuring adds nothing to the resident memory as time goes on.
struct Phase
{
    static constexpr int steps = 100000;
    std::vector<int> histogram = std::vector<int>(steps + 1, 0);
    int framesReceived = 0;
    int framesSent = 0;

    void add(double milliseconds)
    {
        histogram[size_t(std::clamp(int(milliseconds * 100.0), 0, steps))] += 1;
        ++framesReceived;
    }
    // The latency below which this share of the frames arrived, in milliseconds.
    double quantile(double share) const
    {
        const int wanted = std::max(1, int(share * framesReceived));
        int seen = 0;
        for (int step = 0; step <= steps; ++step)
            if ((seen += histogram[size_t(step)]) >= wanted)
                return step / 100.0;
        return 0.0;
    }
};

void report(const char *name, const Phase &phase)
{
    std::printf("%-10s sent %6d received %6d  latency ms: min %.2f median %.2f p99 %.2f max %.2f\n",
        name, phase.framesSent, phase.framesReceived, phase.quantile(0), phase.quantile(0.5),
        phase.quantile(0.99), phase.quantile(1));
}

void discardMessage(QtMsgType, const QMessageLogContext &, const QString &) { }

} // namespace

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    const int chartSeconds = argc > 1 ? std::max(1, atoi(argv[1])) : 60;
    const int baselineSeconds = argc > 2 ? std::max(1, atoi(argv[2])) : 10;
    // The client logs every frame; the lines are formatted as there, then dropped.
    qInstallMessageHandler(discardMessage);

    const int master = posix_openpt(O_RDWR | O_NOCTTY);
    if (master < 0 || grantpt(master) != 0 || unlockpt(master) != 0)
        return 1;
    qputenv("ARVEX_EEG_PORT", ptsname(master));
    CEEGManager::instance()->openHeadsetPort();

    Phase baseline;
    Phase charted;
    Phase *current = &baseline;
    QObject::connect(
        CEEGManager::instance(), &CEEGManager::newFrame, &app, [&](CEEGManager::EEGData data) {
            qint64 sentNs = 0;
            std::memcpy(&sentNs, data.eegPower, sizeof sentNs);
            current->add(double(nowNs() - sentNs) / 1e6);
        });

    std::atomic<bool> writing { true };
    std::atomic<int> sent { 0 };
    std::thread writer([&] {
        Clock::time_point next = Clock::now();
        while (writing) {
            next += std::chrono::milliseconds(1);
            std::this_thread::sleep_until(next);
            const std::array<quint8, 36> frame = stampedFrame(nowNs());
            if (write(master, frame.data(), frame.size()) == ssize_t(frame.size()))
                ++sent;
        }
    });
    // The client's module commands come back on the master; nobody answers them.
    QTimer drain;
    QObject::connect(&drain, &QTimer::timeout, [&] {
        char input[256];
        while (read(master, input, sizeof input) > 0) { }
    });
    fcntl(master, F_SETFL, fcntl(master, F_GETFL) | O_NONBLOCK);
    drain.start(100);

    QWidget window;
    window.setFixedSize(1280, 720);
    window.show();
    CEEGCurveDialog *dialog = nullptr;
    QElapsedTimer clock;
    clock.start();
    int secondsDone = 0;
    QTimer everySecond;
    QObject::connect(&everySecond, &QTimer::timeout, [&] {
        ++secondsDone;
        if (secondsDone == baselineSeconds) {
            baseline.framesSent = sent.exchange(0);
            current = &charted;
            dialog = new CEEGCurveDialog(&window);
            dialog->show();
        } else if (secondsDone > baselineSeconds) {
            const int second = secondsDone - baselineSeconds;
            if (second % 5 == 0 || second == 1)
                std::printf("charted %3d s: resident %6ld KiB, points per graph %d\n", second,
                    residentKiB(), dialog->findChild<QCustomPlot *>()->graph(0)->dataCount());
            if (second == chartSeconds) {
                charted.framesSent = sent.load();
                app.quit();
            }
        }
        std::fflush(stdout);
    });
    everySecond.start(1000);
    std::printf("baseline %d s with the link alone, then %d s charted, 1000 frames/s\n",
        baselineSeconds, chartSeconds);
    app.exec();
    writing = false;
    writer.join();
    report("link only", baseline);
    report("charted", charted);
    close(master);
    return 0;
}
