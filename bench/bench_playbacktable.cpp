// Row operations of the playback point table at 1,000, 10,000 and 100,000 rows, to read off their
// growth. Usage: bench_playbacktable [repetitions [largest size [operations whose name holds]]].
#include "benchfigures.h"
#include "benchtable.h"

#include <QApplication>

#include <cstdio>
#include <functional>
#include <memory>

namespace {

struct Operation
{
    const char *name;
    // Prepares the table untimed; returns what is timed.
    std::function<std::function<void()>(BenchTable &)> prepare;
    // The row count the operation must leave behind a table of n rows.
    std::function<int(int)> rowsAfter;
};

std::function<void()> runSlot(BenchTable &table, const char *slot)
{
    return [&table, slot] { table.run(slot); };
}

// Selects every step-th row, then runs slot.
std::function<std::function<void()>(BenchTable &)> onSelectedRows(int step, const char *slot)
{
    return [step, slot](BenchTable &table) {
        table.selectRows(step);
        return runSlot(table, slot);
    };
}

// Selects the middle row, then runs slot.
std::function<std::function<void()>(BenchTable &)> onMiddleRow(const char *slot)
{
    return [slot](BenchTable &table) {
        table.view.selectRow(table.rowCount() / 2);
        return runSlot(table, slot);
    };
}

// The table's own copy of all its rows, put on the clipboard; pasted over row `over` (-1: append).
std::function<std::function<void()>(BenchTable &)> pasteAllRows(int over)
{
    return [over](BenchTable &table) {
        table.selectRows(1);
        table.run("onRowsCopyActivated");
        table.view.clearSelection();
        if (over >= 0)
            table.view.selectRow(over);
        return runSlot(table, "onRowsPasteActivated");
    };
}

const std::function<int(int)> sameRows = [](int n) { return n; };

const QVector<Operation> operations {
    { "setPoints (n over n rows)",
        [](BenchTable &table) {
            const PlaybackPoints list = BenchTable::points(table.rowCount());
            return std::function<void()>([&table, list] {
                table.view.setPoints(list);
                QCoreApplication::processEvents();
            });
        },
        sameRows },
    { "getPoints",
        [](BenchTable &table) {
            return std::function<void()>([&table] {
                PlaybackPoints list;
                table.view.getPoints(list);
                if (list.size() != table.rowCount())
                    qFatal(
                        "getPoints gave %d points of %d rows", int(list.size()), table.rowCount());
            });
        },
        sameRows },
    { "insertPoint, nothing selected",
        [](BenchTable &table) {
            table.view.clearSelection();
            return std::function<void()>([&table] {
                table.view.insertPoint(1, BenchTable::points(1).first());
                QCoreApplication::processEvents();
            });
        },
        [](int n) { return n + 1; } },
    { "insertPoint above the middle row",
        [](BenchTable &table) {
            table.view.selectRow(table.rowCount() / 2);
            return std::function<void()>([&table] {
                table.view.insertPoint(0, BenchTable::points(1).first());
                QCoreApplication::processEvents();
            });
        },
        [](int n) { return n + 1; } },
    { "duplicate the middle row (Insert)", onMiddleRow("onRowInsertActivated"),
        [](int n) { return n + 1; } },
    { "move the middle row up", onMiddleRow("onRowMoveUpActivated"), sameRows },
    { "move the middle row down", onMiddleRow("onRowMoveDownActivated"), sameRows },
    { "delete current row (menu)", onMiddleRow("onDeleteActTriggered"),
        [](int n) { return n - 1; } },
    { "delete all selected (Delete)", onSelectedRows(1, "onRowsDeleteActivated"),
        [](int) { return 0; } },
    { "delete every other row (Delete)", onSelectedRows(2, "onRowsDeleteActivated"),
        [](int n) { return n / 2; } },
    { "cut all selected", onSelectedRows(1, "onRowsCutActivated"), [](int) { return 0; } },
    { "cut every other row", onSelectedRows(2, "onRowsCutActivated"), [](int n) { return n / 2; } },
    { "copy all selected", onSelectedRows(1, "onRowsCopyActivated"), sameRows },
    { "paste n rows, nothing selected", pasteAllRows(-1), [](int n) { return 2 * n; } },
    { "paste n rows over row 0", pasteAllRows(0), sameRows },
    { "delete all (menu, Yes)",
        [](BenchTable &table) {
            return std::function<void()>([&table] {
                BenchTable::answerYes();
                table.run("onDeleteAllActTriggered");
            });
        },
        [](int) { return 0; } },
};

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const int repetitions = argc > 1 ? std::max(1, atoi(argv[1])) : 5;
    const int largest = argc > 2 ? atoi(argv[2]) : 100000;
    const QString only = argc > 3 ? QString::fromLocal8Bit(argv[3]) : QString();
    QVector<int> sizes;
    for (int size = 1000; size <= largest; size *= 10)
        sizes.append(size);

    BenchFigures figures;
    for (int repetition = 0; repetition < repetitions; ++repetition) {
        // Every size in each repetition, starting with another one each time, so that a drift in
        // the machine's load falls on all sizes alike.
        for (int s = 0; s < sizes.size(); ++s) {
            const int size = sizes.at((s + repetition) % sizes.size());
            for (const Operation &operation : operations) {
                if (!QLatin1String(operation.name).contains(only))
                    continue;
                auto table = std::make_unique<BenchTable>(size);
                const std::function<void()> timed = operation.prepare(*table);
                figures.time(QLatin1String(operation.name), size, timed);
                const int expected = operation.rowsAfter(size);
                if (table->rowCount() != expected)
                    qFatal("%s on %d rows left %d rows, not %d", operation.name, size,
                        table->rowCount(), expected);
            }
        }
        std::fprintf(stderr, "repetition %d of %d done\n", repetition + 1, repetitions);
    }
    figures.print();
    return 0;
}
