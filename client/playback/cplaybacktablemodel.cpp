// CPlaybackTableModel: the eight-column point table, numbers shown with their column's decimals.
#include "playback/cplaybacktablemodel.h"

#include "playback/playbackpoint.h"

#include <QVector>

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
        return QString::number(double(value), 'f', decimals(index.column()));
    }
    return QStandardItemModel::data(index, role);
}

int CPlaybackTableModel::decimals(int column)
{
    return column <= ZColumn ? 1 : 3;
}

QVariant CPlaybackTableModel::storedValue(int row, int column) const
{
    const QStandardItem *cell = item(row, column);
    return cell ? cell->data(Qt::EditRole) : QVariant();
}

float CPlaybackTableModel::shownNumber(int row, int column) const
{
    return roundedAsShown(pointNumber(storedValue(row, column)), decimals(column));
}

void CPlaybackTableModel::removeRowList(const QList<int> &ascendingRows)
{
    if (ascendingRows.isEmpty())
        return;
    const int first = ascendingRows.first();
    if (ascendingRows.last() - first + 1 == ascendingRows.size()) {
        removeRows(first, ascendingRows.size());
        return;
    }
    const int oldRowCount = rowCount();
    QVector<QVariant> kept;
    kept.reserve((oldRowCount - first - ascendingRows.size()) * ColumnCount);
    auto removed = ascendingRows.cbegin();
    for (int row = first; row < oldRowCount; ++row) {
        if (removed != ascendingRows.cend() && *removed == row) {
            ++removed;
            continue;
        }
        for (int column = 0; column < ColumnCount; ++column)
            kept.append(storedValue(row, column));
    }
    removeRows(first, oldRowCount - first);
    insertRowsFilled(first, kept.size() / ColumnCount, [&] {
        for (int i = 0; i < kept.size(); ++i) {
            if (kept.at(i).isValid())
                setData(index(first + i / ColumnCount, i % ColumnCount), kept.at(i));
        }
    });
}
