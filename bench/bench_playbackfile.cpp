// Writing and reading the playback points file at 1,000 and 100,000 points, the reading beside a
// bare QXmlStreamReader pass over the same file. Usage: bench_playbackfile [repetitions].
#include "benchfigures.h"
#include "playback/cplaybackmanager.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QXmlStreamReader>

#include <algorithm>
#include <cstdio>
#include <cstdlib>

namespace {

PlaybackPoints points(int count)
{
    PlaybackPoints result;
    for (int i = 0; i < count; ++i)
        result.append(PlaybackPoint {
            uint8_t(i % 3), uint8_t(i % 2), 0.1f * i, -20.5f, 50.25f, 45.125f, 10.f, 0.5f });
    return result;
}

// The least any reader of the file does: every token once, counting the points.
int barePointCount(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return -1;
    QXmlStreamReader xml(&file);
    int count = 0;
    while (!xml.atEnd()) {
        if (xml.readNext() == QXmlStreamReader::StartElement
            && xml.name() == QLatin1String("point"))
            ++count;
    }
    return xml.hasError() ? -1 : count;
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    const int repetitions = argc > 1 ? std::max(1, atoi(argv[1])) : 7;
    const QVector<int> sizes { 1000, 100000 };
    const QString readName = QStringLiteral("readPoints");
    const QString bareName = QStringLiteral("bare QXmlStreamReader pass");

    QTemporaryDir dir;
    BenchFigures figures;
    for (int repetition = 0; repetition < repetitions; ++repetition) {
        for (int s = 0; s < sizes.size(); ++s) {
            const int size = sizes.at((s + repetition) % sizes.size());
            const QString path = dir.filePath(QStringLiteral("points%1.xml").arg(size));
            const PlaybackPoints written = points(size);
            figures.time(QStringLiteral("writePoints"), size,
                [&] { CPlaybackManager::instance()->writePoints(path, written); });
            // The two readings alternate which goes first.
            const auto read = [&] {
                PlaybackPoints list;
                figures.time(
                    readName, size, [&] { CPlaybackManager::instance()->readPoints(path, list); });
                if (list.size() != size)
                    qFatal("readPoints gave %d points of %d", int(list.size()), size);
            };
            const auto bare = [&] {
                int count = 0;
                figures.time(bareName, size, [&] { count = barePointCount(path); });
                if (count != size)
                    qFatal("the bare pass found %d points of %d", count, size);
            };
            if (repetition % 2 == 0) {
                read();
                bare();
            } else {
                bare();
                read();
            }
            if (repetition == 0)
                std::fprintf(stderr, "%d points: %.1f MB\n", size,
                    double(QFileInfo(path).size()) / (1 << 20));
        }
    }
    figures.print();

    // Processor time beside wall-clock time: on a loaded machine the latter mostly measures the
    // other programs.
    std::printf("\nreadPoints / bare QXmlStreamReader pass:\n");
    for (int size : sizes) {
        std::printf("%9d points: wall-clock min %.2fx, median %.2fx; processor min %.2fx, median "
                    "%.2fx\n",
            size, figures.minimum(readName, size) / figures.minimum(bareName, size),
            figures.median(readName, size) / figures.median(bareName, size),
            figures.cpuMinimum(readName, size) / figures.cpuMinimum(bareName, size),
            figures.cpuMedian(readName, size) / figures.cpuMedian(bareName, size));
    }
    return 0;
}
