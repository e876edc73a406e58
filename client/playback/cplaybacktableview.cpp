// CPlaybackTableView: the table of playback points, with row editing, its menu and file drops.
#include "playback/cplaybacktableview.h"

#include "playback/ccoordinatextabledelegate.h"
#include "playback/ccoordinateytabledelegate.h"
#include "playback/ccoordinateztabledelegate.h"
#include "playback/cgrippertabledelegate.h"
#include "playback/cisgrabtabledelegate.h"
#include "playback/cmotionstyletabledelegate.h"
#include "playback/cpausetimetabledelegate.h"
#include "playback/cplaybackmanager.h"
#include "playback/cplaybacktableeditcommand.h"
#include "playback/crheadtabledelegate.h"
#include "playback/crowheaderview.h"
#include "widgets/cbusyscope.h"

#include <QApplication>
#include <QClipboard>
#include <QCursor>
#include <QDragEnterEvent>
#include <QHeaderView>
#include <QMenu>
#include <QMessageBox>
#include <QMimeData>
#include <QShortcut>
#include <QSignalMapper>
#include <QUndoStack>

#include <algorithm>

namespace {
constexpr int ColumnCount = CPlaybackTableModel::ColumnCount;
constexpr int MotionStyleColumn = CPlaybackTableModel::MotionStyleColumn;
constexpr int IsGrabColumn = CPlaybackTableModel::IsGrabColumn;
constexpr int XColumn = CPlaybackTableModel::XColumn;

// The distinct rows of the cells, lowest first.
QList<int> rowNumbers(const QModelIndexList &cells)
{
    QList<int> rows;
    rows.reserve(cells.size());
    for (const QModelIndex &cell : cells)
        rows.append(cell.row());
    std::sort(rows.begin(), rows.end());
    rows.erase(std::unique(rows.begin(), rows.end()), rows.end());
    return rows;
}

QList<int> rowRange(int first, int count)
{
    QList<int> rows;
    rows.reserve(count);
    for (int row = first; row < first + count; ++row)
        rows.append(row);
    return rows;
}

// Each step keeps the rows it touched; the limit bounds what a long session of large steps holds.
constexpr int UndoLimit = 100;
} // namespace

CPlaybackTableView::CPlaybackTableView(QWidget *parent)
    : QTableView(parent)
    , tableModel(new CPlaybackTableModel(this))
    , contextMenu(new QMenu(this))
    , noSelectionMenu(new QMenu(this))
    , insertActMapper(new QSignalMapper(this))
    , edits(new QUndoStack(this))
{
    edits->setUndoLimit(UndoLimit);
    setModel(tableModel);
    setVerticalHeader(new CRowHeaderView(this));
    resize(1100, 220);

    const QFont tableFont(QStringLiteral("微软雅黑"), 8);
    const QString headerStyle
        = QStringLiteral("QHeaderView::section{border:1px solid #808080;color:blue;}");
    // The headers take the view's font as its children.
    setFont(tableFont);
    for (QHeaderView *header : { horizontalHeader(), verticalHeader() })
        header->setStyleSheet(headerStyle);
    horizontalHeader()->hide();
    verticalHeader()->setFixedWidth(30);
    verticalHeader()->setSectionsMovable(true);
    setGridStyle(Qt::SolidLine);
    setSelectionBehavior(SelectRows);
    setSelectionMode(ExtendedSelection);
    setFocusPolicy(Qt::StrongFocus);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    for (int column = 0; column < ColumnCount; ++column)
        setColumnWidth(column, 91);
    setAcceptDrops(true);
    setContextMenuPolicy(Qt::CustomContextMenu);

    QAbstractItemDelegate *const delegates[ColumnCount] = {
        new CMotionStyleTableDelegate(this),
        new CIsGrabTableDelegate(this),
        new CCoordinateXTableDelegate(this),
        new CCoordinateYTableDelegate(this),
        new CCoordinateZTableDelegate(this),
        new CRHeadTableDelegate(this),
        new CGripperTableDelegate(this),
        new CPauseTimeTableDelegate(this),
    };
    for (int column = 0; column < ColumnCount; ++column)
        setItemDelegateForColumn(column, delegates[column]);

    createShortcuts();
    createContextMenu();
    connect(verticalHeader(), SIGNAL(sectionMoved(int, int, int)), this,
        SLOT(onSectionsMoved(int, int, int)));
    connect(this, SIGNAL(customContextMenuRequested(QPoint)), this,
        SLOT(onCustomContextMenuRequested(QPoint)));
}

void CPlaybackTableView::insertPoint(int insertMode, const PlaybackPoint &point)
{
    const QModelIndexList cells = selectedIndexes();
    const bool overwrite = !cells.isEmpty() && insertMode == 1;
    const int row = cells.isEmpty() ? tableModel->rowCount()
                                    : cells.first().row() + (insertMode == 2 ? 1 : 0);
    if (overwrite) {
        // The row stays selected and current as when its cells were written over.
        const QModelIndex current = currentIndex();
        const int currentRow = current.row();
        const int currentColumn = current.column();
        // A point of unknown motion style leaves the cell as it was.
        pushEdit(tr("Overwrite row"), { row },
            pointRows(row, { point }, tableModel->storedValue(row, MotionStyleColumn)));
        selectionModel()->select(
            tableModel->index(row, 0), QItemSelectionModel::Select | QItemSelectionModel::Rows);
        if (currentRow >= 0) {
            selectionModel()->setCurrentIndex(
                tableModel->index(currentRow, currentColumn), QItemSelectionModel::NoUpdate);
        }
    } else {
        pushEdit(tr("Insert row"), {}, pointRows(row, { point }));
    }
    if (row == tableModel->rowCount() - 1)
        scrollToBottom();
    else
        scrollTo(tableModel->index(row, 0));
}

void CPlaybackTableView::setRowPoint(int row, const PlaybackPoint &point)
{
    const CPlaybackTableModel::StoredRows stored = pointRows(row, { point });
    for (int column = 0; column < ColumnCount; ++column) {
        if (stored.cells.at(column).isValid())
            tableModel->setData(tableModel->index(row, column), stored.cells.at(column));
    }
}

void CPlaybackTableView::rowPoint(int row, PlaybackPoint &point) const
{
    tableModel->readRow(row, point);
}

void CPlaybackTableView::setPoints(const PlaybackPoints &points, const PointsProgress &progress)
{
    // Large enough that the signals of a block cost nothing beside its rows, small enough that
    // the window can repaint between blocks.
    constexpr int blockRows = 16384;
    edits->clear();
    tableModel->removeRows(0, tableModel->rowCount());
    for (int first = 0; first < points.size(); first += blockRows) {
        const int end = std::min(first + blockRows, int(points.size()));
        tableModel->insertRowList(pointRows(first, points.mid(first, end - first)));
        if (progress)
            progress();
    }
    tableModel->setWrittenPoints(points);
    scrollToTop();
}

void CPlaybackTableView::importPoints(const PlaybackPoints &points, const PointsProgress &progress)
{
    CPlaybackTableModel::StoredRows rows = pointRows(0, points);
    if (progress)
        progress();
    pushEdit(tr("Import %n point(s)", nullptr, points.size()), rowRange(0, tableModel->rowCount()),
        rows);
    tableModel->setWrittenPoints(points);
    scrollToTop();
}

void CPlaybackTableView::editRows(
    const QString &stepName, int firstRow, int removedCount, const PlaybackPoints &points)
{
    pushEdit(stepName, rowRange(firstRow, removedCount), pointRows(firstRow, points));
}

void CPlaybackTableView::getPoints(PlaybackPoints &points) const
{
    points += tableModel->shownPoints();
}

void CPlaybackTableView::dragEnterEvent(QDragEnterEvent *event)
{
    const QList<QUrl> urls = event->mimeData()->urls();
    if (urls.size() != 1 || !urls.first().toLocalFile().endsWith(QLatin1String("xml")))
        return;
    // Only ever a copy: a source told that its file was moved may delete it.
    if (event->possibleActions() & Qt::CopyAction) {
        event->setDropAction(Qt::CopyAction);
        event->accept();
    }
}

// The item view's own handler would refuse a file; the answer given on entering stands.
void CPlaybackTableView::dragMoveEvent(QDragMoveEvent *) { }

void CPlaybackTableView::dropEvent(QDropEvent *event)
{
    CBusyScope busy(window());
    const PointsProgress progress = [&busy] { busy.keepAlive(); };
    PlaybackPoints points;
    CPlaybackManager::instance()->readPoints(
        event->mimeData()->urls().value(0).toLocalFile(), points, progress);
    event->setDropAction(Qt::CopyAction);
    event->setAccepted(!points.isEmpty());
    if (points.isEmpty()) {
        QMessageBox::information(
            this, tr("Warning"), tr("Failed to import playback points!"), QMessageBox::Ok);
        return;
    }
    importPoints(points, progress);
}

bool CPlaybackTableView::edit(const QModelIndex &index, EditTrigger trigger, QEvent *event)
{
    const bool editing = QTableView::edit(index, trigger, event);
    if (editing)
        editedIndex = index;
    return editing;
}

void CPlaybackTableView::commitData(QWidget *editor)
{
    const QModelIndex cell = editedIndex;
    if (!cell.isValid()) {
        QTableView::commitData(editor);
        return;
    }
    const CPlaybackTableModel::StoredRows before = tableModel->storedRows({ cell.row() });
    const QString shownBefore = cell.data().toString();
    QTableView::commitData(editor);
    const QVariant &storedBefore = before.cells.at(cell.column());
    const QVariant storedAfter = tableModel->storedValue(cell.row(), cell.column());
    if (storedAfter.userType() == storedBefore.userType() && storedAfter == storedBefore)
        return;
    if (cell.data().toString() == shownBefore) {
        // The editor writes what it showed, as text: a float or a longer text shown the same way
        // stays as it was, and nothing is worth a step.
        tableModel->setData(cell, storedBefore);
        return;
    }
    auto *step = new CPlaybackTableEditCommand(
        tr("Edit cell"), this, before, tableModel->storedRows({ cell.row() }));
    step->setAlreadyDone();
    step->setCurrentColumn(cell.column());
    edits->push(step);
}

void CPlaybackTableView::onRowsCopyActivated(bool isCut)
{
    const QList<int> rows = selectedRowNumbers();
    if (rows.isEmpty())
        return;
    QString text;
    for (int row : rows) {
        const auto shown = [this, row](int column) {
            return tableModel->data(tableModel->index(row, column)).toString();
        };
        text += shown(MotionStyleColumn) + QLatin1Char('\t') + shown(IsGrabColumn)
            + QLatin1Char('\t');
        for (int column = XColumn; column < ColumnCount; ++column)
            text += QString::number(double(shown(column).toFloat()), 'g', 6) + QLatin1Char('\t');
        text += QLatin1String("\r\n");
    }
    text.chop(2);
    QApplication::clipboard()->setText(text);
    if (isCut)
        removeSelectedRows(tr("Cut %n row(s)", nullptr, rows.size()), rows);
}

void CPlaybackTableView::onRowsCutActivated()
{
    onRowsCopyActivated(true);
}

void CPlaybackTableView::onRowsPasteActivated()
{
    const QStringList lines = QApplication::clipboard()->text().split(QLatin1Char('\n'));
    if (isMultipleSelection()) {
        showMultipleSelectionMessage();
        return;
    }
    QVector<QStringList> pastedRows;
    for (const QString &line : lines) {
        const QStringList fields = line.split(QLatin1Char('\t'));
        if (fields.size() >= ColumnCount)
            pastedRows.append(fields);
    }
    if (pastedRows.isEmpty())
        return;
    const QList<int> selectedRows = selectedRowNumbers();
    replaceRows(selectedRows.isEmpty() ? tableModel->rowCount() : selectedRows.first(), pastedRows);
}

void CPlaybackTableView::onRowInsertActivated()
{
    const QModelIndexList cells = selectedIndexes();
    if (cells.isEmpty())
        return;
    const int row = cells.last().row();
    CPlaybackTableModel::StoredRows copy;
    copy.rows = { row + 1 };
    for (int column = 0; column < ColumnCount; ++column)
        copy.cells.append(tableModel->data(tableModel->index(row, column)).toString());
    pushEdit(tr("Duplicate row"), {}, copy);
    selectRow(row + 1);
}

void CPlaybackTableView::onRowsDeleteActivated()
{
    const QModelIndexList cells = selectedIndexes();
    if (cells.isEmpty())
        return;
    const int lastSelectedRow = cells.last().row();
    const QList<int> rows = rowNumbers(cells);
    removeSelectedRows(tr("Delete %n row(s)", nullptr, rows.size()), rows);
    const int rowCount = tableModel->rowCount();
    if (rowCount > 0)
        selectRow(std::min(lastSelectedRow - rows.size() + 1, rowCount - 1));
}

void CPlaybackTableView::onRowMoveUpActivated()
{
    if (isMultipleSelection()) {
        showMultipleSelectionMessage();
        return;
    }
    const QList<int> rows = selectedRowNumbers();
    if (!rows.isEmpty() && rows.first() > 0)
        moveRow(tr("Move up"), rows.first(), rows.first() - 1);
}

void CPlaybackTableView::onRowMoveDownActivated()
{
    if (isMultipleSelection()) {
        showMultipleSelectionMessage();
        return;
    }
    const QList<int> rows = selectedRowNumbers();
    if (!rows.isEmpty() && rows.first() + 1 != tableModel->rowCount())
        moveRow(tr("Move down"), rows.first(), rows.first() + 1);
}

void CPlaybackTableView::onSectionsMoved(int, int oldVisualIndex, int newVisualIndex)
{
    // The header lets the moved section go with the model row it showed, which leaves every
    // section where its row is.
    moveRow(tr("Move row"), oldVisualIndex, newVisualIndex);
}

void CPlaybackTableView::onCustomContextMenuRequested(const QPoint &)
{
    if (tableModel->rowCount() > 0 && selectionModel()->hasSelection())
        contextMenu->exec(QCursor::pos());
    else
        noSelectionMenu->exec(QCursor::pos());
}

void CPlaybackTableView::onRunToRowActTriggered()
{
    const int row = singleSelectedRow();
    if (row < 0)
        return;
    // Zero-filled, so that an unknown motion style text goes out as JUMP, never as stray memory.
    PlaybackPoint point {};
    rowPoint(row, point);
    if (SetPlaybackBufferCmd(&point) == 0)
        emit rowPointSent(row);
}

void CPlaybackTableView::onPlayFromRowActTriggered()
{
    const int row = singleSelectedRow();
    if (row >= 0)
        emit playFromRowActTriggered(row);
}

void CPlaybackTableView::onDeleteActTriggered()
{
    const int row = singleSelectedRow();
    if (row >= 0)
        pushEdit(tr("Delete %n row(s)", nullptr, 1), { row }, {});
}

void CPlaybackTableView::onImportDrawingActTriggered()
{
    // The drawing's rows go below the selection, or after the last row.
    const QList<int> rows = selectedRowNumbers();
    emit importDrawingActTriggered(
        rows.isEmpty() ? tableModel->rowCount() : *std::max_element(rows.begin(), rows.end()) + 1);
}

void CPlaybackTableView::onDeleteAllActTriggered()
{
    if (QMessageBox::warning(this, tr("Warning"), tr("Delete all points?"),
            QMessageBox::Yes | QMessageBox::No, QMessageBox::No)
        == QMessageBox::Yes)
        pushEdit(tr("Delete all"), rowRange(0, tableModel->rowCount()), {});
}

void CPlaybackTableView::createShortcuts()
{
    const std::pair<const char *, const char *> shortcuts[] = {
        { "Ctrl+C", SLOT(onRowsCopyActivated()) },
        { "Ctrl+X", SLOT(onRowsCutActivated()) },
        { "Ctrl+V", SLOT(onRowsPasteActivated()) },
        { "Insert", SLOT(onRowInsertActivated()) },
        { "Delete", SLOT(onRowsDeleteActivated()) },
        { "Ctrl+A", SLOT(selectAll()) },
        { "Ctrl+UP", SLOT(onRowMoveUpActivated()) },
        { "Ctrl+DOWN", SLOT(onRowMoveDownActivated()) },
    };
    for (const auto &[keys, slot] : shortcuts) {
        auto *shortcut = new QShortcut(QKeySequence(QLatin1String(keys)), viewport());
        connect(shortcut, SIGNAL(activated()), this, slot);
    }
    const std::pair<const char *, const char *> undoShortcuts[] = {
        { "Ctrl+Z", SLOT(undo()) },
        { "Ctrl+Shift+Z", SLOT(redo()) },
        { "Ctrl+Y", SLOT(redo()) },
    };
    for (const auto &[keys, slot] : undoShortcuts) {
        auto *shortcut = new QShortcut(QKeySequence(QLatin1String(keys)), viewport());
        connect(shortcut, SIGNAL(activated()), edits, slot);
    }
}

void CPlaybackTableView::createContextMenu()
{
    const QString insertTexts[]
        = { tr("Insert above this row"), tr("Overide this row"), tr("Insert below this row") };
    for (int insertMode = 0; insertMode < 3; ++insertMode) {
        QAction *insertAct = contextMenu->addAction(insertTexts[insertMode]);
        insertActMapper->setMapping(insertAct, insertMode);
        connect(insertAct, SIGNAL(triggered()), insertActMapper, SLOT(map()));
    }
    connect(insertActMapper, SIGNAL(mappedInt(int)), this, SIGNAL(insertActTriggered(int)));
    contextMenu->addSeparator();
    contextMenu->addAction(tr("Move up"), this, SLOT(onRowMoveUpActivated()));
    contextMenu->addAction(tr("Move down"), this, SLOT(onRowMoveDownActivated()));
    contextMenu->addSeparator();
    contextMenu->addAction(tr("Run to this row"), this, SLOT(onRunToRowActTriggered()));
    stepAct = contextMenu->addAction(tr("Step"), this, SIGNAL(stepActTriggered()));
    stepAct->setShortcut(QKeySequence(Qt::Key_F10));
    // On the table too, so that the key works while the menu is closed.
    addAction(stepAct);
    playFromRowAct
        = contextMenu->addAction(tr("Play from this row"), this, SLOT(onPlayFromRowActTriggered()));
    contextMenu->addAction(tr("Delete current row"), this, SLOT(onDeleteActTriggered()));
    contextMenu->addAction(tr("Delete all"), this, SLOT(onDeleteAllActTriggered()));
    contextMenu->addSeparator();
    QAction *importDrawingAct = contextMenu->addAction(
        tr("Import drawing..."), this, SLOT(onImportDrawingActTriggered()));
    noSelectionMenu->addAction(importDrawingAct);
    noSelectionMenu->addSeparator();
    contextMenu->addSeparator();
    // Each names the step it takes back or does again.
    const QList<QAction *> undoActs
        = { edits->createUndoAction(this, tr("Undo")), edits->createRedoAction(this, tr("Redo")) };
    contextMenu->addActions(undoActs);
    noSelectionMenu->addActions(undoActs);
}

QAction *CPlaybackTableView::stepAction() const
{
    return stepAct;
}

QAction *CPlaybackTableView::playFromRowAction() const
{
    return playFromRowAct;
}

int CPlaybackTableView::singleSelectedRow()
{
    if (isMultipleSelection()) {
        showMultipleSelectionMessage();
        return -1;
    }
    const QModelIndexList cells = selectedIndexes();
    return cells.isEmpty() ? -1 : cells.first().row();
}

QList<int> CPlaybackTableView::selectedRowNumbers() const
{
    return rowNumbers(selectedIndexes());
}

// Whole rows are selected, so more cells than one row's means several rows.
bool CPlaybackTableView::isMultipleSelection() const
{
    return selectedIndexes().size() > ColumnCount;
}

void CPlaybackTableView::showMultipleSelectionMessage()
{
    QMessageBox::information(this, tr("Warning"),
        tr("That command cannot be used on multiple selections!"), QMessageBox::Ok);
}

// Leaves the current cell where removing the rows one by one, highest first, would: on its own
// row if that stays, else on the nearest remaining row above, else below, else nowhere.
void CPlaybackTableView::removeSelectedRows(
    const QString &stepName, const QList<int> &ascendingRows)
{
    const QModelIndex current = currentIndex();
    const int currentRow = current.isValid() ? rowAfterRemoval(current.row(), ascendingRows) : -1;
    // They are all going, so the selection ends empty either way; emptied first, it is not
    // updated while the rows go.
    selectionModel()->clearSelection();
    pushEdit(stepName, ascendingRows, {});
    if (currentRow >= 0 && currentIndex() != tableModel->index(currentRow, current.column())) {
        selectionModel()->setCurrentIndex(
            tableModel->index(currentRow, current.column()), QItemSelectionModel::NoUpdate);
    }
}

int CPlaybackTableView::rowAfterRemoval(int row, const QList<int> &ascendingRows) const
{
    const auto below = [&](int r) {
        return int(std::lower_bound(ascendingRows.cbegin(), ascendingRows.cend(), r)
            - ascendingRows.cbegin());
    };
    int first = below(row);
    if (first == ascendingRows.size() || ascendingRows.at(first) != row)
        return row - first;
    // row goes: find the run of removed rows around it.
    int last = first;
    while (first > 0 && ascendingRows.at(first - 1) == ascendingRows.at(first) - 1)
        --first;
    while (
        last + 1 < ascendingRows.size() && ascendingRows.at(last + 1) == ascendingRows.at(last) + 1)
        ++last;
    if (ascendingRows.at(first) > 0)
        return ascendingRows.at(first) - 1 - first;
    const int rowBelow = ascendingRows.at(last) + 1;
    return rowBelow < tableModel->rowCount() ? rowBelow - (last + 1) : -1;
}

// Puts the pasted rows in place of the rows from firstRow on and appends the rest. The replaced
// rows go and the new ones come in one step each, which leaves the same table as line by line.
void CPlaybackTableView::replaceRows(int firstRow, const QVector<QStringList> &rows)
{
    const int oldRowCount = tableModel->rowCount();
    const int replacedCount = std::min(int(rows.size()), oldRowCount - firstRow);
    const QModelIndex current = currentIndex();
    CPlaybackTableModel::StoredRows pasted;
    pasted.rows = rowRange(firstRow, rows.size());
    pasted.cells.reserve(rows.size() * ColumnCount);
    for (const QStringList &fields : rows) {
        pasted.cells << fields.at(0) << fields.at(1);
        for (int column = XColumn; column < ColumnCount; ++column)
            pasted.cells << pointNumber(fields.at(column));
    }
    pushEdit(tr("Paste %n row(s)", nullptr, rows.size()),
        rowRange(firstRow, std::max(replacedCount, 0)), pasted);
    // Line by line, a replaced current cell moved to the row above it; from row 0 it moved down,
    // and the next line brought it back to row 0.
    const int currentRow = current.row();
    if (current.isValid() && currentRow >= firstRow && currentRow < firstRow + replacedCount
        && (currentRow > 0 || oldRowCount > 1)) {
        const int row = currentRow > 0 ? currentRow - 1 : (replacedCount > 1 ? 0 : 1);
        selectionModel()->setCurrentIndex(
            tableModel->index(row, current.column()), QItemSelectionModel::NoUpdate);
    }
}

void CPlaybackTableView::moveRow(const QString &stepName, int from, int to)
{
    CPlaybackTableModel::StoredRows moved = tableModel->storedRows({ from });
    moved.rows = { to };
    pushEdit(stepName, { from }, moved);
    selectRow(to);
}

void CPlaybackTableView::pushEdit(const QString &stepName, const QList<int> &removed,
    const CPlaybackTableModel::StoredRows &inserted)
{
    if (removed.isEmpty() && inserted.rows.isEmpty())
        return;
    edits->push(
        new CPlaybackTableEditCommand(stepName, this, tableModel->storedRows(removed), inserted));
}

CPlaybackTableModel::StoredRows CPlaybackTableView::pointRows(
    int firstRow, const PlaybackPoints &points, const QVariant &unknownMotionStyle)
{
    CPlaybackTableModel::StoredRows stored;
    stored.rows = rowRange(firstRow, points.size());
    stored.cells.reserve(points.size() * ColumnCount);
    for (const PlaybackPoint &point : points) {
        const QString motionStyle = motionStyleText(point.motionStyle);
        stored.cells << (motionStyle.isEmpty() ? unknownMotionStyle : QVariant(motionStyle))
                     << (point.isGrab ? QStringLiteral("true") : QStringLiteral("false")) << point.x
                     << point.y << point.z << point.rHead << point.gripper << point.pauseTime;
    }
    return stored;
}
