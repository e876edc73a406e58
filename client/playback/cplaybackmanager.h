// CPlaybackManager: writes and reads the playback points XML file.
#pragma once

#include "playback/playbackpoint.h"

#include <QObject>

class CPlaybackManager : public QObject
{
    Q_OBJECT

public:
    // The single instance, created on first use and kept until the process ends.
    static CPlaybackManager *instance();

    // Replaces the file as a whole; when that fails (a full disk too) the old file stays as it was,
    // the result is false and errorText, if given, receives the system's reason.
    bool writePoints(const QString &filePath, const PlaybackPoints &points,
        const PointsProgress &progress = {}, QString *errorText = nullptr);
    // Empties points, then fills it with the file's points; a file that cannot be read as a
    // well-formed document gives no points.
    void readPoints(
        const QString &filePath, PlaybackPoints &points, const PointsProgress &progress = {});

private:
    explicit CPlaybackManager(QObject *parent = nullptr);
};
