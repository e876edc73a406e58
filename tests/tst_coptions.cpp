// Tests of COptions: the four parameter files as the first use finds them, and the setters.
#include "options/coptions.h"

#include "ArvexDll.h"

#include <QDir>
#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QtTest>

#include <functional>
#include <optional>

#ifdef Q_OS_UNIX
#include <csignal>
#include <sys/resource.h>
#include <unistd.h>
#endif

using Files = QMap<QString, QByteArray>; // path below the program's folder -> content
using Setter = std::function<void(COptions *)>;
Q_DECLARE_METATYPE(Setter)

namespace {

const char childVariable[] = "TST_COPTIONS_CHILD";

const QString upgradeFile = QStringLiteral("hex/UpgradeParams.json");
const QString appFile = QStringLiteral("file/AppParams.json");
const QString jogFile = QStringLiteral("file/JogParams.json");
const QString playbackFile = QStringLiteral("file/PlaybackParams.json");

const QVector<float> defaultJog { 50, 50, 30, 10, 40, 40, 50 };
const QVector<float> defaultPlayback { 200, 200, 200, 200, 800, 1000, 100, 20, 50, 50 };
const QVector<float> zeroJog(7, 0);
const QVector<float> zeroPlayback(10, 0);

const QByteArray defaultUpgradeText = "{\n    \"upgrade\": 0\n}\n";
const QByteArray defaultAppText = "{\n    \"language\": 0\n}\n";
const QByteArray defaultJogText = "{\n"
                                  "    \"jointAcceleration\": 50,\n"
                                  "    \"jointVelocity\": 50,\n"
                                  "    \"linearAcceleration\": 40,\n"
                                  "    \"linearVelocity\": 40,\n"
                                  "    \"servoAcceleration\": 10,\n"
                                  "    \"servoVelocity\": 30,\n"
                                  "    \"velocityRatio\": 50\n"
                                  "}\n";
const QByteArray defaultPlaybackText = "{\n"
                                       "    \"accelerationRatio\": 50,\n"
                                       "    \"jointAcceleration\": 200,\n"
                                       "    \"jointVelocity\": 200,\n"
                                       "    \"jumpHeight\": 20,\n"
                                       "    \"linearAcceleration\": 1000,\n"
                                       "    \"linearVelocity\": 800,\n"
                                       "    \"pauseTime\": 100,\n"
                                       "    \"servoAcceleration\": 200,\n"
                                       "    \"servoVelocity\": 200,\n"
                                       "    \"velocityRatio\": 50\n"
                                       "}\n";

QString appPath(const QString &relativePath)
{
    return QCoreApplication::applicationDirPath() + '/' + relativePath;
}

QByteArray fileBytes(const QString &relativePath)
{
    QFile file(appPath(relativePath));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

void writeFile(const QString &relativePath, const QByteArray &content)
{
    QFile file(appPath(relativePath));
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(content);
}

QVector<float> jogValues(const JogParams &p)
{
    return { p.jointVelocity, p.jointAcceleration, p.servoVelocity, p.servoAcceleration,
        p.linearVelocity, p.linearAcceleration, p.velocityRatio };
}

QVector<float> playbackValues(const PlaybackParams &p)
{
    return { p.jointVelocity, p.jointAcceleration, p.servoVelocity, p.servoAcceleration,
        p.linearVelocity, p.linearAcceleration, p.pauseTime, p.jumpHeight, p.velocityRatio,
        p.accelerationRatio };
}

bool inChild()
{
    return qEnvironmentVariableIsSet(childVariable);
}

// Runs the current row once more in a new process of this test, where COptions is still to be
// created, and reports whether every check passed there.
bool runRowInChild()
{
    QProcess child;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(childVariable, "1");
    child.setProcessEnvironment(environment);
    child.setProcessChannelMode(QProcess::MergedChannels);
    const QString row
        = QString("%1(%2)").arg(QTest::currentTestFunction(), QTest::currentDataTag());
    child.start(QCoreApplication::applicationFilePath(),
        { QString("%1:%2").arg(QTest::currentTestFunction(), QTest::currentDataTag()) });
    const bool finished = child.waitForFinished(60000) && child.exitStatus() == QProcess::NormalExit
        && child.exitCode() == 0;
    // An unknown row would also end with 0; the row must have run and passed.
    const QByteArray output = child.readAll();
    const bool passed = finished && output.contains("PASS   : tst_COptions::" + row.toUtf8());
    if (!passed)
        qWarning("%s", output.constData());
    return passed;
}

#ifdef Q_OS_UNIX
// Makes every write of this process beyond `bytes` fail, as on a full disk.
class FileSizeLimit
{
public:
    explicit FileSizeLimit(rlim_t bytes)
    {
        getrlimit(RLIMIT_FSIZE, &saved);
        rlimit limit = saved;
        limit.rlim_cur = bytes;
        setrlimit(RLIMIT_FSIZE, &limit);
        savedHandler = std::signal(SIGXFSZ, SIG_IGN);
    }
    ~FileSizeLimit()
    {
        setrlimit(RLIMIT_FSIZE, &saved);
        std::signal(SIGXFSZ, savedHandler);
    }

private:
    rlimit saved {};
    void (*savedHandler)(int) = nullptr;
};
#endif

} // namespace

class tst_COptions : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanupTestCase();

    void firstUse_data();
    void firstUse();
    void setters_data();
    void setters();
    void unwritableFile_data();
    void unwritableFile();
};

// Each case starts from the two shipped folders, empty. A child keeps what its parent prepared.
void tst_COptions::init()
{
    if (inChild())
        return;
    cleanupTestCase();
    QVERIFY(QDir().mkpath(appPath("file")));
    QVERIFY(QDir().mkpath(appPath("hex")));
}

void tst_COptions::cleanupTestCase()
{
    if (inChild())
        return;
    QDir(appPath("file")).removeRecursively();
    QDir(appPath("hex")).removeRecursively();
}

void tst_COptions::firstUse_data()
{
    QTest::addColumn<QStringList>("missingFolders");
    QTest::addColumn<Files>("filesBefore");
    QTest::addColumn<QStringList>("debugLog");
    QTest::addColumn<QStringList>("criticalLog");
    QTest::addColumn<int>("upgrade");
    QTest::addColumn<int>("language");
    QTest::addColumn<QVector<float>>("jog");
    QTest::addColumn<QVector<float>>("playback");
    QTest::addColumn<Files>("filesAfter");

    const Files defaultFiles { { upgradeFile, defaultUpgradeText }, { appFile, defaultAppText },
        { jogFile, defaultJogText }, { playbackFile, defaultPlaybackText } };

    QTest::newRow("first start creates the defaults")
        << QStringList() << Files()
        << QStringList { "%1/hex/UpgradeParams.json", "%1/file/AppParams.json",
               "%1/file/JogParams.json", "%1/file/PlaybackParams.json", "Resetting config file",
               "Resetting config file", "Resetting config file", "Resetting config file" }
        << QStringList() << 0 << 0 << defaultJog << defaultPlayback << defaultFiles;

    Files withoutHex = defaultFiles;
    withoutHex.remove(upgradeFile);
    QTest::newRow("no hex folder") << QStringList { "hex" } << Files() << QStringList()
                                   << QStringList { "Failed to open %1/hex/UpgradeParams.json" }
                                   << 0 << 0 << defaultJog << defaultPlayback << withoutHex;

    auto addRow = [&](const char *tag, const QString &file, const QByteArray &text, int language,
                      const QVector<float> &jog, const QVector<float> &playback) {
        Files after = defaultFiles;
        after.insert(file, text);
        QTest::newRow(tag) << QStringList() << Files { { file, text } } << QStringList()
                           << QStringList() << 0 << language << jog << playback << after;
    };
    // An existing file is read as it is and left alone; what it lacks reads as 0, not the default.
    addRow("empty jog object", jogFile, "{}", 0, zeroJog, defaultPlayback);
    addRow("language 2", appFile, "{\"language\": 2}", 2, defaultJog, defaultPlayback);
    addRow("language 7 is held", appFile, "{\"language\": 7}", 7, defaultJog, defaultPlayback);
    addRow("language 1.5", appFile, "{\"language\": 1.5}", 0, defaultJog, defaultPlayback);
    addRow("language as text", appFile, "{\"language\": \"1\"}", 0, defaultJog, defaultPlayback);
    addRow("language missing", appFile, "{\"lang\": 1}", 0, defaultJog, defaultPlayback);
    addRow("float member", jogFile, "{\"linearVelocity\": 12.5}", 0, { 0, 0, 0, 0, 12.5, 0, 0 },
        defaultPlayback);
    addRow("float member as text", jogFile, "{\"linearVelocity\": \"12.5\"}", 0, zeroJog,
        defaultPlayback);
    addRow("broken JSON", playbackFile, "{\"jointVelocity\": 300,", 0, defaultJog, zeroPlayback);
    addRow("array at top level", playbackFile, "[300, 300]", 0, defaultJog, zeroPlayback);
    addRow("empty file", playbackFile, "", 0, defaultJog, zeroPlayback);
    addRow("other members ignored", playbackFile,
        "{\"accelerationRatio\": 9, \"jointAcceleration\": 2, \"jointVelocity\": 1, "
        "\"jumpHeight\": 8, \"linearAcceleration\": 6, \"linearVelocity\": 5, \"pauseTime\": 7, "
        "\"servoAcceleration\": 4, \"servoVelocity\": 3, \"velocityRatio\": 10, \"extra\": 11}",
        0, defaultJog, { 1, 2, 3, 4, 5, 6, 7, 8, 10, 9 });

    QTest::newRow("upgrade 1") << QStringList()
                               << Files { { upgradeFile, "{\n    \"upgrade\": 1\n}\n" } }
                               << QStringList() << QStringList() << 1 << 0 << defaultJog
                               << defaultPlayback
                               << Files { { upgradeFile, "{\n    \"upgrade\": 1\n}\n" },
                                      { appFile, defaultAppText }, { jogFile, defaultJogText },
                                      { playbackFile, defaultPlaybackText } };
}

// The store loads only on its first use, so the loading half of each row runs in a new process.
void tst_COptions::firstUse()
{
    QFETCH(QStringList, missingFolders);
    QFETCH(Files, filesBefore);
    QFETCH(QStringList, debugLog);
    QFETCH(QStringList, criticalLog);
    QFETCH(int, upgrade);
    QFETCH(int, language);
    QFETCH(QVector<float>, jog);
    QFETCH(QVector<float>, playback);
    QFETCH(Files, filesAfter);

    if (!inChild()) {
        for (const QString &folder : missingFolders)
            QVERIFY(QDir(appPath(folder)).removeRecursively());
        for (auto it = filesBefore.cbegin(); it != filesBefore.cend(); ++it)
            writeFile(it.key(), it.value());

        QVERIFY(runRowInChild());

        for (auto it = filesAfter.cbegin(); it != filesAfter.cend(); ++it)
            QCOMPARE(fileBytes(it.key()), it.value());
        for (const QString &folder : missingFolders)
            QVERIFY2(!QDir(appPath(folder)).exists(), qPrintable(folder));
        return;
    }

    const QString appDir = QCoreApplication::applicationDirPath();
    for (QString message : debugLog)
        QTest::ignoreMessage(QtDebugMsg, qUtf8Printable(message.replace("%1", appDir)));
    for (QString message : criticalLog)
        QTest::ignoreMessage(QtCriticalMsg, qUtf8Printable(message.replace("%1", appDir)));

    COptions *options = COptions::instance();
    QCOMPARE(options->upgrade(), upgrade);
    QCOMPARE(options->language(), language);
    QCOMPARE(jogValues(options->jogParams()), jog);
    QCOMPARE(playbackValues(options->playbackParams()), playback);
}

void tst_COptions::setters_data()
{
    QTest::addColumn<Setter>("setter");
    QTest::addColumn<QString>("file");
    QTest::addColumn<QVariantMap>("written");

    const QVariantMap jog { { "jointVelocity", 1 }, { "jointAcceleration", 2 },
        { "servoVelocity", 3 }, { "servoAcceleration", 4 }, { "linearVelocity", 5 },
        { "linearAcceleration", 6 }, { "velocityRatio", 7 } };
    const QVariantMap playback { { "jointVelocity", 11 }, { "jointAcceleration", 12 },
        { "servoVelocity", 13 }, { "servoAcceleration", 14 }, { "linearVelocity", 15 },
        { "linearAcceleration", 16 }, { "pauseTime", 17 }, { "jumpHeight", 18 },
        { "velocityRatio", 19 }, { "accelerationRatio", 20 } };
    auto with = [](QVariantMap map, const QVariantMap &changes) {
        for (auto it = changes.cbegin(); it != changes.cend(); ++it)
            map.insert(it.key(), it.value());
        return map;
    };

    QTest::newRow("upgrade") << Setter([](COptions *o) { o->setUpgrade(1); }) << upgradeFile
                             << QVariantMap { { "upgrade", 1 } };
    QTest::newRow("language") << Setter([](COptions *o) { o->setLanguage(-1); }) << appFile
                              << QVariantMap { { "language", -1 } };
    QTest::newRow("jog static keeps the ratio")
        << Setter([](COptions *o) {
               o->setJogStaticParams(JogStaticParams { 21, 22, 23, 24, 25, 26.5 });
           })
        << jogFile
        << with(jog,
               { { "jointVelocity", 21 }, { "jointAcceleration", 22 }, { "servoVelocity", 23 },
                   { "servoAcceleration", 24 }, { "linearVelocity", 25 },
                   { "linearAcceleration", 26.5 } });
    QTest::newRow("jog velocity ratio rewrites all keys")
        << Setter([](COptions *o) { o->setJogVelocityRatio(80); }) << jogFile
        << with(jog, { { "velocityRatio", 80 } });
    QTest::newRow("playback static keeps both ratios") << Setter([](COptions *o) {
        o->setPlaybackStaticParams(PlaybackStaticParams { 31, 32, 33, 34, 35, 36, 0.25, 38 });
    }) << playbackFile
                                                       << with(playback,
                                                              { { "jointVelocity", 31 },
                                                                  { "jointAcceleration", 32 },
                                                                  { "servoVelocity", 33 },
                                                                  { "servoAcceleration", 34 },
                                                                  { "linearVelocity", 35 },
                                                                  { "linearAcceleration", 36 },
                                                                  { "pauseTime", 0.25 },
                                                                  { "jumpHeight", 38 } });
    QTest::newRow("playback velocity ratio rewrites all keys")
        << Setter([](COptions *o) { o->setPlaybackVelocityRatio(80); }) << playbackFile
        << with(playback, { { "velocityRatio", 80 } });
    QTest::newRow("playback acceleration ratio rewrites all keys")
        << Setter([](COptions *o) { o->setPlaybackAccelerationRatio(12.5); }) << playbackFile
        << with(playback, { { "accelerationRatio", 12.5 } });
}

// Every file is emptied to "{}" before the setter, so what it holds afterwards is all rewritten.
void tst_COptions::setters()
{
    QFETCH(Setter, setter);
    QFETCH(QString, file);
    QFETCH(QVariantMap, written);

    COptions *options = COptions::instance();
    options->setUpgrade(0);
    options->setLanguage(2);
    options->setJogStaticParams(JogStaticParams { 1, 2, 3, 4, 5, 6 });
    options->setJogVelocityRatio(7);
    options->setPlaybackStaticParams(PlaybackStaticParams { 11, 12, 13, 14, 15, 16, 17, 18 });
    options->setPlaybackVelocityRatio(19);
    options->setPlaybackAccelerationRatio(20);
    const QStringList files { upgradeFile, appFile, jogFile, playbackFile };
    for (const QString &path : files)
        writeFile(path, "{}");

    setter(options);

    const QJsonObject expected = QJsonObject::fromVariantMap(written);
    QCOMPARE(QJsonDocument::fromJson(fileBytes(file)).object(), expected);
    for (const QString &path : files) {
        if (path != file)
            QCOMPARE(fileBytes(path), QByteArray("{}"));
    }
}

void tst_COptions::unwritableFile_data()
{
    QTest::addColumn<bool>("diskFull");
    QTest::newRow("read-only file") << false;
#ifdef Q_OS_UNIX
    QTest::newRow("disk full") << true;
#endif
}

// The old file stays whole and the next start reads it; the new values hold for this run.
void tst_COptions::unwritableFile()
{
    QFETCH(bool, diskFull);

    COptions *options = COptions::instance();
    options->setPlaybackStaticParams(PlaybackStaticParams { 1, 2, 3, 4, 5, 6, 7, 8 });
    options->setPlaybackVelocityRatio(9);
    options->setPlaybackAccelerationRatio(10);
    const QByteArray oldText = fileBytes(playbackFile);

#ifdef Q_OS_UNIX
    std::optional<FileSizeLimit> limit;
    if (!diskFull && geteuid() == 0)
        QSKIP("file permissions do not hold back the superuser");
#endif
    if (!diskFull)
        QVERIFY(QFile::setPermissions(appPath(playbackFile), QFile::ReadOwner));

    for (int i = 0; i < 3; ++i)
        QTest::ignoreMessage(QtCriticalMsg, "Failed to open file!");
#ifdef Q_OS_UNIX
    if (diskFull)
        limit.emplace(0);
#endif
    options->setPlaybackStaticParams(PlaybackStaticParams { 21, 22, 23, 24, 25, 26, 27, 28 });
    options->setPlaybackVelocityRatio(29);
    options->setPlaybackAccelerationRatio(30);
#ifdef Q_OS_UNIX
    limit.reset();
#endif

    QCOMPARE(fileBytes(playbackFile), oldText);
    QCOMPARE(playbackValues(options->playbackParams()),
        QVector<float>({ 21, 22, 23, 24, 25, 26, 27, 28, 29, 30 }));
    // No temporary file is left behind.
    QCOMPARE(QDir(appPath("file")).entryList(QDir::Files), QStringList({ "PlaybackParams.json" }));
}

QTEST_MAIN(tst_COptions)
#include "tst_coptions.moc"
