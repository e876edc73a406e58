// CPlaybackTableEditCommand: one undoable change of the point table: the rows it took out and the
// rows it put in.
#include "playback/cplaybacktableeditcommand.h"

#include <QItemSelectionModel>
#include <QTableView>

#include <algorithm>
#include <utility>

CPlaybackTableEditCommand::CPlaybackTableEditCommand(const QString &text, QTableView *view,
    CPlaybackTableModel::StoredRows removed, CPlaybackTableModel::StoredRows inserted)
    : QUndoCommand(text)
    , view(view)
    , model(static_cast<CPlaybackTableModel *>(view->model()))
    , removed(std::move(removed))
    , inserted(std::move(inserted))
{ }

void CPlaybackTableEditCommand::setAlreadyDone()
{
    alreadyDone = true;
}

void CPlaybackTableEditCommand::setCurrentColumn(int column)
{
    currentColumn = column;
}

void CPlaybackTableEditCommand::redo()
{
    if (firstRedo) {
        firstRedo = false;
        if (!alreadyDone) {
            model->removeRowList(removed.rows);
            model->insertRowList(inserted);
        }
        return;
    }
    apply(removed, inserted);
}

void CPlaybackTableEditCommand::undo()
{
    apply(inserted, removed);
}

void CPlaybackTableEditCommand::apply(
    const CPlaybackTableModel::StoredRows &going, const CPlaybackTableModel::StoredRows &coming)
{
    QItemSelectionModel *selection = view->selectionModel();
    // Emptied first, a selection of many rows is not updated row by row while they move.
    selection->clearSelection();
    model->removeRowList(going.rows);
    model->insertRowList(coming);

    QItemSelection rows;
    const QList<int> &comingRows = coming.rows;
    for (int first = 0; first < comingRows.size();) {
        int last = first;
        while (last + 1 < comingRows.size() && comingRows.at(last + 1) == comingRows.at(last) + 1)
            ++last;
        rows.append(QItemSelectionRange(model->index(comingRows.at(first), 0),
            model->index(comingRows.at(last), CPlaybackTableModel::ColumnCount - 1)));
        first = last + 1;
    }
    int currentRow = comingRows.isEmpty() ? -1 : comingRows.first();
    if (currentRow < 0 && !going.rows.isEmpty() && model->rowCount() > 0) {
        currentRow = std::min(going.rows.first(), model->rowCount() - 1);
        rows.select(model->index(currentRow, 0),
            model->index(currentRow, CPlaybackTableModel::ColumnCount - 1));
    }
    if (currentRow < 0)
        return;
    const QModelIndex current = model->index(currentRow, currentColumn);
    selection->setCurrentIndex(current, QItemSelectionModel::NoUpdate);
    selection->select(rows, QItemSelectionModel::Select);
    view->scrollTo(current);
}
