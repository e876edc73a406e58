// Kills a process of this test with SIGKILL at random moments while it saves the parameter files
// and a points file of thousands of points through the program's own save code, and checks that
// every kill leaves each file whole: the content of one save or the next, never a mix.
#include "filetesting.h"
#include "options/coptions.h"
#include "playback/cdefaultpointsfile.h"
#include "playback/cplaybackpointsxml.h"
#include "saveleftovers.h"

#include "ArvexDll.h"

#include <QBuffer>
#include <QDir>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QRandomGenerator>
#include <QThread>
#include <QtTest>

#include <cstdio>

using namespace filetesting;

namespace {

// Set in the writer's environment: the number of saves already on disk.
const char writerVariable[] = "TST_KILLEDSAVE_WRITER";
// Kills in one run of the test; set it higher by hand (1000 or more).
const char killsVariable[] = "ARVEX_KILLS";
const int defaultKills = 200;
const int pointCount = 2000;

// The writer repeats rounds of eight saves, each through one setter of the program: save s is
// step s % 8 of round s / 8, and writes that round's values into one file.
const int savesPerRound = 8;
enum Step {
    UpgradeStep,
    LanguageStep,
    JogStaticStep,
    JogRatioStep,
    PlaybackStaticStep,
    PlaybackVelocityStep,
    PlaybackAccelerationStep,
    PointsStep
};

const QStringList savedFiles { QStringLiteral("hex/UpgradeParams.json"),
    QStringLiteral("file/AppParams.json"), QStringLiteral("file/JogParams.json"),
    QStringLiteral("file/PlaybackParams.json"), QStringLiteral("file/PlaybackPoints.xml") };

QString appPath(const QString &relativePath)
{
    return QCoreApplication::applicationDirPath() + '/' + relativePath;
}

// Whole values and halves: exact as floats, and written without rounding.
float staticValue(int round, int field)
{
    return float(round + field) + 0.5f;
}

float ratioValue(int round, int which)
{
    return float(round % 90 + which) + 0.25f;
}

PlaybackPoints roundPoints(int round)
{
    PlaybackPoints points;
    points.reserve(pointCount);
    for (int i = 0; i < pointCount; ++i) {
        points << PlaybackPoint { uint8_t(i % 3), uint8_t(i % 2), float(round), float(i) / 4,
            -float(i % 500), 45.5f, float(i % 100), 0.125f };
    }
    return points;
}

JogStaticParams jogStatic(int round)
{
    return { staticValue(round, 0), staticValue(round, 1), staticValue(round, 2),
        staticValue(round, 3), staticValue(round, 4), staticValue(round, 5) };
}

PlaybackStaticParams playbackStatic(int round)
{
    return { staticValue(round, 0), staticValue(round, 1), staticValue(round, 2),
        staticValue(round, 3), staticValue(round, 4), staticValue(round, 5), staticValue(round, 6),
        staticValue(round, 7) };
}

// The round whose value a step's file holds after `saves` saves.
int roundAfter(qint64 saves, Step step)
{
    return int((saves - 1 - step) / savesPerRound);
}

QByteArray jsonText(const QJsonObject &object)
{
    return QJsonDocument(object).toJson();
}

// Kept for the few rounds that the checks after one kill look at.
QByteArray pointsText(int round)
{
    static QHash<int, QByteArray> texts;
    if (!texts.contains(round)) {
        if (texts.size() > 4)
            texts.clear();
        QBuffer buffer;
        buffer.open(QIODevice::WriteOnly);
        CPlaybackPointsXml::write(&buffer, roundPoints(round));
        texts.insert(round, buffer.data());
    }
    return texts.value(round);
}

// The five files' bytes after `saves` saves (at least one whole round).
QVector<QByteArray> contentAfter(qint64 saves)
{
    const auto round = [saves](Step step) { return roundAfter(saves, step); };
    QJsonObject jog;
    const JogStaticParams js = jogStatic(round(JogStaticStep));
    const float jogValues[] = { js.jointVelocity, js.jointAcceleration, js.servoVelocity,
        js.servoAcceleration, js.linearVelocity, js.linearAcceleration };
    const char *jogKeys[] = { "jointVelocity", "jointAcceleration", "servoVelocity",
        "servoAcceleration", "linearVelocity", "linearAcceleration" };
    for (int i = 0; i < 6; ++i)
        jog.insert(QLatin1String(jogKeys[i]), double(jogValues[i]));
    jog.insert(QLatin1String("velocityRatio"), double(ratioValue(round(JogRatioStep), 0)));

    QJsonObject playback;
    const PlaybackStaticParams ps = playbackStatic(round(PlaybackStaticStep));
    const float playbackValues[]
        = { ps.jointVelocity, ps.jointAcceleration, ps.servoVelocity, ps.servoAcceleration,
              ps.linearVelocity, ps.linearAcceleration, ps.pauseTime, ps.jumpHeight };
    const char *playbackKeys[] = { "jointVelocity", "jointAcceleration", "servoVelocity",
        "servoAcceleration", "linearVelocity", "linearAcceleration", "pauseTime", "jumpHeight" };
    for (int i = 0; i < 8; ++i)
        playback.insert(QLatin1String(playbackKeys[i]), double(playbackValues[i]));
    playback.insert(
        QLatin1String("velocityRatio"), double(ratioValue(round(PlaybackVelocityStep), 1)));
    playback.insert(
        QLatin1String("accelerationRatio"), double(ratioValue(round(PlaybackAccelerationStep), 2)));

    return { jsonText({ { "upgrade", round(UpgradeStep) } }),
        jsonText({ { "language", round(LanguageStep) } }), jsonText(jog), jsonText(playback),
        pointsText(round(PointsStep)) };
}

// Temporary files of a save beside the saved files.
QStringList leftovers()
{
    QStringList found;
    for (const QString &folder : { QStringLiteral("file"), QStringLiteral("hex") }) {
        const QStringList names = QDir(appPath(folder)).entryList(QDir::Files | QDir::Hidden);
        for (const QString &name : names) {
            if (!savedFiles.contains(folder + '/' + name))
                found << folder + '/' + name;
        }
    }
    return found;
}

// Loads the files as the program does at start, says "ready", and once told "go" saves on from
// save `savesOnDisk` + 1 until it is killed, saying "save <index>" before each save.
int runWriter(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    qInstallMessageHandler([](QtMsgType, const QMessageLogContext &, const QString &) {});
    const qint64 savesOnDisk = qEnvironmentVariableIntValue(writerVariable);
    COptions *options = COptions::instance();
    // Loading the default points file removes its leftovers first (tested on its own below);
    // reading thousands of points at every start would only slow the kills down.
    const QString pointsPath = appPath(QStringLiteral("file/PlaybackPoints.xml"));
    removeSaveLeftovers(pointsPath);
    CDefaultPointsFile pointsFile(pointsPath);
    std::printf("ready\n");
    std::fflush(stdout);
    char go[8];
    if (!std::fgets(go, sizeof go, stdin))
        return 1;
    for (qint64 save = savesOnDisk;; ++save) {
        const int round = int(save / savesPerRound);
        std::printf("save %lld\n", save);
        std::fflush(stdout);
        switch (Step(save % savesPerRound)) {
        case UpgradeStep:
            options->setUpgrade(round);
            break;
        case LanguageStep:
            options->setLanguage(round);
            break;
        case JogStaticStep:
            options->setJogStaticParams(jogStatic(round));
            break;
        case JogRatioStep:
            options->setJogVelocityRatio(ratioValue(round, 0));
            break;
        case PlaybackStaticStep:
            options->setPlaybackStaticParams(playbackStatic(round));
            break;
        case PlaybackVelocityStep:
            options->setPlaybackVelocityRatio(ratioValue(round, 1));
            break;
        case PlaybackAccelerationStep:
            options->setPlaybackAccelerationRatio(ratioValue(round, 2));
            break;
        case PointsStep:
            pointsFile.save(roundPoints(round));
            break;
        }
    }
}

} // namespace

class tst_KilledSave : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void killedAtRandomMoments();
    void leftoversRemovedAtStart();

private:
    // Starts the writer on `savesOnDisk` saves and waits until it has loaded the files; it saves
    // once it reads a line.
    bool startWriter(QProcess &writer, qint64 savesOnDisk);
    // The number of saves whose content the files hold, or -1 if no count from `from` on fits.
    qint64 savesOnDisk(qint64 from);
    void writeContentAfter(qint64 saves);
};

void tst_KilledSave::init()
{
    for (const QString &folder : { QStringLiteral("file"), QStringLiteral("hex") }) {
        QDir(appPath(folder)).removeRecursively();
        QVERIFY(QDir().mkpath(appPath(folder)));
    }
    writeContentAfter(savesPerRound);
}

void tst_KilledSave::writeContentAfter(qint64 saves)
{
    const QVector<QByteArray> content = contentAfter(saves);
    for (int i = 0; i < savedFiles.size(); ++i) {
        QFile file(appPath(savedFiles.at(i)));
        QVERIFY(file.open(QIODevice::WriteOnly));
        QCOMPARE(file.write(content.at(i)), qint64(content.at(i).size()));
    }
}

bool tst_KilledSave::startWriter(QProcess &writer, qint64 savesOnDisk)
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(writerVariable, QString::number(savesOnDisk));
    writer.setProcessEnvironment(environment);
    writer.start(QCoreApplication::applicationFilePath(), QStringList());
    while (writer.waitForReadyRead(30000)) {
        // On Windows the line ends in "\r\n" (text-mode stdout).
        if (writer.canReadLine())
            return writer.readLine().trimmed() == "ready";
    }
    return false;
}

qint64 tst_KilledSave::savesOnDisk(qint64 from)
{
    QVector<QByteArray> onDisk;
    for (const QString &file : savedFiles)
        onDisk << readFile(appPath(file));
    // The upgrade file names the round under way; the state lies within it or the next one.
    const qint64 round = COptions::upgradeFromText(onDisk.at(0));
    for (qint64 saves = qMax(from, round * savesPerRound); saves <= (round + 2) * savesPerRound;
         ++saves) {
        if (contentAfter(saves) == onDisk)
            return saves;
    }
    return -1;
}

// The index of the next save the writer announces, or -1 if it announces none for a minute.
qint64 nextSave(QProcess &writer)
{
    while (writer.canReadLine() || writer.waitForReadyRead(60000)) {
        const QByteArray line = writer.readLine();
        if (line.startsWith("save "))
            return line.mid(5).trimmed().toLongLong();
    }
    return -1;
}

// A kill picks one of the eight saves and a moment from its start to a little past its end, as an
// undisturbed run measured it, so that every kind of save is hit whatever the machine's load.
void tst_KilledSave::killedAtRandomMoments()
{
    const int kills = qEnvironmentVariableIsSet(killsVariable)
        ? qEnvironmentVariableIntValue(killsVariable)
        : defaultKills;
    QRandomGenerator random(QRandomGenerator::global()->generate());

    qint64 saves = savesPerRound;
    QProcess writer;
    QVERIFY(startWriter(writer, saves));
    writer.write("go\n");
    QElapsedTimer clock;
    clock.start();
    QVector<qint64> stepMicroseconds(savesPerRound, 0);
    const int measuredRounds = 3;
    qint64 previous = nextSave(writer);
    qint64 previousStart = clock.nsecsElapsed() / 1000;
    while (previous < saves + measuredRounds * savesPerRound) {
        const qint64 save = nextSave(writer);
        QCOMPARE(save, previous + 1);
        const qint64 start = clock.nsecsElapsed() / 1000;
        stepMicroseconds[int(previous % savesPerRound)] += (start - previousStart) / measuredRounds;
        previous = save;
        previousStart = start;
    }
    writer.kill();
    QVERIFY(writer.waitForFinished());

    const qint64 firstSaves = savesOnDisk(saves);
    QVERIFY(firstSaves >= 0);
    saves = firstSaves;
    int leftoversSeen = 0;
    QVector<int> oldContent(savesPerRound, 0); // kills that left the chosen save's file as it was
    QVector<int> newContent(savesPerRound, 0);
    for (int kill = 0; kill < kills; ++kill) {
        const int step = random.bounded(savesPerRound);
        const int delay = random.bounded(int(stepMicroseconds.at(step) * 6 / 5) + 1);
        QVERIFY2(startWriter(writer, saves), "the writer did not start");
        QVERIFY2(leftovers().isEmpty(), qPrintable(leftovers().join(' ')));
        writer.write("go\n");
        qint64 chosen = nextSave(writer);
        while (chosen >= 0 && chosen % savesPerRound != step)
            chosen = nextSave(writer);
        QVERIFY(chosen >= 0);
        QThread::usleep(ulong(delay));
        writer.kill(); // SIGKILL
        QVERIFY(writer.waitForFinished());
        QCOMPARE(writer.exitStatus(), QProcess::CrashExit);

        const qint64 after = savesOnDisk(saves);
        QVERIFY2(after >= 0,
            qPrintable(QString("kill %1: the files hold no state at or after save %2")
                           .arg(kill)
                           .arg(saves)));
        ++(after > chosen ? newContent : oldContent)[step];
        leftoversSeen += leftovers().size();
        saves = after;
    }
    QVERIFY(startWriter(writer, saves));
    QVERIFY2(leftovers().isEmpty(), qPrintable(leftovers().join(' ')));
    writer.kill();
    QVERIFY(writer.waitForFinished());
    // The files equal what the writer wrote; that also reads back.
    PlaybackPoints points;
    QFile pointsFile(appPath(savedFiles.last()));
    QVERIFY(pointsFile.open(QIODevice::ReadOnly));
    QCOMPARE(CPlaybackPointsXml::read(&pointsFile, points), CPlaybackPointsXml::WithElements);
    QCOMPARE(points.size(), pointCount);

    QStringList perStep;
    for (int step = 0; step < savesPerRound; ++step) {
        perStep << QString("%1/%2 (%3 us)")
                       .arg(oldContent.at(step))
                       .arg(newContent.at(step))
                       .arg(stepMicroseconds.at(step));
    }
    qInfo("%d kills, %lld saves; every file held its previous or its new content. Old/new content "
          "of the chosen save's file per save (upgrade, language, jog static, jog ratio, playback "
          "static, velocity, acceleration, %d points): %s. %d temporary files left by kills, all "
          "removed at the next start.",
        kills, saves - firstSaves, pointCount, qPrintable(perStep.join(", ")), leftoversSeen);
}

void tst_KilledSave::leftoversRemovedAtStart()
{
    const QStringList left { "file/AppParams.json.aBcDeF", "file/JogParams.json.XyZabc",
        "file/PlaybackParams.json.qwERty", "hex/UpgradeParams.json.ABCDEF",
        "file/PlaybackPoints.xml.mnoPQR" };
    // Not names a save gives its temporary file: kept.
    const QStringList kept { "file/AppParams.json.bak", "file/AppParams.json.abc123",
        "file/PlaybackPoints.xml.bak", "file/notes.txt.abcdef", "file/AppParams.json.aBcDeFg" };
    for (const QString &name : left + kept) {
        QFile file(appPath(name));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("{\"language\": 2");
    }
    // The first load of the points file, then the parameter store's first use in a new process.
    CDefaultPointsFile pointsFile(appPath(savedFiles.last()));
    PlaybackPoints points;
    QVERIFY(pointsFile.loadOnce(points));
    QCOMPARE(points.size(), pointCount);
    QVERIFY(!QFile::exists(appPath(left.last())));
    QProcess writer;
    QVERIFY(startWriter(writer, savesPerRound));
    writer.kill();
    QVERIFY(writer.waitForFinished());

    for (const QString &name : left)
        QVERIFY2(!QFile::exists(appPath(name)), qPrintable(name));
    for (const QString &name : kept)
        QVERIFY2(QFile::exists(appPath(name)), qPrintable(name));
}

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsSet(writerVariable))
        return runWriter(argc, argv);
    QCoreApplication app(argc, argv);
    tst_KilledSave test;
    QTEST_SET_MAIN_SOURCE_PATH
    return QTest::qExec(&test, argc, argv);
}

#include "tst_killedsave.moc"
