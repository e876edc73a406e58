// BenchTable: a shown point table for the table benchmarks, with the user's row operations.
#include "benchtable.h"

#include <QAbstractButton>
#include <QApplication>
#include <QItemSelectionModel>
#include <QMessageBox>
#include <QTimer>
#include <QUndoStack>

#include <cstring>

PlaybackPoints BenchTable::points(int count)
{
    PlaybackPoints result;
    for (int i = 0; i < count; ++i)
        result.append(PlaybackPoint {
            uint8_t(i % 3), uint8_t(i % 2), 0.1f * i, -20.5f, 50.25f, 45.125f, 10.f, 0.5f });
    return result;
}

void BenchTable::answerYes()
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

BenchTable::BenchTable(int rows)
{
    view.resize(800, 300);
    view.show();
    view.setPoints(points(rows));
    QCoreApplication::processEvents();
}

void BenchTable::run(const char *slot)
{
    QMetaObject::invokeMethod(&view, slot);
    QCoreApplication::processEvents();
}

void BenchTable::undo()
{
    view.findChild<QUndoStack *>()->undo();
    QCoreApplication::processEvents();
}

void BenchTable::redo()
{
    view.findChild<QUndoStack *>()->redo();
    QCoreApplication::processEvents();
}

void BenchTable::selectRows(int step)
{
    QItemSelection selection;
    const int rows = rowCount();
    for (int row = 0; row < rows; row += step)
        selection.select(view.model()->index(row, 0), view.model()->index(row, 7));
    view.selectionModel()->select(selection, QItemSelectionModel::ClearAndSelect);
}

int BenchTable::rowCount() const
{
    return view.model()->rowCount();
}

void BenchTable::check(const char *what, int size, const PlaybackPoints &expected) const
{
    PlaybackPoints shown;
    view.getPoints(shown);
    if (shown.size() != expected.size()
        || std::memcmp(shown.constData(), expected.constData(),
               size_t(shown.size()) * sizeof(PlaybackPoint))
            != 0)
        qFatal("%s on %d rows left %d rows, not the %d expected", what, size, int(shown.size()),
            int(expected.size()));
}
