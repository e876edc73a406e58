// CArmViewWindow: a window beside the main window that shows the arm view and keeps it in step
// with the point table.
#include "armview/carmviewwindow.h"

#include "armview/carmview.h"
#include "options/coptions.h"
#include "playback/cplaybacktablemodel.h"
#include "playback/cplaybacktableview.h"

#include <QEvent>
#include <QItemSelectionModel>
#include <QTimer>
#include <QVBoxLayout>

CArmViewWindow::CArmViewWindow(CPlaybackTableView *tableView, QWidget *parent)
    : CWidget(parent)
    , tableView(tableView)
{
    // Watched while the user jogs and plays in the main window, so it neither blocks nor dims it.
    setWindowFlags(Qt::Tool | Qt::FramelessWindowHint);
    setWindowModality(Qt::NonModal);
    setAttribute(Qt::WA_DeleteOnClose);
    setObjectName(QStringLiteral("armViewWindow"));
    setWindowTitle(tr("Arm View"));
    setMovable(true);

    auto *content = new QWidget(this);
    content->setStyleSheet(QStringLiteral("background-color:#FFFFFF;"));
    auto *layout = new QVBoxLayout(content);
    layout->setContentsMargins(0, 0, 0, 0);
    view = new CArmView(content);
    view->setObjectName(QStringLiteral("armView"));
    layout->addWidget(view);
    setContentWidget(content);

    pointsTimer = new QTimer(this);
    pointsTimer->setSingleShot(true);
    pointsTimer->setInterval(0);
    connect(pointsTimer, SIGNAL(timeout()), this, SLOT(onPointsChanged()));
    selectionTimer = new QTimer(this);
    selectionTimer->setSingleShot(true);
    selectionTimer->setInterval(0);
    connect(selectionTimer, SIGNAL(timeout()), this, SLOT(onSelectionChanged()));

    const QAbstractItemModel *model = tableView->model();
    for (const char *signal :
        { SIGNAL(rowsInserted(QModelIndex, int, int)), SIGNAL(rowsRemoved(QModelIndex, int, int)),
            SIGNAL(rowsMoved(QModelIndex, int, int, QModelIndex, int)),
            SIGNAL(dataChanged(QModelIndex, QModelIndex, QVector<int>)), SIGNAL(modelReset()),
            SIGNAL(layoutChanged()) }) {
        connect(model, signal, pointsTimer, SLOT(start()));
        // Rows that move or go away move the highlighted rows with them.
        connect(model, signal, selectionTimer, SLOT(start()));
    }
    connect(tableView->selectionModel(), SIGNAL(selectionChanged(QItemSelection, QItemSelection)),
        selectionTimer, SLOT(start()));
    // The running row's mark is a header change of the model.
    connect(model, SIGNAL(headerDataChanged(Qt::Orientation, int, int)), this,
        SLOT(onRunningRowChanged()));

    onPointsChanged();
    onSelectionChanged();
    onRunningRowChanged();
}

bool CArmViewWindow::event(QEvent *event)
{
    // A tool window passes its parent's shortcuts on: Delete or Ctrl+V typed here would edit the
    // table behind. Taking every shortcut key here keeps them from it.
    if (event->type() == QEvent::ShortcutOverride) {
        event->accept();
        return true;
    }
    return CWidget::event(event);
}

CArmView *CArmViewWindow::armView() const
{
    return view;
}

void CArmViewWindow::onPointsChanged()
{
    PlaybackPoints points;
    tableView->getPoints(points);
    view->setJumpHeight(COptions::instance()->playbackParams().jumpHeight);
    view->setPoints(points);
}

void CArmViewWindow::onSelectionChanged()
{
    QSet<int> rows;
    for (const QModelIndex &index : tableView->selectionModel()->selectedRows())
        rows.insert(index.row());
    view->setHighlightedRows(rows);
}

void CArmViewWindow::onRunningRowChanged()
{
    view->setRunningRow(qobject_cast<CPlaybackTableModel *>(tableView->model())->runningRow());
}
