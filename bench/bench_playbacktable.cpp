// Row operations of the playback point table at 1,000 and 10,000 rows, to read off their growth.
#include "playback/cplaybacktableview.h"

#include <QApplication>
#include <QItemSelectionModel>

#include <benchmark/benchmark.h>

#include <optional>

namespace {

PlaybackPoints points(int count)
{
    PlaybackPoints result;
    for (int i = 0; i < count; ++i)
        result.append(PlaybackPoint {
            uint8_t(i % 3), uint8_t(i % 2), 0.1f * i, -20.5f, 50.25f, 45.125f, 10.f, 0.5f });
    return result;
}

// A shown table of points; what a timed run changes is made anew, untimed, before the next.
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
        const int rows = view.model()->rowCount();
        for (int row = 0; row < rows; row += step)
            selection.select(view.model()->index(row, 0), view.model()->index(row, 7));
        view.selectionModel()->select(selection, QItemSelectionModel::ClearAndSelect);
    }

    CPlaybackTableView view;
};

void rowsArgs(benchmark::internal::Benchmark *benchmark)
{
    benchmark->Arg(1000)->Arg(10000)->Unit(benchmark::kMillisecond)->Iterations(5);
}

// An import over a table of as many rows.
void BM_SetPoints(benchmark::State &state)
{
    Table table(int(state.range(0)));
    const PlaybackPoints list = points(int(state.range(0)));
    for (auto _ : state) {
        table.view.setPoints(list);
        QCoreApplication::processEvents();
    }
}
BENCHMARK(BM_SetPoints)->Apply(rowsArgs);

void BM_GetPoints(benchmark::State &state)
{
    Table table(int(state.range(0)));
    for (auto _ : state) {
        PlaybackPoints list;
        table.view.getPoints(list);
        benchmark::DoNotOptimize(list.data());
    }
}
BENCHMARK(BM_GetPoints)->Apply(rowsArgs);

// Every row selected (step 1) or every other row (step 2, one run of rows per selected row).
void deleteSelected(benchmark::State &state, const char *slot, int step)
{
    std::optional<Table> table;
    for (auto _ : state) {
        state.PauseTiming();
        table.reset();
        table.emplace(int(state.range(0)));
        table->selectRows(step);
        state.ResumeTiming();
        table->run(slot);
    }
}

void BM_DeleteAllSelected(benchmark::State &state)
{
    deleteSelected(state, "onRowsDeleteActivated", 1);
}
BENCHMARK(BM_DeleteAllSelected)->Apply(rowsArgs);

void BM_DeleteEveryOtherRow(benchmark::State &state)
{
    deleteSelected(state, "onRowsDeleteActivated", 2);
}
BENCHMARK(BM_DeleteEveryOtherRow)->Apply(rowsArgs);

void BM_CutAllSelected(benchmark::State &state)
{
    deleteSelected(state, "onRowsCutActivated", 1);
}
BENCHMARK(BM_CutAllSelected)->Apply(rowsArgs);

void BM_CutEveryOtherRow(benchmark::State &state)
{
    deleteSelected(state, "onRowsCutActivated", 2);
}
BENCHMARK(BM_CutEveryOtherRow)->Apply(rowsArgs);

void BM_CopyAllSelected(benchmark::State &state)
{
    Table table(int(state.range(0)));
    table.selectRows(1);
    for (auto _ : state)
        table.run("onRowsCopyActivated");
}
BENCHMARK(BM_CopyAllSelected)->Apply(rowsArgs);

// Lines as the table copies them, pasted at the end (selectedRow -1) or over rows from row 0.
void paste(benchmark::State &state, int selectedRow)
{
    const int lines = int(state.range(0));
    std::optional<Table> table;
    table.emplace(lines);
    table->selectRows(1);
    table->run("onRowsCopyActivated");
    for (auto _ : state) {
        state.PauseTiming();
        table.reset();
        table.emplace(lines);
        if (selectedRow >= 0)
            table->view.selectRow(selectedRow);
        state.ResumeTiming();
        table->run("onRowsPasteActivated");
    }
}

void BM_PasteAppend(benchmark::State &state)
{
    paste(state, -1);
}
BENCHMARK(BM_PasteAppend)->Apply(rowsArgs);

void BM_PasteOverRows(benchmark::State &state)
{
    paste(state, 0);
}
BENCHMARK(BM_PasteOverRows)->Apply(rowsArgs);

} // namespace

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
