// CPlaybackTableView: the table of playback points, with row editing, its menu and file drops.
#pragma once

#include "playback/playbackpoint.h"

#include <QTableView>

class CPlaybackTableModel;
class QMenu;
class QSignalMapper;

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
    // Long lists go in in blocks, with progress called between them.
    void setPoints(const PlaybackPoints &points, const PointsProgress &progress = {});
    // Appends every row; a row with an unknown motion style text repeats the previous row's.
    void getPoints(PlaybackPoints &points) const;

signals:
    void insertActTriggered(int insertMode);

protected:
    void dragEnterEvent(QDragEnterEvent *event) override;
    void dragMoveEvent(QDragMoveEvent *event) override;
    void dropEvent(QDropEvent *event) override;

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
    void onDeleteActTriggered();
    void onDeleteAllActTriggered();

private:
    void createShortcuts();
    void createContextMenu();
    QList<int> selectedRowNumbers() const;
    bool isMultipleSelection() const;
    void showMultipleSelectionMessage();
    void removeSelectedRows(const QList<int> &ascendingRows);
    // Where row lies once the rows are removed, or where the current cell of a removed row goes;
    // -1 when no row is left for it.
    int rowAfterRemoval(int row, const QList<int> &ascendingRows) const;
    void replaceRows(int firstRow, const QVector<QStringList> &rows);
    void moveRow(int from, int to);

    CPlaybackTableModel *tableModel = nullptr;
    QMenu *contextMenu = nullptr;
    QSignalMapper *insertActMapper = nullptr;
};
