// CRunningRowTracker: follows the table row whose point the arm executes, from the points the
// controller accepted and the poses it reports, and marks that row in the table.
#pragma once

#include "ArvexDll.h"
#include "playback/playbackpoint.h"

#include <QElapsedTimer>
#include <QObject>
#include <QVector>

class CPlaybackTableModel;
class CPlaybackTableView;
class QTimer;

class CRunningRowTracker : public QObject
{
    Q_OBJECT

public:
    // A point counts as reached when the reported tool position lies within this distance of it
    // (mm) and the head within ReachedDegrees of its rotation. The table keeps x, y, z to 0.1 mm,
    // so a point sits up to 0.09 mm (diagonally) from where the arm stops for it, plus the float
    // error of the controller's forward kinematics; taught points lie far more than 1 mm apart.
    static constexpr double ReachedDistance = 0.5;
    static constexpr double ReachedDegrees = 0.5;
    // While fed points wait to be reached the pose is read this often (ms), so that an arm that
    // only touches a point on its way is seen there.
    static constexpr int PoseInterval = 20;
    // An arm that stands still this long (ms) after its last point's pause has not gone to the
    // next point: the controller dropped it.
    static constexpr int StillTimeout = 1000;

    explicit CRunningRowTracker(CPlaybackTableView *tableView);

    // Feeding begins with these points, the table's rows; a run clears the mark, a step keeps it
    // until its point is reached.
    void startFeeding(const PlaybackPoints &tablePoints, bool clearMark);
    // The controller queued the point of row behind every point it queued before. Called for
    // every point of a run, so it does no more than append.
    void pointAccepted(int row) { queuedRows.append(row); }
    // Marks, in order, each fed row whose point the arm has reached or passed by this pose.
    void poseReported(const Pose &pose);
    // Whether a fed point is still on its way.
    bool pointsPending() const { return firstQueued < queuedRows.size(); }
    // The last row fed; when none is on its way, the last one reached or dropped; -1 for none.
    int lastFedRow() const;
    // The controller's queue is gone (disconnect, reset): nothing queued will be reached.
    void forgetQueued();

signals:
    // The arm did not go to the row's point: the controller dropped it.
    void rowNotReached(int row);
    // Every fed point has been reached or dropped.
    void pointsSettled();

private slots:
    void onPoseTimer();
    void onRowPointSent(int row);
    void onTableChanged();
    void onDataChanged(
        const QModelIndex &topLeft, const QModelIndex &bottomRight, const QVector<int> &roles);

private:
    // The first queued point is behind the arm: marked when reached, reported when dropped.
    void settleFirst(bool reached);
    bool firstReachedBy(const Pose &pose, const Pose &previous);
    bool nextReachedBy(const Pose &pose) const;

    CPlaybackTableView *tableView = nullptr;
    CPlaybackTableModel *model = nullptr;
    QTimer *poseTimer = nullptr;
    PlaybackPoints points;
    // Rows of the queued points in the order the controller took them; those before
    // firstQueued are already reached.
    QVector<int> queuedRows;
    int firstQueued = 0;
    int lastRow = -1;
    // Where the move to the first queued point starts, and what the arm did on it so far.
    PlaybackPoint moveStart {};
    bool cameDown = false;
    double closest = 0;
    Pose lastPose {};
    // Where the arm was when feeding began with nothing queued, and whether it has moved since.
    Pose restPose {};
    bool leftRestPose = true;
    // Since the arm last moved or reached a point, and how long it may then stand still.
    QElapsedTimer sinceProgress;
    qint64 stillAllowed = StillTimeout;
    int stillReports = 0;
};
