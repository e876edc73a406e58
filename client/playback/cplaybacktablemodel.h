// CPlaybackTableModel: the eight-column point table, numbers shown with their column's decimals.
#pragma once

#include "playback/playbackpoint.h"

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

    // Marks a row whose point the arm cannot reach, shown as a tinted row header; kept on the
    // row's first cell so that it moves with the row.
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

    // Inserts count rows at row and runs fill, which writes their cells. Views hear of one
    // insertion and one change of the whole block instead of a change per cell, which keeps
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
        emit dataChanged(index(row, 0), index(row + count - 1, ColumnCount - 1));
    }

    // Removes the rows (ascending, distinct) in one pass. Rows apart would each cost a pass over
    // the model and its views; instead the rows from the first removed one on are rebuilt once.
    void removeRowList(const QList<int> &ascendingRows);

    // Rows as a step of the undo history keeps them: their numbers (ascending, distinct), the
    // ColumnCount stored values of each (invalid for a cell never written) and which of them are
    // marked out of reach.
    struct StoredRows
    {
        QList<int> rows;
        QVector<QVariant> cells;
        QList<int> outOfReachRows;
    };
    StoredRows storedRows(const QList<int> &ascendingRows) const;
    // The counterpart of removeRowList: puts the rows in so that each ends at its number, in one
    // pass, keeping the marks of the rows that make room.
    void insertRowList(const StoredRows &stored);

    QVariant headerData(
        int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

    // A mark lasts until a cell of its row is edited.
    void setRowOutOfReach(int row, bool outOfReach);
    bool isRowOutOfReach(int row) const;
    static QColor outOfReachTint();

    // The row whose point the arm executes, -1 for none; shown as a tinted row header.
    void setRunningRow(int row);
    int runningRow() const;
    static QColor runningRowTint();

private slots:
    void forgetShownPoints();

    void onDataChanged(
        const QModelIndex &topLeft, const QModelIndex &bottomRight, const QVector<int> &roles);

private:
    mutable PlaybackPoints knownShownPoints;
    mutable bool shownPointsKnown = false;
    int markedRunningRow = -1;
};
