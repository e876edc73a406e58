// CPointsRecovery: the table written beside the points file while it is edited, and its offer
// after a run that ended without the save at quit.
#include "playback/cpointsrecovery.h"

#include "playback/cplaybackmanager.h"
#include "playback/cplaybackpointsxml.h"
#include "playback/cplaybacktableview.h"
#include "saveleftovers.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMessageBox>
#include <QPushButton>
#include <QThread>
#include <QTimer>

namespace {

// Quiet time after a change before the table is written, and the longest a change waits while
// more keep coming.
constexpr int quietMilliseconds = 1000;
constexpr int longestWaitMilliseconds = 2000;

// Nobody waits for these writes; the log keeps why one failed.
void writeOrLog(CPlaybackManager *manager, const QString &path, const PlaybackPoints &points)
{
    QString reason;
    if (!manager->writePoints(path, points, {}, &reason))
        qWarning("Could not write %s: %s", qUtf8Printable(path), qUtf8Printable(reason));
}

} // namespace

CPointsRecovery::CPointsRecovery(const QString &pointsFilePath, QObject *parent)
    : QObject(parent)
    , pointsPath(pointsFilePath)
    , writeTimer(new QTimer(this))
{
    const QFileInfo points(pointsFilePath);
    recoveryPath
        = points.dir().filePath(points.completeBaseName() + QStringLiteral("-autosave.xml"));
    writeTimer->setSingleShot(true);
    connect(writeTimer, SIGNAL(timeout()), this, SLOT(writeTable()));
}

CPointsRecovery::~CPointsRecovery()
{
    stop();
}

bool CPointsRecovery::offerRecovery(QWidget *window, PlaybackPoints &points)
{
    removeSaveLeftovers(recoveryPath);
    const QFileInfo recovery(recoveryPath);
    if (!recovery.exists())
        return false;
    // The save at quit succeeded but the removal did not, or the points file was replaced since:
    // nothing unsaved, but the file is not ours to delete.
    const QFileInfo pointsFile(pointsPath);
    if (pointsFile.exists() && recovery.lastModified() <= pointsFile.lastModified()) {
        keepCopy();
        return false;
    }

    PlaybackPoints recovered;
    QFile file(recoveryPath);
    if (file.open(QIODevice::ReadOnly))
        CPlaybackPointsXml::read(&file, recovered);
    file.close();
    if (recovered.isEmpty()) {
        const QString kept = keepCopy();
        QMessageBox::warning(window, tr("Warning"),
            tr("The playback table that was not saved when the program last ended could not be "
               "read.\nThe file was kept as:\n%1")
                .arg(QDir::toNativeSeparators(kept.isEmpty() ? recoveryPath : kept)),
            QMessageBox::Ok);
        return false;
    }

    QMessageBox question(QMessageBox::Question, tr("Notice"),
        tr("The program ended without saving the playback table.\nThe unsaved table has %1 "
           "points and was last written at %2.\n\nRestore it? If you discard it, it is kept "
           "as:\n%3")
            .arg(QString::number(recovered.size()),
                recovery.lastModified().toString(QStringLiteral("yyyy-MM-dd hh:mm:ss")),
                QDir::toNativeSeparators(keptCopyPath())),
        QMessageBox::NoButton, window);
    question.setObjectName(QStringLiteral("pointsRecoveryQuestion"));
    QPushButton *restore = question.addButton(tr("&Restore"), QMessageBox::AcceptRole);
    QPushButton *discard = question.addButton(tr("&Discard"), QMessageBox::RejectRole);
    question.setDefaultButton(restore);
    question.setEscapeButton(discard);
    question.exec();
    if (question.clickedButton() == restore) {
        points = recovered;
        return true;
    }
    keepCopy();
    return false;
}

QString CPointsRecovery::keptCopyPath() const
{
    const QFileInfo points(pointsPath);
    const QString stem = points.completeBaseName() + QStringLiteral("-recovered-")
        + QFileInfo(recoveryPath).lastModified().toString(QStringLiteral("yyyyMMdd-hhmmss"));
    QString path = points.dir().filePath(stem + QStringLiteral(".xml"));
    for (int copy = 2; QFileInfo::exists(path); ++copy)
        path = points.dir().filePath(stem + QStringLiteral("-%1.xml").arg(copy));
    return path;
}

QString CPointsRecovery::keepCopy() const
{
    const QString path = keptCopyPath();
    return QFile::rename(recoveryPath, path) ? path : QString();
}

void CPointsRecovery::watch(CPlaybackTableView *tableView)
{
    view = tableView;
    const char *const changes[] = {
        SIGNAL(dataChanged(QModelIndex, QModelIndex, QVector<int>)),
        SIGNAL(rowsInserted(QModelIndex, int, int)),
        SIGNAL(rowsRemoved(QModelIndex, int, int)),
        SIGNAL(rowsMoved(QModelIndex, int, int, QModelIndex, int)),
        SIGNAL(modelReset()),
        SIGNAL(layoutChanged(QList<QPersistentModelIndex>, QAbstractItemModel::LayoutChangeHint)),
    };
    for (const char *change : changes)
        connect(view->model(), change, this, SLOT(onTableChanged()));
}

void CPointsRecovery::onTableChanged()
{
    changedSinceWrite = true;
    if (!unwrittenSince.isValid())
        unwrittenSince.start();
    const qint64 longestLeft = longestWaitMilliseconds - unwrittenSince.elapsed();
    writeTimer->start(int(qBound<qint64>(0, longestLeft, quietMilliseconds)));
}

void CPointsRecovery::writeTable()
{
    // One write at a time, each of a later table than the one before: a newer file is never
    // replaced by an older one.
    if (writer) {
        writeAgain = true;
        return;
    }
    unwrittenSince.invalidate();
    changedSinceWrite = false;
    // The table's points are kept by the model and shared here, not copied.
    PlaybackPoints points;
    view->getPoints(points);
    CPlaybackManager *manager = CPlaybackManager::instance();
    writer = QThread::create(
        [manager, path = recoveryPath, points] { writeOrLog(manager, path, points); });
    writer->setParent(this);
    connect(writer, SIGNAL(finished()), this, SLOT(onWriteFinished()));
    writer->start(QThread::LowPriority);
}

void CPointsRecovery::onWriteFinished()
{
    // The signal of a write that stop() waited for may still be queued.
    if (!writer)
        return;
    // finished() comes just before the thread's end.
    writer->wait();
    delete writer;
    writer = nullptr;
    emit written();
    if (writeAgain) {
        writeAgain = false;
        writeTable();
    }
}

void CPointsRecovery::stop()
{
    writeTimer->stop();
    writeAgain = false;
    if (view)
        disconnect(view->model(), nullptr, this, nullptr);
    view = nullptr;
    if (writer) {
        writer->wait();
        delete writer;
        writer = nullptr;
    }
}

void CPointsRecovery::finish(bool pointsFileSaved, const PlaybackPoints &points)
{
    stop();
    if (pointsFileSaved)
        QFile::remove(recoveryPath);
    else if (changedSinceWrite)
        writeOrLog(CPlaybackManager::instance(), recoveryPath, points);
}
