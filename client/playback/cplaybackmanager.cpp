// CPlaybackManager: writes and reads the playback points XML file.
#include "playback/cplaybackmanager.h"

#include "playback/cplaybackpointsxml.h"
#include "savefilecommit.h"

#include <QFile>
#include <QSaveFile>

CPlaybackManager::CPlaybackManager(QObject *parent)
    : QObject(parent)
{ }

CPlaybackManager *CPlaybackManager::instance()
{
    static CPlaybackManager *const manager = new CPlaybackManager;
    return manager;
}

bool CPlaybackManager::writePoints(const QString &filePath, const PlaybackPoints &points,
    const PointsProgress &progress, QString *errorText)
{
    // Written beside the file and renamed over it: a crash or a full disk never leaves half a file.
    QSaveFile file(filePath);
    if (!file.open(QIODevice::WriteOnly)) {
        if (errorText)
            *errorText = file.errorString();
        return false;
    }
    CPlaybackPointsXml::write(&file, points, progress);
    return commitSaveFile(file, errorText);
}

void CPlaybackManager::readPoints(
    const QString &filePath, PlaybackPoints &points, const PointsProgress &progress)
{
    points.clear();
    QFile file(filePath);
    // Read in large chunks already, which the device's own buffer would only copy.
    if (file.open(QIODevice::ReadOnly | QIODevice::Unbuffered))
        CPlaybackPointsXml::read(&file, points, progress);
}
