// Tests of CFileLocations: beside the program or in the user's folder, and the first-start copies.
#include "cfilelocations.h"

#include <QDir>
#include <QFile>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>
#include <optional>

#ifdef Q_OS_UNIX
#include <unistd.h>
#endif

using Files = QMap<QString, QByteArray>; // path below a folder -> content

namespace {

const QString appFile = QStringLiteral("file/AppParams.json");
const QString upgradeFile = QStringLiteral("hex/UpgradeParams.json");
const QString noticeFile = QStringLiteral("hex/ArvexFirmwareFeatures.html");
const QString translationFile = QStringLiteral("file/language/Chinese_cn.qm");

enum class Kind { Shipped, Users };

void writeFiles(const QString &folder, const Files &files, Kind kind)
{
    for (auto it = files.cbegin(); it != files.cend(); ++it) {
        const QString path = folder + '/' + it.key();
        QVERIFY(QDir().mkpath(QFileInfo(path).absolutePath()));
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        QCOMPARE(file.write(it.value()), it.value().size());
        file.close();
        // Installed files are read-only; a copy must still be writable by its owner.
        if (kind == Kind::Shipped)
            QVERIFY(file.setPermissions(QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther));
    }
}

QByteArray fileBytes(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

// Group bits too: with only the effective user id changed, the group is still root's.
const QFile::Permissions openToAll = QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner
    | QFile::ReadGroup | QFile::WriteGroup | QFile::ExeGroup | QFile::ReadOther | QFile::WriteOther
    | QFile::ExeOther;
const QFile::Permissions readOnlyForAll = QFile::ReadOwner | QFile::ExeOwner | QFile::ReadGroup
    | QFile::ExeGroup | QFile::ReadOther | QFile::ExeOther;

// Runs the checks as a user who may not write the program's folder. Root may write anything, so
// as root the checks run with the effective user "nobody".
class AsUserWithoutWriteAccess
{
public:
    explicit AsUserWithoutWriteAccess(const QString &programFolder)
    {
        QFile::setPermissions(programFolder, readOnlyForAll);
#ifdef Q_OS_UNIX
        if (geteuid() == 0)
            switched = seteuid(65534) == 0;
        else
            switched = true;
#endif
    }
    ~AsUserWithoutWriteAccess()
    {
#ifdef Q_OS_UNIX
        if (switched && getuid() == 0)
            (void)seteuid(0);
#endif
    }
    AsUserWithoutWriteAccess(const AsUserWithoutWriteAccess &) = delete;
    AsUserWithoutWriteAccess &operator=(const AsUserWithoutWriteAccess &) = delete;

    bool active() const
    {
        return switched;
    }

private:
    bool switched = false;
};

} // namespace

class tst_FileLocations : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void writableFile_data();
    void writableFile();
    void shippedFile_data();
    void shippedFile();
    void userFolderCannotBeCreated();
    void bothProgramsShareTheUserFolder();

private:
    std::unique_ptr<QTemporaryDir> dir;
    QString programFolder;
    QString userParent;
    QString userFolder;
};

void tst_FileLocations::init()
{
    dir = std::make_unique<QTemporaryDir>();
    QVERIFY(dir->isValid());
    // Other users must be able to reach the folders below.
    QVERIFY(QFile::setPermissions(dir->path(), readOnlyForAll | QFile::WriteOwner));
    programFolder = dir->filePath(QStringLiteral("program"));
    userParent = dir->filePath(QStringLiteral("home"));
    userFolder = userParent + QStringLiteral("/ArvexClient");
    QVERIFY(QDir().mkpath(programFolder));
    QVERIFY(QDir().mkpath(userParent));
    QVERIFY(QFile::setPermissions(userParent, openToAll));
}

// Lets the temporary folder be removed by a user who is not root.
void tst_FileLocations::cleanup()
{
    QFile::setPermissions(programFolder, openToAll);
    QFile::setPermissions(userParent, openToAll);
}

void tst_FileLocations::writableFile_data()
{
    QTest::addColumn<bool>("programWritable");
    QTest::addColumn<QString>("relativePath");
    QTest::addColumn<Files>("shipped");
    QTest::addColumn<Files>("userFiles");
    QTest::addColumn<bool>("inUserFolder");
    QTest::addColumn<QByteArray>("expected");

    const Files shippedApp { { appFile, "{\"language\": 2}" } };
    const Files shippedUpgrade { { upgradeFile, "{\"upgrade\": 1}" } };
    QTest::newRow("writable program folder keeps files beside it")
        << true << appFile << shippedApp << Files() << false << QByteArray("{\"language\": 2}");
    QTest::newRow("read-only program folder: shipped default copied")
        << false << appFile << shippedApp << Files() << true << QByteArray("{\"language\": 2}");
    QTest::newRow("read-only program folder: shipped hex default copied")
        << false << upgradeFile << shippedUpgrade << Files() << true
        << QByteArray("{\"upgrade\": 1}");
    QTest::newRow("read-only program folder: nothing shipped, nothing made")
        << false << appFile << Files() << Files() << true << QByteArray("<missing>");
    // Root may write an installed package's folder; its files still go to the user's folder.
    QTest::newRow("installed package, writable folder: shipped default copied")
        << true << appFile
        << Files { { appFile, "{\"language\": 2}" }, { CFileLocations::installedMarker, "" } }
        << Files() << true << QByteArray("{\"language\": 2}");
    QTest::newRow("read-only program folder: the user's file is kept")
        << false << appFile << shippedApp << Files { { appFile, "{\"language\": 1}" } } << true
        << QByteArray("{\"language\": 1}");
}

void tst_FileLocations::writableFile()
{
    QFETCH(bool, programWritable);
    QFETCH(QString, relativePath);
    QFETCH(Files, shipped);
    QFETCH(Files, userFiles);
    QFETCH(bool, inUserFolder);
    QFETCH(QByteArray, expected);

    writeFiles(programFolder, shipped, Kind::Shipped);
    std::optional<AsUserWithoutWriteAccess> user;
    if (!programWritable) {
        user.emplace(programFolder);
        if (!user->active())
            QSKIP("Cannot take a user's rights to test a read-only program folder");
    }
    writeFiles(userFolder, userFiles, Kind::Users);
    if (QTest::currentTestFailed())
        return;

    CFileLocations locations(programFolder, userFolder);
    QCOMPARE(locations.besideProgram(), !inUserFolder);
    const QString path = locations.writableFile(relativePath);
    QCOMPARE(path, (inUserFolder ? userFolder : programFolder) + '/' + relativePath);
    QCOMPARE(fileBytes(path), expected);
    if (inUserFolder) {
        QVERIFY(QFileInfo(userFolder + QStringLiteral("/file")).isDir());
        QVERIFY(QFileInfo(userFolder + QStringLiteral("/hex")).isDir());
        // The program must be able to save over its copy.
        if (QFileInfo::exists(path)) {
            QFile file(path);
            QVERIFY(file.open(QIODevice::ReadWrite));
        }
    } else {
        QVERIFY(!QFileInfo::exists(userFolder));
    }
    // The probe leaves nothing behind in the program's folder.
    QCOMPARE(QDir(programFolder).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden),
        QDir(programFolder).entryList(QDir::AllEntries | QDir::NoDotAndDotDot));
}

void tst_FileLocations::shippedFile_data()
{
    QTest::addColumn<bool>("programWritable");
    QTest::addColumn<QString>("relativePath");
    QTest::addColumn<Files>("userFiles");
    QTest::addColumn<bool>("inUserFolder");

    const Files ownNotice { { noticeFile, "<p>mine</p>" } };
    QTest::newRow("writable program folder: shipped notice")
        << true << noticeFile << ownNotice << false;
    QTest::newRow("read-only program folder: shipped notice")
        << false << noticeFile << Files() << false;
    QTest::newRow("read-only program folder: the user's own notice")
        << false << noticeFile << ownNotice << true;
    QTest::newRow("read-only program folder: shipped translation")
        << false << translationFile << Files() << false;
}

void tst_FileLocations::shippedFile()
{
    QFETCH(bool, programWritable);
    QFETCH(QString, relativePath);
    QFETCH(Files, userFiles);
    QFETCH(bool, inUserFolder);

    writeFiles(programFolder, { { relativePath, "shipped" } }, Kind::Shipped);
    std::optional<AsUserWithoutWriteAccess> user;
    if (!programWritable) {
        user.emplace(programFolder);
        if (!user->active())
            QSKIP("Cannot take a user's rights to test a read-only program folder");
    }
    writeFiles(userFolder, userFiles, Kind::Users);
    if (QTest::currentTestFailed())
        return;

    const CFileLocations locations(programFolder, userFolder);
    const QString path = locations.shippedFile(relativePath);
    QCOMPARE(path, (inUserFolder ? userFolder : programFolder) + '/' + relativePath);
    QCOMPARE(fileBytes(path), inUserFolder ? userFiles.value(relativePath) : "shipped");
    // Reading never creates the user's folders.
    QCOMPARE(QFileInfo::exists(userFolder), !userFiles.isEmpty());
}

// A home folder that cannot be written gives a path whose use fails visibly, not a crash.
void tst_FileLocations::userFolderCannotBeCreated()
{
    writeFiles(programFolder, { { appFile, "shipped" } }, Kind::Shipped);
    QVERIFY(QFile::setPermissions(userParent, readOnlyForAll));
    AsUserWithoutWriteAccess user(programFolder);
    if (!user.active())
        QSKIP("Cannot take a user's rights to test a read-only program folder");

    CFileLocations locations(programFolder, userFolder);
    QVERIFY(!locations.besideProgram());
    const QString path = locations.writableFile(appFile);
    QCOMPARE(path, userFolder + '/' + appFile);
    QFile file(path);
    QVERIFY(!file.open(QIODevice::WriteOnly));
}

// The download utility must find the hex/ that the client's user folder holds.
void tst_FileLocations::bothProgramsShareTheUserFolder()
{
    const QString previous = QCoreApplication::applicationName();
    QCoreApplication::setApplicationName(QStringLiteral("ArvexClient"));
    const QString client = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    const QString asClient = CFileLocations::userDataFolder();
    QCoreApplication::setApplicationName(QStringLiteral("ArvexDownloadUtil"));
    const QString asDownloader = CFileLocations::userDataFolder();
    QCoreApplication::setApplicationName(previous);

    QCOMPARE(asClient, client);
    QCOMPARE(asDownloader, client);
}

QTEST_GUILESS_MAIN(tst_FileLocations)
#include "tst_filelocations.moc"
