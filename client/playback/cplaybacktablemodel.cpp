// CPlaybackTableModel: the eight-column point table, numbers shown with their column's decimals.
#include "playback/cplaybacktablemodel.h"

#include "playback/playbackpoint.h"

CPlaybackTableModel::CPlaybackTableModel(QObject *parent)
    : QStandardItemModel(0, ColumnCount, parent)
{ }

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
