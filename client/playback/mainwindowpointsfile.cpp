// MainWindow: the playback points file slots.
#include "app/mainwindow.h"

#include "cfilelocations.h"
#include "playback/cdefaultpointsfile.h"
#include "playback/cplaybackmanager.h"
#include "playback/cplaybacktableview.h"

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
    PlaybackPoints points;
    CPlaybackManager::instance()->readPoints(filePath, points);
    // Emptying the table here would let the save at quit overwrite the default file with nothing.
    if (points.isEmpty()) {
        QMessageBox::information(
            this, tr("Warning"), tr("Failed to import playback points!"), QMessageBox::Ok);
        return;
    }
    playbackTableView()->setPoints(points);
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
    CPlaybackManager::instance()->writePoints(filePath, points);
}

void MainWindow::onAppStartup()
{
    PlaybackPoints points;
    if (defaultPointsFile()->loadOnce(points))
        playbackTableView()->setPoints(points);
}

void MainWindow::onAppAboutToQuit()
{
    PlaybackPoints points;
    playbackTableView()->getPoints(points);
    defaultPointsFile()->save(points);
}
