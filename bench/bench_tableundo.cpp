// Undo and redo of large edits of the playback point table at 1,000, 10,000 and 100,000 rows,
// beside the edit itself, to read off their growth; and the memory a step of delete all holds.
// Usage: bench_tableundo [repetitions [largest size]].
#include "benchfigures.h"
#include "benchtable.h"

#include <QApplication>
#include <QClipboard>
#include <QUndoStack>

#include <cstdio>
#include <malloc.h>
#include <memory>

namespace {

constexpr int PastedRows = 10000;

// The heap bytes in use, in MiB, where the C library tells it; -1 elsewhere. Freed memory that
// the allocator keeps would hide in the resident size, not here.
double heapInUseMiB()
{
#if defined(__GLIBC__) && (__GLIBC__ > 2 || __GLIBC_MINOR__ >= 33)
    const struct mallinfo2 info = mallinfo2();
    return double(info.uordblks + info.hblkhd) / (1024.0 * 1024.0);
#else
    return -1;
#endif
}

// Plain edit, its undo and its redo, each checked against the table it must leave.
void pasteGroup(BenchFigures &figures, int size, const QString &pastedText)
{
    BenchTable table(size);
    PlaybackPoints before;
    table.view.getPoints(before);
    QApplication::clipboard()->setText(pastedText);
    table.view.clearSelection();
    figures.time(QStringLiteral("paste 10,000 rows (edit)"), size,
        [&] { table.run("onRowsPasteActivated"); });
    PlaybackPoints after;
    table.view.getPoints(after);
    if (after.size() != size + PastedRows)
        qFatal("paste on %d rows left %d rows", size, int(after.size()));
    figures.time(QStringLiteral("paste 10,000 rows: undo"), size, [&] { table.undo(); });
    table.check("undo of the paste", size, before);
    figures.time(QStringLiteral("paste 10,000 rows: redo"), size, [&] { table.redo(); });
    table.check("redo of the paste", size, after);
}

void deleteEveryOtherGroup(BenchFigures &figures, int size)
{
    BenchTable table(size);
    PlaybackPoints before;
    table.view.getPoints(before);
    table.selectRows(2);
    figures.time(QStringLiteral("delete every other row (edit)"), size,
        [&] { table.run("onRowsDeleteActivated"); });
    PlaybackPoints after;
    table.view.getPoints(after);
    if (after.size() != size - (size + 1) / 2)
        qFatal("delete every other row on %d rows left %d rows", size, int(after.size()));
    figures.time(QStringLiteral("delete every other row: undo"), size, [&] { table.undo(); });
    table.check("undo of deleting every other row", size, before);
    figures.time(QStringLiteral("delete every other row: redo"), size, [&] { table.redo(); });
    table.check("redo of deleting every other row", size, after);
}

struct DeleteAllMemory
{
    double table = 0; // the rows in the table
    double step = 0; // the same rows held by the step
};

DeleteAllMemory deleteAllGroup(BenchFigures &figures, int size)
{
    BenchTable table(size);
    PlaybackPoints before;
    table.view.getPoints(before);
    const double withRows = heapInUseMiB();
    figures.time(QStringLiteral("delete all (edit)"), size, [&] {
        BenchTable::answerYes();
        table.run("onDeleteAllActTriggered");
    });
    if (table.rowCount() != 0)
        qFatal("delete all on %d rows left %d rows", size, table.rowCount());
    const double withStep = heapInUseMiB();
    figures.time(QStringLiteral("delete all: undo"), size, [&] { table.undo(); });
    table.check("undo of delete all", size, before);
    figures.time(QStringLiteral("delete all: redo"), size, [&] { table.redo(); });
    if (table.rowCount() != 0)
        qFatal("redo of delete all on %d rows left %d rows", size, table.rowCount());
    table.view.findChild<QUndoStack *>()->clear();
    const double empty = heapInUseMiB();
    return { withRows - empty, withStep - empty };
}

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const int repetitions = argc > 1 ? std::max(1, atoi(argv[1])) : 5;
    const int largest = argc > 2 ? atoi(argv[2]) : 100000;
    QVector<int> sizes;
    for (int size = 1000; size <= largest; size *= 10)
        sizes.append(size);

    // The clipboard text of 10,000 rows, as the table's own copy makes it.
    QString pastedText;
    {
        BenchTable source(PastedRows);
        QMetaObject::invokeMethod(&source.view, "selectAll");
        source.run("onRowsCopyActivated");
        pastedText = QApplication::clipboard()->text();
    }

    BenchFigures figures;
    QVector<DeleteAllMemory> deleteAllMiB(sizes.size());
    for (int repetition = 0; repetition < repetitions; ++repetition) {
        // Every size in each repetition, starting with another one each time, so that a drift in
        // the machine's load falls on all sizes alike.
        for (int s = 0; s < sizes.size(); ++s) {
            const int index = (s + repetition) % sizes.size();
            const int size = sizes.at(index);
            pasteGroup(figures, size, pastedText);
            deleteEveryOtherGroup(figures, size);
            deleteAllMiB[index] = deleteAllGroup(figures, size);
        }
        std::fprintf(stderr, "repetition %d of %d done\n", repetition + 1, repetitions);
    }
    figures.print();
    for (int s = 0; s < sizes.size(); ++s)
        std::printf(
            "delete all on %6d rows: the table held %.1f MiB, its undo step holds %.1f MiB\n",
            sizes.at(s), deleteAllMiB.at(s).table, deleteAllMiB.at(s).step);
    return 0;
}
