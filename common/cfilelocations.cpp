// CFileLocations: where both programs find the files they ship with and the files they write.
#include "cfilelocations.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <QTemporaryFile>

namespace {

// Creating a file is the only test that holds everywhere: permission bits say nothing about
// read-only mounts, root, or access lists on Windows.
bool canCreateFileIn(const QString &folder)
{
    QTemporaryFile probe(folder + QStringLiteral("/.write-test-XXXXXX"));
    return probe.open();
}

// Root may write an installed package's folder too, but its files must not end up there.
bool keepsFilesBeside(const QString &programFolder)
{
    return !QFileInfo::exists(programFolder + '/' + CFileLocations::installedMarker)
        && canCreateFileIn(programFolder);
}

} // namespace

const char *const CFileLocations::installedMarker = "arvex-installed";

CFileLocations::CFileLocations(const QString &programFolder, const QString &userFolder)
    : programFolder(programFolder)
    , writableFolder(
          userFolder.isEmpty() || keepsFilesBeside(programFolder) ? programFolder : userFolder)
{ }

CFileLocations *CFileLocations::instance()
{
    static CFileLocations *const locations
        = new CFileLocations(QCoreApplication::applicationDirPath(), userDataFolder());
    return locations;
}

QString CFileLocations::userDataFolder()
{
    // AppDataLocation ends in the running program's name; the download utility uses the
    // client's folder too, so that both see the same hex/.
    const QString appData = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    if (appData.isEmpty())
        return QString();
    return QDir::cleanPath(appData + QStringLiteral("/../ArvexClient"));
}

QString CFileLocations::writableFile(const QString &relativePath)
{
    const QString path = writableFolder + '/' + relativePath;
    if (besideProgram())
        return path;
    createUserFolders();
    const QString shipped = programFolder + '/' + relativePath;
    if (!QFileInfo::exists(path) && QFileInfo(shipped).isFile()) {
        QDir().mkpath(QFileInfo(path).absolutePath());
        // The copy keeps the shipped file's permissions, which may deny the owner writing.
        if (QFile::copy(shipped, path))
            QFile::setPermissions(
                path, QFile::permissions(path) | QFile::ReadOwner | QFile::WriteOwner);
    }
    return path;
}

QString CFileLocations::shippedFile(const QString &relativePath) const
{
    const QString ownCopy = writableFolder + '/' + relativePath;
    if (!besideProgram() && QFileInfo(ownCopy).isFile())
        return ownCopy;
    return programFolder + '/' + relativePath;
}

void CFileLocations::createUserFolders()
{
    if (userFoldersCreated)
        return;
    userFoldersCreated = true;
    QDir().mkpath(writableFolder + QStringLiteral("/file"));
    QDir().mkpath(writableFolder + QStringLiteral("/hex"));
}
