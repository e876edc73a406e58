// Fuzzes pasting clipboard text into the point table: no crash, no undefined behaviour, sound
// points, and copying the pasted rows gives a text that pastes to the same rows.
#include "fuzzsupport.h"
#include "playback/cplaybacktableview.h"

#include <QAbstractItemModel>
#include <QApplication>
#include <QClipboard>

#include <cmath>

namespace {

using FuzzSupport::require;

CPlaybackTableView *tableView = nullptr;

void pasteText(const QString &text)
{
    QApplication::clipboard()->setText(text);
    QMetaObject::invokeMethod(tableView, "onRowsPasteActivated");
}

QString copiedRows()
{
    QApplication::clipboard()->clear();
    tableView->selectAll();
    QMetaObject::invokeMethod(tableView, "onRowsCopyActivated");
    return QApplication::clipboard()->text();
}

void clearTable()
{
    tableView->clearSelection();
    tableView->model()->removeRows(0, tableView->model()->rowCount());
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int *, char ***)
{
    FuzzSupport::silenceMessages();
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    static int argc = 1;
    static char name[] = "fuzz_pastedrows";
    static char *argv[] = { name, nullptr };
    new QApplication(argc, argv);
    tableView = new CPlaybackTableView;
    return 0;
}

// The first byte gives the rows already in the table (0 to 3) and the one selected, if any;
// the rest is the clipboard's text.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    if (size == 0)
        return 0;
    clearTable();
    const int rowsBefore = data[0] & 3;
    const PlaybackPoint existing { MOVJ, 0, 200, 0, 50, 0, 0, 0 };
    tableView->setPoints(PlaybackPoints(rowsBefore, existing));
    const int selectedRow = (data[0] >> 2) & 3;
    if (selectedRow < rowsBefore)
        tableView->selectRow(selectedRow);
    pasteText(QString::fromUtf8(reinterpret_cast<const char *>(data + 1), int(size - 1)));

    PlaybackPoints points;
    tableView->getPoints(points);
    for (const PlaybackPoint &point : points) {
        const float numbers[]
            = { point.x, point.y, point.z, point.rHead, point.gripper, point.pauseTime };
        for (float number : numbers)
            require(std::isfinite(number), "a pasted row gives finite numbers");
        require(point.motionStyle <= MOVL, "a pasted row gives a known motion style");
    }

    const QString copied = copiedRows();
    const int rowCount = tableView->model()->rowCount();
    clearTable();
    pasteText(copied);
    require(tableView->model()->rowCount() == rowCount, "copied rows paste to as many rows");
    require(copiedRows() == copied, "copied rows paste to the same rows");
    return 0;
}
