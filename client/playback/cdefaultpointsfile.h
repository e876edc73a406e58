// CDefaultPointsFile: the points file loaded at the first connection of a run and saved at quit.
#pragma once

#include "playback/playbackpoint.h"

#include <QObject>
#include <QString>

class CDefaultPointsFile : public QObject
{
    Q_OBJECT

public:
    explicit CDefaultPointsFile(const QString &filePath, QObject *parent = nullptr);

    // Reads the file on the first call only, so that a reconnection keeps the table; later calls
    // return false and leave points alone. The first call also removes what an interrupted save
    // left beside the file.
    bool loadOnce(PlaybackPoints &points, const PointsProgress &progress = {});
    const QString &path() const { return filePath; }
    // Writes points over the file. A file that held something but no points when it was loaded
    // is first copied to "<file>.bak"; without that copy it is left as it is. True when the file
    // now holds points; otherwise errorText, if given, receives the system's reason.
    bool save(const PlaybackPoints &points, const PointsProgress &progress = {},
        QString *errorText = nullptr);

private:
    QString filePath;
    bool loaded = false;
    bool copyBeforeSave = false;
};
