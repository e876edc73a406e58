// CPlaybackTableModel: the eight-column point table, numbers shown with their column's decimals.
#pragma once

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

    // Marks a row whose point the arm cannot reach, shown as a tinted row header; kept on the
    // row's first cell so that it moves with the row.
    enum { OutOfReachRole = Qt::UserRole + 1 };

    explicit CPlaybackTableModel(QObject *parent = nullptr);

    // Centres every cell and shows number cells as fixed-point text, whether they hold a float or
    // text: what is shown is also what is read back as a point.
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QVariant headerData(
        int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

    // A mark lasts until a cell of its row is edited.
    void setRowOutOfReach(int row, bool outOfReach);
    bool isRowOutOfReach(int row) const;
    static QColor outOfReachTint();

private slots:
    void onDataChanged(
        const QModelIndex &topLeft, const QModelIndex &bottomRight, const QVector<int> &roles);
};
