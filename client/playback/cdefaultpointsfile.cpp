// CDefaultPointsFile: the points file loaded at the first connection of a run and saved at quit.
#include "playback/cdefaultpointsfile.h"

#include "playback/cplaybackmanager.h"
#include "playback/cplaybackpointsxml.h"
#include "saveleftovers.h"

#include <QFile>

CDefaultPointsFile::CDefaultPointsFile(const QString &filePath, QObject *parent)
    : QObject(parent)
    , filePath(filePath)
{ }

bool CDefaultPointsFile::loadOnce(PlaybackPoints &points, const PointsProgress &progress)
{
    if (loaded)
        return false;
    loaded = true;
    points.clear();
    removeSaveLeftovers(filePath);
    QFile file(filePath);
    if (!file.open(QIODevice::ReadOnly))
        return true;
    // A hand edit may have broken the file; the save at quit must not destroy what is left.
    const CPlaybackPointsXml::Document document = CPlaybackPointsXml::read(&file, points, progress);
    copyBeforeSave
        = points.isEmpty() && document != CPlaybackPointsXml::EmptyRoot && file.size() > 0;
    return true;
}

bool CDefaultPointsFile::save(
    const PlaybackPoints &points, const PointsProgress &progress, QString *errorText)
{
    if (copyBeforeSave) {
        const QString copyPath = filePath + QStringLiteral(".bak");
        QFile::remove(copyPath);
        QFile file(filePath);
        if (file.exists() && !file.copy(copyPath)) {
            if (errorText)
                *errorText = file.errorString();
            return false;
        }
        copyBeforeSave = false;
    }
    return CPlaybackManager::instance()->writePoints(filePath, points, progress, errorText);
}
