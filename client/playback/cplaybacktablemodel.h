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

    explicit CPlaybackTableModel(QObject *parent = nullptr);

    // Centres every cell and shows number cells as fixed-point text, whether they hold a float or
    // text: what is shown is also what is read back as a point.
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
};
