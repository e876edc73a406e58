// CPlaybackTableModel: the eight-column point table, numbers shown with their column's decimals.
#pragma once

#include <QSignalBlocker>
#include <QStandardItemModel>

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
};
