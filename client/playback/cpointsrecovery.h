// CPointsRecovery: the table written beside the points file while it is edited, and its offer
// after a run that ended without the save at quit.
#pragma once

#include "playback/playbackpoint.h"

#include <QElapsedTimer>
#include <QObject>
#include <QPointer>
#include <QString>

class CPlaybackTableView;
class QThread;
class QTimer;
class QWidget;

class CPointsRecovery : public QObject
{
    Q_OBJECT

public:
    // The recovery file lies beside pointsFilePath, as "<name>-autosave.xml".
    explicit CPointsRecovery(const QString &pointsFilePath, QObject *parent = nullptr);
    ~CPointsRecovery() override;

    // Once the points file is loaded: removes what interrupted writes left and looks at the
    // recovery file. One newer than the points file (or without a points file) that holds points
    // is offered over window; true, with points filled, when the user restores it. Discarding it,
    // or one that cannot be read, keeps it under a dated name beside the points file; one older
    // than the points file is kept so without asking. The file offered stays until removed.
    bool offerRecovery(QWidget *window, PlaybackPoints &points);

    // Writes the table to the recovery file about a second after its changes, at least every two
    // seconds while they keep coming. The writing runs on a worker thread.
    void watch(CPlaybackTableView *view);
    // Stops watching and waits for a write under way, so that nothing writes after it returns.
    void stop();
    // After the save at quit: removes the recovery file when the save succeeded; otherwise writes
    // the table into it now, so that the last seconds' edits survive too.
    void finish(bool pointsFileSaved, const PlaybackPoints &points);

signals:
    // A write of the recovery file has ended (whether or not it succeeded).
    void written();

private slots:
    void onTableChanged();
    void writeTable();
    void onWriteFinished();

private:
    // A free name beside the points file for a copy of the recovery file, dated by its last write.
    QString keptCopyPath() const;
    // Renames the recovery file to keptCopyPath(); the new path, or empty when that failed.
    QString keepCopy() const;

    QString pointsPath;
    QString recoveryPath;
    // Gone before this object when the window closes.
    QPointer<CPlaybackTableView> view;
    QTimer *writeTimer = nullptr;
    QElapsedTimer unwrittenSince;
    QThread *writer = nullptr;
    bool writeAgain = false;
    bool changedSinceWrite = false;
};
