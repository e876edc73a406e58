// CPlaybackTableModel: the eight-column point table, numbers shown with their column's decimals.
#pragma once

#include "playback/playbackpoint.h"

#include <QScopedValueRollback>
#include <QSignalBlocker>
#include <QStandardItemModel>
#include <QVector>

class CPlaybackTableModel : public QStandardItemModel
{
    Q_OBJECT

public:
    enum Column {
        MotionStyleColumn,
        IsGrabColumn,
        XColumn,
        YColumn,
        ZColumn,
        RHeadColumn,
        GripperColumn,
        PauseTimeColumn,
        ColumnCount
    };

    // Marks a row whose point, as shown, the arm cannot reach; shown as a tinted row header. Kept
    // on the row's first cell so that it moves with the row, and worked out whenever the row's
    // cells are written, so that a run need not check its points.
    enum { OutOfReachRole = Qt::UserRole + 1 };

    explicit CPlaybackTableModel(QObject *parent = nullptr);

    // Centres every cell and shows number cells as fixed-point text, whether they hold a float or
    // text: what is shown is also what is read back as a point.
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;

    // 1 for X, Y and Z, 3 for the other number columns.
    static int decimals(int column);
    // What the cell holds under the edit role; invalid for a cell never written.
    QVariant storedValue(int row, int column) const;
    // The number a number cell shows, as reading its text back would give it, without the text.
    float shownNumber(int row, int column) const;

    // Reads the row as shown; an unknown motion style text leaves point.motionStyle as it is.
    void readRow(int row, PlaybackPoint &point) const;
    // Every row read as shown into one record, so that a row with an unknown motion style text
    // repeats the previous row's (JUMP for row 0). Reading every cell of a large table costs far
    // more than a run's offers, so the result is kept until the model changes.
    const PlaybackPoints &shownPoints() const;
    // Tells the model that its rows were just written from written, one point per row, so that
    // shownPoints() needs no reading of the cells.
    void setWrittenPoints(const PlaybackPoints &written);

    // Removes the rows (ascending, distinct) in one pass. Rows apart would each cost a pass over
    // the model and its views; instead the rows from the first removed one on are rebuilt once.
    void removeRowList(const QList<int> &ascendingRows);

    // Rows as a step of the undo history keeps them: their numbers (ascending, distinct) and the
    // ColumnCount stored values of each (invalid for a cell never written).
    struct StoredRows
    {
        QList<int> rows;
        QVector<QVariant> cells;
    };
    StoredRows storedRows(const QList<int> &ascendingRows) const;
    // The counterpart of removeRowList: puts the rows in so that each ends at its number, in one
    // pass, marking those out of reach and keeping the marks of the rows that make room.
    void insertRowList(const StoredRows &stored);

    QVariant headerData(
        int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

    bool isRowOutOfReach(int row) const;
    // Counted as marks come and go, so that a table within reach is known without a look at it.
    int outOfReachRowCount() const;
    // The marked rows, lowest first, at most limit of them.
    QList<int> outOfReachRows(int limit) const;
    static QColor outOfReachTint();

    // The row whose point the arm executes, -1 for none; shown as a tinted row header.
    void setRunningRow(int row);
    int runningRow() const;
    static QColor runningRowTint();

private slots:
    void forgetShownPoints();

    void onDataChanged(
        const QModelIndex &topLeft, const QModelIndex &bottomRight, const QVector<int> &roles);
    void onRowsAboutToBeRemoved(const QModelIndex &parent, int first, int last);

private:
    // Inserts count rows at row and runs fill, which writes their cells and marks. Views hear of
    // one insertion and one change of the whole block instead of a change per cell, which keeps
    // large tables linear.
    template <class Fill>
    void insertRowsFilled(int row, int count, Fill fill)
    {
        if (count <= 0)
            return;
        insertRows(row, count);
        {
            const QSignalBlocker blocker(this);
            fill();
        }
        const QScopedValueRollback<bool> marked(rowsMarkedByFill, true);
        emit dataChanged(index(row, 0), index(row + count - 1, ColumnCount - 1));
        emit headerDataChanged(Qt::Vertical, row, row + count - 1);
    }

    void setRowOutOfReach(int row, bool outOfReach);
    // Marks the row by whether the arm reaches the point it shows.
    void markReach(int row);

    mutable PlaybackPoints knownShownPoints;
    mutable bool shownPointsKnown = false;
    int outOfReachCount = 0;
    bool rowsMarkedByFill = false;
    int markedRunningRow = -1;
};
