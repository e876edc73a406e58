// CPlaybackTableModel: the eight-column point table, numbers shown with their column's decimals.
#include "playback/cplaybacktablemodel.h"

#include "armkinematics.h"
#include "playback/playbackpoint.h"

#include <QColor>
#include <QVector>

#include <algorithm>

CPlaybackTableModel::CPlaybackTableModel(QObject *parent)
    : QStandardItemModel(0, ColumnCount, parent)
{
    // Every change of a standard item model is announced by one of these or by dataChanged, which
    // onDataChanged follows.
    for (const char *change :
        { SIGNAL(rowsInserted(QModelIndex, int, int)), SIGNAL(rowsRemoved(QModelIndex, int, int)),
            SIGNAL(rowsMoved(QModelIndex, int, int, QModelIndex, int)),
            SIGNAL(columnsInserted(QModelIndex, int, int)),
            SIGNAL(columnsRemoved(QModelIndex, int, int)),
            SIGNAL(columnsMoved(QModelIndex, int, int, QModelIndex, int)), SIGNAL(layoutChanged()),
            SIGNAL(modelReset()) })
        connect(this, change, this, SLOT(forgetShownPoints()));
    connect(this, SIGNAL(dataChanged(QModelIndex, QModelIndex, QVector<int>)), this,
        SLOT(onDataChanged(QModelIndex, QModelIndex, QVector<int>)));
    connect(this, SIGNAL(rowsAboutToBeRemoved(QModelIndex, int, int)), this,
        SLOT(onRowsAboutToBeRemoved(QModelIndex, int, int)));
}

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

void CPlaybackTableModel::readRow(int row, PlaybackPoint &point) const
{
    // Columns 0 and 1 show what they hold; the numbers as their texts would read back.
    const int motionStyle = motionStyleFromText(storedValue(row, MotionStyleColumn).toString());
    if (motionStyle >= 0)
        point.motionStyle = uint8_t(motionStyle);
    point.isGrab = storedValue(row, IsGrabColumn).toBool() ? 1 : 0;
    float *const values[]
        = { &point.x, &point.y, &point.z, &point.rHead, &point.gripper, &point.pauseTime };
    for (int i = 0; i < ColumnCount - XColumn; ++i)
        *values[i] = shownNumber(row, XColumn + i);
}

const PlaybackPoints &CPlaybackTableModel::shownPoints() const
{
    if (!shownPointsKnown) {
        const int rows = rowCount();
        knownShownPoints.clear();
        knownShownPoints.reserve(rows);
        PlaybackPoint point {};
        for (int row = 0; row < rows; ++row) {
            readRow(row, point);
            knownShownPoints.append(point);
        }
        shownPointsKnown = true;
    }
    return knownShownPoints;
}

void CPlaybackTableModel::setWrittenPoints(const PlaybackPoints &written)
{
    if (written.size() != rowCount())
        return;
    // What writing a point into a row and reading it back gives: an unknown motion style leaves
    // the cell empty, a number that is not finite shows as 0.
    knownShownPoints.clear();
    knownShownPoints.reserve(written.size());
    PlaybackPoint point {};
    for (const PlaybackPoint &source : written) {
        if (!motionStyleText(source.motionStyle).isEmpty())
            point.motionStyle = source.motionStyle;
        point.isGrab = source.isGrab ? 1 : 0;
        const float *const sources[] = { &source.x, &source.y, &source.z, &source.rHead,
            &source.gripper, &source.pauseTime };
        float *const values[]
            = { &point.x, &point.y, &point.z, &point.rHead, &point.gripper, &point.pauseTime };
        for (int i = 0; i < ColumnCount - XColumn; ++i)
            *values[i] = roundedAsShown(pointNumber(*sources[i]), decimals(XColumn + i));
        knownShownPoints.append(point);
    }
    shownPointsKnown = true;
}

void CPlaybackTableModel::forgetShownPoints()
{
    shownPointsKnown = false;
    knownShownPoints.clear();
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
    // Rebuilt rows keep their out-of-reach marks: only an edit clears one.
    QVector<int> keptMarks;
    auto removed = ascendingRows.cbegin();
    for (int row = first; row < oldRowCount; ++row) {
        if (removed != ascendingRows.cend() && *removed == row) {
            ++removed;
            continue;
        }
        if (isRowOutOfReach(row))
            keptMarks.append(first + kept.size() / ColumnCount);
        for (int column = 0; column < ColumnCount; ++column)
            kept.append(storedValue(row, column));
    }
    removeRows(first, oldRowCount - first);
    insertRowsFilled(first, kept.size() / ColumnCount, [&] {
        for (int i = 0; i < kept.size(); ++i) {
            if (kept.at(i).isValid())
                setData(index(first + i / ColumnCount, i % ColumnCount), kept.at(i));
        }
        for (int row : qAsConst(keptMarks))
            setRowOutOfReach(row, true);
    });
}

CPlaybackTableModel::StoredRows CPlaybackTableModel::storedRows(
    const QList<int> &ascendingRows) const
{
    StoredRows stored;
    stored.rows = ascendingRows;
    stored.cells.reserve(ascendingRows.size() * ColumnCount);
    for (int row : ascendingRows) {
        for (int column = 0; column < ColumnCount; ++column)
            stored.cells.append(storedValue(row, column));
    }
    return stored;
}

void CPlaybackTableModel::insertRowList(const StoredRows &stored)
{
    const QList<int> &rows = stored.rows;
    if (rows.isEmpty())
        return;
    const auto writeRow = [this](int row, const QVariant *cells) {
        for (int column = 0; column < ColumnCount; ++column) {
            if (cells[column].isValid())
                setData(index(row, column), cells[column]);
        }
    };
    const auto writeNewRow = [&](int row, const QVariant *cells) {
        writeRow(row, cells);
        markReach(row);
    };
    const int first = rows.first();
    if (rows.last() - first + 1 == rows.size()) {
        insertRowsFilled(first, rows.size(), [&] {
            for (int i = 0; i < rows.size(); ++i)
                writeNewRow(first + i, stored.cells.constData() + i * ColumnCount);
        });
    } else {
        // As in removeRowList: the rows from the first new one on are taken out and rebuilt.
        const int oldRowCount = rowCount();
        QVector<QVariant> kept;
        kept.reserve((oldRowCount - first) * ColumnCount);
        QVector<bool> keptMarks;
        keptMarks.reserve(oldRowCount - first);
        for (int row = first; row < oldRowCount; ++row) {
            for (int column = 0; column < ColumnCount; ++column)
                kept.append(storedValue(row, column));
            keptMarks.append(isRowOutOfReach(row));
        }
        removeRows(first, oldRowCount - first);
        const int newRowCount = oldRowCount + rows.size();
        insertRowsFilled(first, newRowCount - first, [&] {
            int inserted = 0;
            int keptRow = 0;
            for (int row = first; row < newRowCount; ++row) {
                if (inserted < rows.size() && rows.at(inserted) == row) {
                    writeNewRow(row, stored.cells.constData() + inserted * ColumnCount);
                    ++inserted;
                } else {
                    writeRow(row, kept.constData() + keptRow * ColumnCount);
                    setRowOutOfReach(row, keptMarks.at(keptRow));
                    ++keptRow;
                }
            }
        });
    }
}

QVariant CPlaybackTableModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation == Qt::Vertical && role == Qt::BackgroundRole && section == markedRunningRow)
        return runningRowTint();
    if (orientation == Qt::Vertical && role == Qt::BackgroundRole && isRowOutOfReach(section))
        return outOfReachTint();
    return QStandardItemModel::headerData(section, orientation, role);
}

void CPlaybackTableModel::setRowOutOfReach(int row, bool outOfReach)
{
    if (row < 0 || row >= rowCount() || isRowOutOfReach(row) == outOfReach)
        return;
    outOfReachCount += outOfReach ? 1 : -1;
    setData(
        index(row, MotionStyleColumn), outOfReach ? QVariant(true) : QVariant(), OutOfReachRole);
    emit headerDataChanged(Qt::Vertical, row, row);
}

void CPlaybackTableModel::markReach(int row)
{
    const bool reachable = bool(ArmKinematics::inverse({ shownNumber(row, XColumn),
        shownNumber(row, YColumn), shownNumber(row, ZColumn), shownNumber(row, RHeadColumn) }));
    setRowOutOfReach(row, !reachable);
}

bool CPlaybackTableModel::isRowOutOfReach(int row) const
{
    return QStandardItemModel::data(index(row, MotionStyleColumn), OutOfReachRole).toBool();
}

int CPlaybackTableModel::outOfReachRowCount() const
{
    return outOfReachCount;
}

QList<int> CPlaybackTableModel::outOfReachRows(int limit) const
{
    QList<int> rows;
    const int wanted = std::min(limit, outOfReachCount);
    for (int row = 0; row < rowCount() && rows.size() < wanted; ++row) {
        if (isRowOutOfReach(row))
            rows.append(row);
    }
    return rows;
}

QColor CPlaybackTableModel::outOfReachTint()
{
    return QColor(0xF4, 0xB4, 0xB4);
}

void CPlaybackTableModel::setRunningRow(int row)
{
    const int previous = markedRunningRow;
    markedRunningRow = row >= 0 && row < rowCount() ? row : -1;
    if (markedRunningRow == previous)
        return;
    for (int changed : { previous, markedRunningRow })
        if (changed >= 0 && changed < rowCount())
            emit headerDataChanged(Qt::Vertical, changed, changed);
}

int CPlaybackTableModel::runningRow() const
{
    return markedRunningRow;
}

QColor CPlaybackTableModel::runningRowTint()
{
    return QColor(0xA8, 0xE0, 0xA0);
}

void CPlaybackTableModel::onDataChanged(
    const QModelIndex &topLeft, const QModelIndex &bottomRight, const QVector<int> &roles)
{
    if (roles.size() == 1 && roles.first() == OutOfReachRole)
        return;
    forgetShownPoints();
    if (rowsMarkedByFill)
        return;
    for (int row = topLeft.row(); row <= bottomRight.row(); ++row)
        markReach(row);
}

void CPlaybackTableModel::onRowsAboutToBeRemoved(const QModelIndex &, int first, int last)
{
    for (int row = first; row <= last && outOfReachCount > 0; ++row) {
        if (isRowOutOfReach(row))
            --outOfReachCount;
    }
}
