// MainWindow: the playback points file slots.
#include "app/mainwindow.h"

#include "app/cstartupboxes.h"
#include "cfilelocations.h"
#include "playback/cdefaultpointsfile.h"
#include "playback/cplaybackmanager.h"
#include "playback/cplaybacktableview.h"
#include "playback/cpointsrecovery.h"
#include "widgets/cbusyscope.h"

#include <QAbstractItemModel>
#include <QFileDialog>
#include <QMessageBox>

CDefaultPointsFile *MainWindow::defaultPointsFile()
{
    if (!pointsFile) {
        pointsFile = new CDefaultPointsFile(
            CFileLocations::instance()->writableFile(QStringLiteral("file/PlaybackPoints.xml")),
            this);
    }
    return pointsFile;
}

void MainWindow::onImportBtnClicked()
{
    const QString filePath = QFileDialog::getOpenFileName(
        this, tr("Open xml files"), QString(), tr("XML file(*.xml)"));
    if (filePath.isEmpty()) {
        qDebug("Open file canceled!");
        return;
    }
    CBusyScope busy(this);
    const PointsProgress progress = [&busy] { busy.keepAlive(); };
    PlaybackPoints points;
    CPlaybackManager::instance()->readPoints(filePath, points, progress);
    // Emptying the table here would let the save at quit overwrite the default file with nothing.
    if (points.isEmpty()) {
        QMessageBox::information(
            this, tr("Warning"), tr("Failed to import playback points!"), QMessageBox::Ok);
        return;
    }
    playbackTableView()->importPoints(points, progress);
}

void MainWindow::onExportBtnClicked()
{
    CPlaybackTableView *tableView = playbackTableView();
    if (tableView->model()->rowCount() == 0) {
        QMessageBox::warning(
            this, QStringLiteral("Warning"), QStringLiteral("No data to export!"), QMessageBox::Ok);
        return;
    }
    PlaybackPoints points;
    tableView->getPoints(points);
    const QString filePath = QFileDialog::getSaveFileName(
        this, tr("Save xml files"), QString(), tr("XML file(*.xml)"));
    if (filePath.isEmpty()) {
        qDebug("Open file canceled!");
        return;
    }
    CBusyScope busy(this);
    CPlaybackManager::instance()->writePoints(filePath, points, [&busy] { busy.keepAlive(); });
}

void MainWindow::onAppStartup()
{
    PlaybackPoints points;
    {
        CBusyScope busy(this);
        if (!defaultPointsFile()->loadOnce(points, [&busy] { busy.keepAlive(); }))
            return;
    }
    {
        CBusyScope busy(this);
        playbackTableView()->setPoints(points, [&busy] { busy.keepAlive(); });
    }
    // The question waits for the boxes before it. Until it is answered the recovery file stays,
    // also through a quit.
    startupBoxes->ready(CStartupBoxes::PointsRecovery);
}

void MainWindow::offerPointsRecovery(const std::function<void()> &answered)
{
    // Only now is the table the user's saved one, worth writing while it is edited.
    pointsRecovery = new CPointsRecovery(defaultPointsFile()->path(), this);
    PlaybackPoints recovered;
    if (pointsRecovery->offerRecovery(this, recovered)) {
        CBusyScope busy(this);
        playbackTableView()->setPoints(recovered, [&busy] { busy.keepAlive(); });
    }
    pointsRecovery->watch(playbackTableView());
    answered();
}

// The window has gone by now, so nothing shows; the scope only serves a save while it is shown.
void MainWindow::onAppAboutToQuit()
{
    CBusyScope busy(this);
    PlaybackPoints points;
    playbackTableView()->getPoints(points);
    const bool saved = defaultPointsFile()->save(points, [&busy] { busy.keepAlive(); });
    if (pointsRecovery)
        pointsRecovery->finish(saved, points);
}
