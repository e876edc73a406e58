// Row operations of the playback point table at 1,000, 10,000 and 100,000 rows, to read off their
// growth. Usage: bench_playbacktable [repetitions [largest size [operations whose name holds]]].
#include "benchfigures.h"
#include "playback/cplaybacktableview.h"

#include <QAbstractButton>
#include <QApplication>
#include <QClipboard>
#include <QItemSelectionModel>
#include <QMessageBox>
#include <QTimer>

#include <cstdio>
#include <functional>
#include <memory>

namespace {

PlaybackPoints points(int count)
{
    PlaybackPoints result;
    for (int i = 0; i < count; ++i)
        result.append(PlaybackPoint {
            uint8_t(i % 3), uint8_t(i % 2), 0.1f * i, -20.5f, 50.25f, 45.125f, 10.f, 0.5f });
    return result;
}

// A shown table of points, made anew (untimed) for every timed operation.
class Table
{
public:
    explicit Table(int rows)
    {
        view.resize(800, 300);
        view.show();
        view.setPoints(points(rows));
        QCoreApplication::processEvents();
    }

    // Runs a slot as its key or menu item does; the pending layout and paint are part of the cost.
    void run(const char *slot)
    {
        QMetaObject::invokeMethod(&view, slot);
        QCoreApplication::processEvents();
    }

    void selectRows(int step)
    {
        QItemSelection selection;
        const int rows = rowCount();
        for (int row = 0; row < rows; row += step)
            selection.select(view.model()->index(row, 0), view.model()->index(row, 7));
        view.selectionModel()->select(selection, QItemSelectionModel::ClearAndSelect);
    }

    int rowCount() const { return view.model()->rowCount(); }

    CPlaybackTableView view;
};

// Answers the next message box with Yes, from inside its own event loop.
void answerYes()
{
    auto *timer = new QTimer;
    QObject::connect(timer, &QTimer::timeout, [timer] {
        if (auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget())) {
            timer->deleteLater();
            box->button(QMessageBox::Yes)->click();
        }
    });
    timer->start(0);
}

struct Operation
{
    const char *name;
    // Prepares the table untimed; returns what is timed.
    std::function<std::function<void()>(Table &)> prepare;
    // The row count the operation must leave behind a table of n rows.
    std::function<int(int)> rowsAfter;
};

std::function<void()> runSlot(Table &table, const char *slot)
{
    return [&table, slot] { table.run(slot); };
}

// Selects every step-th row, then runs slot.
std::function<std::function<void()>(Table &)> onSelectedRows(int step, const char *slot)
{
    return [step, slot](Table &table) {
        table.selectRows(step);
        return runSlot(table, slot);
    };
}

// Selects the middle row, then runs slot.
std::function<std::function<void()>(Table &)> onMiddleRow(const char *slot)
{
    return [slot](Table &table) {
        table.view.selectRow(table.rowCount() / 2);
        return runSlot(table, slot);
    };
}

// The table's own copy of all its rows, put on the clipboard; pasted over row `over` (-1: append).
std::function<std::function<void()>(Table &)> pasteAllRows(int over)
{
    return [over](Table &table) {
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
        [](Table &table) {
            const PlaybackPoints list = points(table.rowCount());
            return std::function<void()>([&table, list] {
                table.view.setPoints(list);
                QCoreApplication::processEvents();
            });
        },
        sameRows },
    { "getPoints",
        [](Table &table) {
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
        [](Table &table) {
            table.view.clearSelection();
            return std::function<void()>([&table] {
                table.view.insertPoint(1, points(1).first());
                QCoreApplication::processEvents();
            });
        },
        [](int n) { return n + 1; } },
    { "insertPoint above the middle row",
        [](Table &table) {
            table.view.selectRow(table.rowCount() / 2);
            return std::function<void()>([&table] {
                table.view.insertPoint(0, points(1).first());
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
        [](Table &table) {
            return std::function<void()>([&table] {
                answerYes();
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
                auto table = std::make_unique<Table>(size);
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
