// CRunningRowTracker: follows the table row whose point the arm executes, from the points the
// controller accepted and the poses it reports, and marks that row in the table.
#include "playback/crunningrowtracker.h"

#include "playback/armpose.h"
#include "playback/cplaybacktablemodel.h"
#include "playback/cplaybacktableview.h"

#include <QTimer>

#include <algorithm>
#include <cmath>
#include <limits>

namespace {

// Within this distance (mm) of a point, an arm that moves off again has passed it: the poses
// read between two reports may miss the moment it was on the point.
constexpr double NearDistance = 5.0;
// How far (mm) the arm must move off its closest approach to count as moving off.
constexpr double MoveOffDistance = 1.0;
// Below this change (mm or degrees) between two reports the arm stands still.
constexpr double StillChange = 0.01;

double horizontalDistance(double x1, double y1, double x2, double y2)
{
    return std::hypot(x1 - x2, y1 - y2);
}

double distance(const Pose &pose, const PlaybackPoint &point)
{
    return std::hypot(horizontalDistance(pose.x, pose.y, point.x, point.y), pose.z - point.z);
}

bool within(const Pose &pose, const PlaybackPoint &point)
{
    return distance(pose, point) <= CRunningRowTracker::ReachedDistance
        && std::abs(pose.rHead - point.rHead) <= CRunningRowTracker::ReachedDegrees;
}

bool moved(const Pose &from, const Pose &to)
{
    return std::abs(from.x - to.x) > StillChange || std::abs(from.y - to.y) > StillChange
        || std::abs(from.z - to.z) > StillChange || std::abs(from.rHead - to.rHead) > StillChange;
}

PlaybackPoint pointAt(const Pose &pose)
{
    PlaybackPoint point {};
    point.x = pose.x;
    point.y = pose.y;
    point.z = pose.z;
    point.rHead = pose.rHead;
    return point;
}

} // namespace

CRunningRowTracker::CRunningRowTracker(CPlaybackTableView *tableView)
    : QObject(tableView)
    , tableView(tableView)
    , model(qobject_cast<CPlaybackTableModel *>(tableView->model()))
    , poseTimer(new QTimer(this))
{
    poseTimer->setInterval(PoseInterval);
    connect(poseTimer, SIGNAL(timeout()), this, SLOT(onPoseTimer()));
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
    if (!pointsPending()) {
        // An arm at rest often sits on a later point of the table, the last one recorded; until
        // it moves off, only the first queued point can be the one it reached.
        restPose = lastPose;
        leftRestPose = false;
        moveStart = pointAt(lastPose);
        cameDown = false;
        closest = std::numeric_limits<double>::infinity();
        // Standing still counts from now, unless the arm is still pausing on its last point.
        if (!sinceProgress.isValid() || sinceProgress.elapsed() > stillAllowed) {
            sinceProgress.start();
            stillAllowed = StillTimeout;
            stillReports = 0;
        }
    }
    poseTimer->start();
}

bool CRunningRowTracker::firstReachedBy(const Pose &pose, const Pose &previous)
{
    const PlaybackPoint &point = points.at(queuedRows.at(firstQueued));
    const bool jump = point.motionStyle == JUMP;
    // A JUMP comes down onto its point from above.
    cameDown = cameDown
        || (jump && horizontalDistance(pose.x, pose.y, point.x, point.y) <= NearDistance
            && pose.z > point.z + 2 * ReachedDistance && pose.z < previous.z - StillChange);
    // One that starts right below its point passes it on the way up, before it comes down.
    const bool startsBelow = jump
        && horizontalDistance(moveStart.x, moveStart.y, point.x, point.y) <= NearDistance
        && moveStart.z < point.z - ReachedDistance;
    if (startsBelow && !cameDown)
        return false;
    if (within(pose, point))
        return true;
    // A JUMP's lift moves off its start; only its descent approaches the point.
    if (jump && !cameDown)
        return false;
    const double away = distance(pose, point);
    if (closest <= NearDistance && away > closest + MoveOffDistance)
        return true;
    closest = std::min(closest, away);
    return false;
}

bool CRunningRowTracker::nextReachedBy(const Pose &pose) const
{
    if (!leftRestPose || firstQueued + 1 >= queuedRows.size())
        return false;
    const PlaybackPoint &first = points.at(queuedRows.at(firstQueued));
    const PlaybackPoint &next = points.at(queuedRows.at(firstQueued + 1));
    // The arm on the next point skipped the first, unless the next lies where the arm passes
    // anyway: at the start of the move or on the vertical line of a lift or descent.
    return within(pose, next) && horizontalDistance(next.x, next.y, first.x, first.y) > NearDistance
        && std::hypot(
               horizontalDistance(next.x, next.y, moveStart.x, moveStart.y), next.z - moveStart.z)
        > NearDistance;
}

void CRunningRowTracker::settleFirst(bool reached)
{
    const int row = queuedRows.at(firstQueued);
    const PlaybackPoint &point = points.at(row);
    ++firstQueued;
    lastRow = row;
    cameDown = false;
    closest = std::numeric_limits<double>::infinity();
    sinceProgress.start();
    stillReports = 0;
    if (reached) {
        moveStart = point;
        stillAllowed = StillTimeout + qint64(std::max(point.pauseTime, 0.0f) * 1000);
        model->setRunningRow(row);
        tableView->scrollTo(model->index(row, 0));
    } else {
        stillAllowed = StillTimeout;
        emit rowNotReached(row);
    }
    if (firstQueued == queuedRows.size()) {
        forgetQueued();
        emit pointsSettled();
    } else if (firstQueued > queuedRows.size() / 2) {
        queuedRows.remove(0, firstQueued);
        firstQueued = 0;
    }
}

void CRunningRowTracker::poseReported(const Pose &pose)
{
    if (moved(lastPose, pose)) {
        sinceProgress.start();
        stillAllowed = StillTimeout;
        stillReports = 0;
    } else {
        ++stillReports;
    }
    const Pose previous = lastPose;
    lastPose = pose;
    leftRestPose = leftRestPose || !within(pose, pointAt(restPose));
    while (pointsPending()) {
        if (firstReachedBy(pose, previous))
            settleFirst(true);
        else if (nextReachedBy(pose))
            settleFirst(false);
        else
            break;
    }
    // Counted in reports as well as in time, so that an event loop held up elsewhere does not
    // pass for an arm standing still.
    if (pointsPending() && stillReports >= StillTimeout / PoseInterval / 2
        && sinceProgress.elapsed() > stillAllowed)
        settleFirst(false);
}

int CRunningRowTracker::lastFedRow() const
{
    return pointsPending() ? queuedRows.last() : lastRow;
}

void CRunningRowTracker::forgetQueued()
{
    const bool pending = pointsPending();
    queuedRows.clear();
    firstQueued = 0;
    poseTimer->stop();
    if (pending)
        emit pointsSettled();
}

void CRunningRowTracker::onPoseTimer()
{
    if (!pointsPending()) {
        poseTimer->stop();
        return;
    }
    poseReported(readArmPose());
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
    lastRow = -1;
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
