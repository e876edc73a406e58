// CPlaybackTableEditCommand: one undoable change of the point table: the rows it took out and the
// rows it put in.
#pragma once

#include "playback/cplaybacktablemodel.h"

#include <QUndoCommand>

class QTableView;

class CPlaybackTableEditCommand : public QUndoCommand
{
public:
    // removed holds the rows that go, numbered as before the change; inserted the rows that come,
    // numbered as after it. A cell edit is one row replaced, a move one row out and one in.
    CPlaybackTableEditCommand(const QString &text, QTableView *view,
        CPlaybackTableModel::StoredRows removed, CPlaybackTableModel::StoredRows inserted);

    // For a change the table holds already, as a committed cell editor leaves it: the first
    // redo() changes nothing.
    void setAlreadyDone();
    // The column of the cell made current when the step is undone or redone.
    void setCurrentColumn(int column);

    // The first redo() only changes the rows: the edit that pushed the step places the selection
    // as it always has. Later ones select the rows that came back, or the row where they went.
    void redo() override;
    void undo() override;

private:
    void apply(const CPlaybackTableModel::StoredRows &going,
        const CPlaybackTableModel::StoredRows &coming);

    QTableView *const view;
    CPlaybackTableModel *const model;
    const CPlaybackTableModel::StoredRows removed;
    const CPlaybackTableModel::StoredRows inserted;
    int currentColumn = 0;
    bool firstRedo = true;
    bool alreadyDone = false;
};
