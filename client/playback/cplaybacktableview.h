// CPlaybackTableView: the table of playback points, with row editing, its menu and file drops.
#pragma once

#include "playback/cplaybacktablemodel.h"
#include "playback/playbackpoint.h"

#include <QPersistentModelIndex>
#include <QTableView>

class QMenu;
class QSignalMapper;
class QUndoStack;

class CPlaybackTableView : public QTableView
{
    Q_OBJECT

public:
    explicit CPlaybackTableView(QWidget *parent = nullptr);

    // insertMode 0 inserts above the first selected row, 1 overwrites it, 2 inserts below it;
    // with nothing selected the point is appended.
    void insertPoint(int insertMode, const PlaybackPoint &point);

    void setRowPoint(int row, const PlaybackPoint &point);
    // Reads the row as displayed; an unknown motion style text leaves point.motionStyle as it is.
    void rowPoint(int row, PlaybackPoint &point) const;
    // Replaces the table as a fresh start, which nothing can undo: the undo history is emptied.
    // Long lists go in in blocks, with progress called between them.
    void setPoints(const PlaybackPoints &points, const PointsProgress &progress = {});
    // Replaces the table as one step of the undo history, as an import or a file drop does.
    void importPoints(const PlaybackPoints &points, const PointsProgress &progress = {});
    // One step of the undo history: removedCount rows from firstRow on go, points come there.
    void editRows(
        const QString &stepName, int firstRow, int removedCount, const PlaybackPoints &points);
    // Appends every row; a row with an unknown motion style text repeats the previous row's.
    void getPoints(PlaybackPoints &points) const;
    // Feeds the point after the running row to the arm; F10 anywhere in the window.
    QAction *stepAction() const;
    // Plays the table from the selected row on.
    QAction *playFromRowAction() const;

signals:
    void insertActTriggered(int insertMode);
    void stepActTriggered();
    void playFromRowActTriggered(int row);
    // "Import drawing..." chosen; the drawing's rows are to come in at row.
    void importDrawingActTriggered(int row);
    // "Run to this row" had the controller accept the point of row.
    void rowPointSent(int row);

protected:
    void dragEnterEvent(QDragEnterEvent *event) override;
    void dragMoveEvent(QDragMoveEvent *event) override;
    void dropEvent(QDropEvent *event) override;
    bool edit(const QModelIndex &index, EditTrigger trigger, QEvent *event) override;

protected slots:
    // Makes a committed change of a cell one step of the undo history.
    void commitData(QWidget *editor) override;

private slots:
    void onRowsCopyActivated(bool isCut = false);
    void onRowsCutActivated();
    void onRowsPasteActivated();
    void onRowInsertActivated();
    void onRowsDeleteActivated();
    void onRowMoveUpActivated();
    void onRowMoveDownActivated();
    void onSectionsMoved(int logicalIndex, int oldVisualIndex, int newVisualIndex);
    void onCustomContextMenuRequested(const QPoint &pos);
    void onRunToRowActTriggered();
    void onPlayFromRowActTriggered();
    void onDeleteActTriggered();
    void onDeleteAllActTriggered();
    void onImportDrawingActTriggered();

private:
    void createShortcuts();
    void createContextMenu();
    QList<int> selectedRowNumbers() const;
    bool isMultipleSelection() const;
    void showMultipleSelectionMessage();
    // The selected row; -1 when none is, or, after saying so, when several are.
    int singleSelectedRow();
    void removeSelectedRows(const QString &stepName, const QList<int> &ascendingRows);
    // Where row lies once the rows are removed, or where the current cell of a removed row goes;
    // -1 when no row is left for it.
    int rowAfterRemoval(int row, const QList<int> &ascendingRows) const;
    void replaceRows(int firstRow, const QVector<QStringList> &rows);
    void moveRow(const QString &stepName, int from, int to);
    // Pushes and does the step that takes the rows removed out and puts the rows inserted in.
    void pushEdit(const QString &stepName, const QList<int> &removed,
        const CPlaybackTableModel::StoredRows &inserted);
    // The points as stored rows numbered from firstRow on. A point with an unknown motion style
    // leaves that cell as unknownMotionStyle.
    static CPlaybackTableModel::StoredRows pointRows(
        int firstRow, const PlaybackPoints &points, const QVariant &unknownMotionStyle = {});

    CPlaybackTableModel *tableModel = nullptr;
    QMenu *contextMenu = nullptr;
    // Shown instead of the context menu where that does not open (no row selected): the import,
    // and the undo history, so that an emptied table can still be brought back.
    QMenu *noSelectionMenu = nullptr;
    QSignalMapper *insertActMapper = nullptr;
    QAction *stepAct = nullptr;
    QAction *playFromRowAct = nullptr;
    // Every edit of the user's is one step here; Ctrl+Z undoes, Ctrl+Shift+Z and Ctrl+Y redo.
    QUndoStack *edits = nullptr;
    QPersistentModelIndex editedIndex;
};
