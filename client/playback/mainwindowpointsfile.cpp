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
#include <QDir>
#include <QFileDialog>
#include <QMessageBox>

namespace {

// The box says what failed, then where and why in the system's words (a full disk, no right to
// write); the log keeps the same.
void warnNotWritten(
    QWidget *parent, const QString &text, const QString &filePath, const QString &reason)
{
    qCritical("Could not write %s: %s", qUtf8Printable(filePath), qUtf8Printable(reason));
    QMessageBox box(QMessageBox::Warning, MainWindow::tr("Warning"), text, QMessageBox::Ok, parent);
    box.setInformativeText(QDir::toNativeSeparators(filePath) + QLatin1Char('\n') + reason);
    box.exec();
}

} // namespace

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
    QString reason;
    bool written = false;
    {
        CBusyScope busy(this);
        written = CPlaybackManager::instance()->writePoints(
            filePath, points, [&busy] { busy.keepAlive(); }, &reason);
    }
    if (!written)
        warnNotWritten(this, tr("Failed to export playback points!"), filePath, reason);
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

// The window has gone by now, so the busy scope shows nothing; a failed save is still told, as
// the table's last edits are then only in the recovery file, if there.
void MainWindow::onAppAboutToQuit()
{
    PlaybackPoints points;
    playbackTableView()->getPoints(points);
    QString reason;
    bool saved = false;
    {
        CBusyScope busy(this);
        saved = defaultPointsFile()->save(
            points, [&busy] { busy.keepAlive(); }, &reason);
    }
    if (pointsRecovery)
        pointsRecovery->finish(saved, points);
    if (!saved)
        warnNotWritten(
            this, tr("Failed to save playback points!"), defaultPointsFile()->path(), reason);
}
