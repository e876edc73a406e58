// What one write of the unsaved table costs the GUI thread at 1,000, 10,000 and 100,000 rows,
// beside the write itself on the worker and the same write on the GUI thread as a baseline.
// Usage: bench_pointsrecovery [repetitions [largest size]].
#include "benchfigures.h"
#include "benchtable.h"
#include "playback/cplaybackmanager.h"
#include "playback/cplaybackpointsxml.h"
#include "playback/cpointsrecovery.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <cstdio>

namespace {

// The rows the file holds, read back.
int rowsIn(const QString &path)
{
    QFile file(path);
    PlaybackPoints read;
    if (file.open(QIODevice::ReadOnly))
        CPlaybackPointsXml::read(&file, read);
    return read.size();
}

void checkRows(const QString &path, int rows)
{
    if (rowsIn(path) != rows)
        qFatal("%s holds %d rows, not %d", qPrintable(path), rowsIn(path), rows);
}

// One autosave after a cell edit: the slot the write timer runs (the snapshot and the worker's
// start) on the GUI thread, then the write until the worker says it has ended.
void autosave(BenchFigures &figures, int rows, const QString &folder)
{
    BenchTable table(rows);
    CPlaybackTableView &view = table.view;
    CPointsRecovery recovery(folder + QStringLiteral("/PlaybackPoints.xml"));
    recovery.watch(&view);
    view.model()->setData(view.model()->index(rows / 2, 2), QStringLiteral("12.5"));
    QCoreApplication::processEvents();

    bool written = false;
    QObject::connect(&recovery, &CPointsRecovery::written, [&written] { written = true; });
    QElapsedTimer writing;
    writing.start();
    figures.time(QStringLiteral("GUI thread per autosave"), rows,
        [&recovery] { QMetaObject::invokeMethod(&recovery, "writeTable"); });
    if (!QTest::qWaitFor([&written] { return written; }, 60000))
        qFatal("no write ended");
    figures.add(QStringLiteral("write on the worker, until told"), rows,
        double(writing.nsecsElapsed()) / 1e9, 0);
    checkRows(folder + QStringLiteral("/PlaybackPoints-autosave.xml"), rows);
    recovery.stop();
}

} // namespace

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const int repetitions = argc > 1 ? std::max(1, atoi(argv[1])) : 5;
    const int largest = argc > 2 ? atoi(argv[2]) : 100000;
    QTemporaryDir folder;

    BenchFigures figures;
    for (int repetition = 0; repetition < repetitions; ++repetition) {
        for (int rows = 1000; rows <= largest; rows *= 10) {
            autosave(figures, rows, folder.path());
            // Baselines: the same table written on the GUI thread, and a read of all cells.
            const PlaybackPoints list = BenchTable::points(rows);
            const QString path = folder.filePath(QStringLiteral("baseline.xml"));
            figures.time(QStringLiteral("baseline: writePoints on the GUI thread"), rows,
                [&] { CPlaybackManager::instance()->writePoints(path, list); });
            checkRows(path, rows);
        }
        std::fprintf(stderr, "repetition %d of %d done\n", repetition + 1, repetitions);
    }
    figures.print();
    return 0;
}
