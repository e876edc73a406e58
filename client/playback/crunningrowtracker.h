// CRunningRowTracker: follows the table row whose point the arm executes, from the points the
// controller accepted and the poses it reports, and marks that row in the table.
#pragma once

#include "ArvexDll.h"
#include "playback/playbackpoint.h"

#include <QObject>
#include <QVector>

class CPlaybackTableModel;
class CPlaybackTableView;

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

    explicit CRunningRowTracker(CPlaybackTableView *tableView);

    // Feeding begins with these points, the table's rows; a run clears the mark, a step keeps it
    // until its point is reached.
    void startFeeding(const PlaybackPoints &tablePoints, bool clearMark);
    // The controller queued the point of row behind every point it queued before. Called for
    // every point of a run, so it does no more than append.
    void pointAccepted(int row) { queuedRows.append(row); }
    // Marks the row of the first queued point the pose has reached; the queued points before it
    // were passed between two reports.
    void poseReported(const Pose &pose);
    // The last row fed and not yet reached, else the marked row; -1 for none.
    int lastFedRow() const;
    // The controller's queue is gone (disconnect, reset): nothing queued will be reached.
    void forgetQueued();

private slots:
    void onRowPointSent(int row);
    void onTableChanged();
    void onDataChanged(
        const QModelIndex &topLeft, const QModelIndex &bottomRight, const QVector<int> &roles);

private:
    CPlaybackTableView *tableView = nullptr;
    CPlaybackTableModel *model = nullptr;
    PlaybackPoints points;
    // Rows of the queued points in the order the controller took them; those before
    // firstQueued are already reached.
    QVector<int> queuedRows;
    int firstQueued = 0;
    Pose lastPose {};
    // Where the arm was when feeding began with nothing queued, and whether it has moved since.
    Pose restPose {};
    bool leftRestPose = true;
};
