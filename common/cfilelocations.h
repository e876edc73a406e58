// CFileLocations: where both programs find the files they ship with and the files they write.
#pragma once

#include <QString>

// The programs keep file/ and hex/ beside themselves. In an installed package (marked by the file
// installedMarker beside the program) or when the program's folder cannot be written, the files
// they write live in file/ and hex/ of the user's data folder instead; the files shipped beside
// the program stay readable where they are.
class CFileLocations
{
public:
    // The file an installed package ships beside the program.
    static const char *const installedMarker;

    // Decides once, by the marker or else by trying to create a file in programFolder, where
    // written files go.
    CFileLocations(const QString &programFolder, const QString &userFolder);

    // The locations of the running program, decided on the first call.
    static CFileLocations *instance();

    // The user's data folder that both programs share (AppDataLocation, named after the client).
    static QString userDataFolder();

    // True when written files stay beside the program.
    bool besideProgram() const { return writableFolder == programFolder; }

    // The path of a file the program writes, such as "file/AppParams.json". In the user's folder
    // the first call creates file/ and hex/, and a file that does not exist there yet starts as
    // a copy of the one shipped beside the program, if there is one. A user's file is never
    // replaced.
    QString writableFile(const QString &relativePath);

    // The path of a file that ships with the program and is only read (translations, the
    // firmware notice, the firmware image): the user's own copy if there is one, else the
    // shipped file.
    QString shippedFile(const QString &relativePath) const;

private:
    void createUserFolders();

    QString programFolder;
    QString writableFolder;
    bool userFoldersCreated = false;
};
