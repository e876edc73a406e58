// CRunningRowTracker: follows the table row whose point the arm executes, from the points the
// controller accepted and the poses it reports, and marks that row in the table.
#include "playback/crunningrowtracker.h"

#include "playback/cplaybacktablemodel.h"
#include "playback/cplaybacktableview.h"

#include <algorithm>
#include <cmath>

namespace {

// How far ahead of the first queued point a report may find the arm: the pose is read every
// 250 ms, and an arm passes only a few points in that time.
constexpr int QueuedPointsLookedAt = 32;

bool within(const Pose &pose, double x, double y, double z, double rHead)
{
    const double distance
        = std::sqrt(std::pow(pose.x - x, 2) + std::pow(pose.y - y, 2) + std::pow(pose.z - z, 2));
    return distance <= CRunningRowTracker::ReachedDistance
        && std::abs(pose.rHead - rHead) <= CRunningRowTracker::ReachedDegrees;
}

} // namespace

CRunningRowTracker::CRunningRowTracker(CPlaybackTableView *tableView)
    : QObject(tableView)
    , tableView(tableView)
    , model(qobject_cast<CPlaybackTableModel *>(tableView->model()))
{
    // Any edit renumbers or changes the rows that the queue and the mark refer to.
    for (const char *change :
        { SIGNAL(rowsInserted(QModelIndex, int, int)), SIGNAL(rowsRemoved(QModelIndex, int, int)),
            SIGNAL(rowsMoved(QModelIndex, int, int, QModelIndex, int)), SIGNAL(layoutChanged()),
            SIGNAL(modelReset()) })
        connect(model, change, this, SLOT(onTableChanged()));
    connect(model, SIGNAL(dataChanged(QModelIndex, QModelIndex, QVector<int>)), this,
        SLOT(onDataChanged(QModelIndex, QModelIndex, QVector<int>)));
    connect(tableView, SIGNAL(rowPointSent(int)), this, SLOT(onRowPointSent(int)));
}

void CRunningRowTracker::startFeeding(const PlaybackPoints &tablePoints, bool clearMark)
{
    points = tablePoints;
    // A loop's worth of room, so that accepting points does not grow the list one by one.
    queuedRows.reserve(queuedRows.size() + points.size());
    if (clearMark)
        model->setRunningRow(-1);
    // An arm at rest often sits on a later point of the table, the last one recorded; until it
    // moves off, only the first queued point can be the one it reached.
    if (firstQueued == queuedRows.size()) {
        restPose = lastPose;
        leftRestPose = false;
    }
}

void CRunningRowTracker::poseReported(const Pose &pose)
{
    lastPose = pose;
    leftRestPose
        = leftRestPose || !within(pose, restPose.x, restPose.y, restPose.z, restPose.rHead);
    const int lookedAt = leftRestPose ? QueuedPointsLookedAt : 1;
    const int end = std::min(int(queuedRows.size()), firstQueued + lookedAt);
    for (int i = firstQueued; i < end; ++i) {
        const int row = queuedRows.at(i);
        const PlaybackPoint &point = points.at(row);
        if (!within(pose, point.x, point.y, point.z, point.rHead))
            continue;
        firstQueued = i + 1;
        if (firstQueued == queuedRows.size()) {
            queuedRows.clear();
            firstQueued = 0;
        } else if (firstQueued > queuedRows.size() / 2) {
            queuedRows.remove(0, firstQueued);
            firstQueued = 0;
        }
        model->setRunningRow(row);
        tableView->scrollTo(model->index(row, 0));
        return;
    }
}

int CRunningRowTracker::lastFedRow() const
{
    return firstQueued < queuedRows.size() ? queuedRows.last() : model->runningRow();
}

void CRunningRowTracker::forgetQueued()
{
    queuedRows.clear();
    firstQueued = 0;
}

void CRunningRowTracker::onRowPointSent(int row)
{
    // Sent as a step is, so that the mark follows the arm there and a step goes on from that row.
    PlaybackPoints tablePoints;
    tableView->getPoints(tablePoints);
    startFeeding(tablePoints, false);
    pointAccepted(row);
}

void CRunningRowTracker::onTableChanged()
{
    forgetQueued();
    model->setRunningRow(-1);
}

void CRunningRowTracker::onDataChanged(
    const QModelIndex &, const QModelIndex &, const QVector<int> &roles)
{
    // The reach marks are no edit of the points.
    if (roles.size() == 1 && roles.first() == CPlaybackTableModel::OutOfReachRole)
        return;
    onTableChanged();
}
