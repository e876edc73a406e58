// CPlaybackTableModel: the eight-column point table, numbers shown with their column's decimals.
#include "playback/cplaybacktablemodel.h"

#include "playback/playbackpoint.h"

#include <QColor>

CPlaybackTableModel::CPlaybackTableModel(QObject *parent)
    : QStandardItemModel(0, ColumnCount, parent)
{
    connect(this, SIGNAL(dataChanged(QModelIndex, QModelIndex, QVector<int>)), this,
        SLOT(onDataChanged(QModelIndex, QModelIndex, QVector<int>)));
}

QVariant CPlaybackTableModel::data(const QModelIndex &index, int role) const
{
    if (role == Qt::TextAlignmentRole)
        return int(Qt::AlignCenter);
    if (role == Qt::DisplayRole && index.column() >= XColumn) {
        // Text that does not parse shows as 0; a float is widened before it is rounded.
        const float value = pointNumber(QStandardItemModel::data(index, role));
        const int decimals = index.column() <= ZColumn ? 1 : 3;
        return QString::number(double(value), 'f', decimals);
    }
    return QStandardItemModel::data(index, role);
}

QVariant CPlaybackTableModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation == Qt::Vertical && role == Qt::BackgroundRole && isRowOutOfReach(section))
        return outOfReachTint();
    return QStandardItemModel::headerData(section, orientation, role);
}

void CPlaybackTableModel::setRowOutOfReach(int row, bool outOfReach)
{
    if (row < 0 || row >= rowCount() || isRowOutOfReach(row) == outOfReach)
        return;
    setData(
        index(row, MotionStyleColumn), outOfReach ? QVariant(true) : QVariant(), OutOfReachRole);
    emit headerDataChanged(Qt::Vertical, row, row);
}

bool CPlaybackTableModel::isRowOutOfReach(int row) const
{
    return QStandardItemModel::data(index(row, MotionStyleColumn), OutOfReachRole).toBool();
}

QColor CPlaybackTableModel::outOfReachTint()
{
    return QColor(0xF4, 0xB4, 0xB4);
}

void CPlaybackTableModel::onDataChanged(
    const QModelIndex &topLeft, const QModelIndex &bottomRight, const QVector<int> &roles)
{
    if (roles.size() == 1 && roles.first() == OutOfReachRole)
        return;
    for (int row = topLeft.row(); row <= bottomRight.row(); ++row)
        setRowOutOfReach(row, false);
}
