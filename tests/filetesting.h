// Files a test writes for its program and reads back from it.
#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace filetesting {

// The file's bytes, or `missing` when it cannot be read.
inline QByteArray readFile(const QString &path, const QByteArray &missing = "(missing)")
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : missing;
}

// Writes the file, and its folder if need be; dated secondsAgo in the past when that is given.
inline bool writeFile(const QString &path, const QByteArray &bytes, int secondsAgo = 0)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.flush())
        return false;
    return secondsAgo == 0
        || file.setFileTime(
            QDateTime::currentDateTime().addSecs(-secondsAgo), QFileDevice::FileModificationTime);
}

} // namespace filetesting
