// Start-up of the client beside a bare Qt window of its size: time from starting the process to
// its first frame on the screen and resident memory once it rests, each program started in turn
// (interleaved), with min and median and the ratios. With --callgrind, each program also runs
// once under callgrind up to its first frame, for instruction counts that the machine's load
// does not change. Usage: bench_startup [starts [rest ms]] [--callgrind] [--client path], where
// path is another build of the client to compare.
#include "benchfigures.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QThread>

#include <time.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>

namespace {

qint64 monotonicNs()
{
    timespec now {};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return qint64(now.tv_sec) * 1000000000LL + now.tv_nsec;
}

QProcessEnvironment probedEnvironment(const QString &frameFile)
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("LD_PRELOAD"), QStringLiteral(FIRST_FRAME_PROBE));
    environment.insert(QStringLiteral("ARVEX_FIRST_FRAME_FILE"), frameFile);
    if (!environment.contains(QStringLiteral("QT_QPA_PLATFORM")))
        environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    return environment;
}

void prepare(QProcess &process, const QString &program, const QProcessEnvironment &environment)
{
    process.setProgram(program);
    // The client reads components.xml from its working folder.
    process.setWorkingDirectory(QFileInfo(program).absolutePath());
    process.setProcessEnvironment(environment);
    process.setStandardOutputFile(QProcess::nullDevice());
}

double residentMB(qint64 pid)
{
    QFile status(QStringLiteral("/proc/%1/status").arg(pid));
    if (!status.open(QIODevice::ReadOnly))
        return 0;
    for (const QByteArray &line : status.readAll().split('\n')) {
        if (line.startsWith("VmRSS:"))
            return line.mid(6).trimmed().split(' ').first().toDouble() / 1024;
    }
    return 0;
}

// Starts the program, waits for its first frame, lets it rest and reads its memory.
void startOnce(BenchFigures &figures, QVector<double> &restingMB, const QString &name,
    const QString &program, int restMs, const QString &frameFile)
{
    QFile::remove(frameFile);
    QProcess process;
    prepare(process, program, probedEnvironment(frameFile));
    process.setStandardErrorFile(QProcess::nullDevice());
    const qint64 started = monotonicNs();
    process.start();
    QFile frame(frameFile);
    qint64 frameNs = 0;
    while (frameNs == 0 && monotonicNs() - started < 60000000000LL) {
        QThread::msleep(2);
        if (frame.open(QIODevice::ReadOnly)) {
            frameNs = frame.readAll().trimmed().toLongLong();
            frame.close();
        }
    }
    if (frameNs == 0)
        qFatal("%s showed no frame", qPrintable(program));
    figures.add(name, 0, double(frameNs - started) / 1e9, 0);
    QThread::msleep(restMs);
    restingMB.append(residentMB(process.processId()));
    process.kill();
    process.waitForFinished();
}

// Instructions from the start of the program to its first frame.
double instructionsToFirstFrame(const QString &program, const QString &frameFile)
{
    QProcess process;
    QProcessEnvironment environment = probedEnvironment(frameFile);
    environment.insert(QStringLiteral("ARVEX_EXIT_AT_FIRST_FRAME"), QStringLiteral("1"));
    prepare(process, QStringLiteral("valgrind"), environment);
    // A child forked before the first frame would print its own count first.
    process.setArguments(
        { QStringLiteral("--tool=callgrind"), QStringLiteral("--callgrind-out-file=/dev/null"),
            QStringLiteral("--child-silent-after-fork=yes"), program });
    process.setWorkingDirectory(QFileInfo(program).absolutePath());
    process.start();
    process.waitForFinished(-1);
    const QRegularExpressionMatch collected
        = QRegularExpression(QStringLiteral("Collected : (\\d+)"))
              .match(QString::fromLocal8Bit(process.readAllStandardError()));
    if (!collected.hasMatch())
        qFatal("callgrind gave no count for %s", qPrintable(program));
    return collected.captured(1).toDouble();
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QStringList arguments = app.arguments().mid(1);
    const bool callgrind = arguments.removeAll(QStringLiteral("--callgrind")) > 0;
    const int clientOption = arguments.indexOf(QStringLiteral("--client"));
    const QString client = clientOption >= 0
        ? QFileInfo(arguments.value(clientOption + 1)).absoluteFilePath()
        : QStringLiteral(ARVEX_CLIENT);
    if (clientOption >= 0)
        arguments.erase(arguments.begin() + clientOption, arguments.begin() + clientOption + 2);
    const int starts = arguments.size() > 0 ? std::max(1, arguments.at(0).toInt()) : 10;
    const int restMs = arguments.size() > 1 ? arguments.at(1).toInt() : 3000;
    const QString bare = QStringLiteral(BARE_WINDOW);

    // A returning user's client: no firmware notice in front of the window.
    const QDir clientDir = QFileInfo(client).absoluteDir();
    clientDir.mkpath(QStringLiteral("hex"));
    QFile upgradeParams(clientDir.filePath(QStringLiteral("hex/UpgradeParams.json")));
    if (!upgradeParams.open(QIODevice::WriteOnly) || upgradeParams.write("{\"upgrade\": 1}\n") < 0)
        qFatal("cannot write %s", qPrintable(upgradeParams.fileName()));
    upgradeParams.close();

    QTemporaryDir temporary;
    const QString frameFile = temporary.filePath(QStringLiteral("frame"));
    const QString clientName = QStringLiteral("client first frame");
    const QString bareName = QStringLiteral("bare window first frame");
    BenchFigures figures;
    QVector<double> clientMB;
    QVector<double> bareMB;
    for (int start = 0; start < starts; ++start) {
        // Each start of one program has one of the other beside it; they take turns going first.
        const auto startClient
            = [&] { startOnce(figures, clientMB, clientName, client, restMs, frameFile); };
        const auto startBare
            = [&] { startOnce(figures, bareMB, bareName, bare, restMs, frameFile); };
        if (start % 2 == 0) {
            startClient();
            startBare();
        } else {
            startBare();
            startClient();
        }
        std::fprintf(stderr, "start %d of %d done\n", start + 1, starts);
    }
    figures.print();

    std::printf("\nclient / bare window, %d starts each:\n", starts);
    std::printf("first frame    min %.1f / %.1f ms = %.2fx, median %.1f / %.1f ms = %.2fx\n",
        1e3 * figures.minimum(clientName, 0), 1e3 * figures.minimum(bareName, 0),
        figures.minimum(clientName, 0) / figures.minimum(bareName, 0),
        1e3 * figures.median(clientName, 0), 1e3 * figures.median(bareName, 0),
        figures.median(clientName, 0) / figures.median(bareName, 0));
    const double clientMin = BenchFigures::quantile(clientMB, 0);
    const double bareMin = BenchFigures::quantile(bareMB, 0);
    const double clientMedian = BenchFigures::quantile(clientMB, 0.5);
    const double bareMedian = BenchFigures::quantile(bareMB, 0.5);
    std::printf("resting memory min %.1f / %.1f MB = %.2fx, median %.1f / %.1f MB = %.2fx "
                "(after %d ms)\n",
        clientMin, bareMin, clientMin / bareMin, clientMedian, bareMedian,
        clientMedian / bareMedian, restMs);
    if (callgrind) {
        const double clientInstructions = instructionsToFirstFrame(client, frameFile);
        const double bareInstructions = instructionsToFirstFrame(bare, frameFile);
        std::printf("instructions to the first frame (callgrind): client %.1f M, bare %.1f M, "
                    "%.2fx\n",
            clientInstructions / 1e6, bareInstructions / 1e6,
            clientInstructions / bareInstructions);
    }
    return 0;
}
