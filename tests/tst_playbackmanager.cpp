// Tests of the playback points file: its exact text, the lenient reading, hostile files, failed
// writes and the default file of a run.
#include "filetesting.h"
#include "playback/cdefaultpointsfile.h"
#include "playback/cplaybackmanager.h"

#include <QDomDocument>
#include <QTemporaryDir>
#include <QtTest>

#include <csignal>
#include <ctime>
#include <memory>

#ifdef Q_OS_UNIX
#include <sys/resource.h>
#endif

Q_DECLARE_METATYPE(PlaybackPoint)

using namespace filetesting;

namespace {

#ifdef __SANITIZE_ADDRESS__
const int sanitizerSlowdown = 4;
#else
const int sanitizerSlowdown = 1;
#endif

PlaybackPoint point(uint8_t motionStyle, uint8_t isGrab, float x, float y, float z, float rHead,
    float gripper, float pauseTime)
{
    return PlaybackPoint { motionStyle, isGrab, x, y, z, rHead, gripper, pauseTime };
}

// One line per point, so that a mismatch shows which field differs.
QStringList describe(const PlaybackPoints &points)
{
    QStringList lines;
    for (const PlaybackPoint &p : points)
        lines << QString::asprintf("%d %d %g %g %g %g %g %g", p.motionStyle, p.isGrab, p.x, p.y,
            p.z, p.rHead, p.gripper, p.pauseTime);
    return lines;
}

// The reading rules applied to a DOM of the whole file: what the streaming reader must match.
PlaybackPoints domPoints(const QByteArray &bytes)
{
    PlaybackPoints points;
    QDomDocument document;
    if (!document.setContent(bytes))
        return points;
    const QString pointName = QStringLiteral("point");
    for (QDomElement element = document.documentElement().firstChildElement(pointName);
         !element.isNull(); element = element.nextSiblingElement(pointName)) {
        const auto text = [&](const char *name) {
            return element.firstChildElement(QLatin1String(name)).text();
        };
        points << point(uint8_t(qMax(0, motionStyleFromText(text("motionStyle")))),
            text("isGrab") == QLatin1String("true"), pointNumber(text("x")), pointNumber(text("y")),
            pointNumber(text("z")), pointNumber(text("rHead")), pointNumber(text("gripper")),
            pointNumber(text("pauseTime")));
    }
    return points;
}

PlaybackPoints readPoints(const QString &path)
{
    PlaybackPoints points;
    CPlaybackManager::instance()->readPoints(path, points);
    return points;
}

// Peak resident memory since the last reset, in bytes.
qint64 peakResidentBytes()
{
    const QByteArray status = readFile(QStringLiteral("/proc/self/status"));
    const int start = status.indexOf("VmHWM:") + 6;
    return status.mid(start, status.indexOf("kB", start) - start).trimmed().toLongLong() * 1024;
}

void resetPeakResidentBytes()
{
    QVERIFY(writeFile(QStringLiteral("/proc/self/clear_refs"), "5"));
}

// Resident memory is read from /proc. The address sanitizer holds freed memory back for a while:
// resident memory says little then.
#if defined(Q_OS_LINUX) && !defined(__SANITIZE_ADDRESS__)
constexpr bool residentMemoryShowsGrowth = true;
#else
constexpr bool residentMemoryShowsGrowth = false;
#endif

const QByteArray declaration = "<?xml version='1.0' encoding='UTF-8'?>\n";

// Two points in the file's own layout, with canonical children.
const QByteArray twoPointsFile = declaration
    + "<playback>\n"
      "    <point>\n"
      "        <motionStyle>MOVJ</motionStyle>\n"
      "        <isGrab>false</isGrab>\n"
      "        <x>200</x>\n"
      "        <y>0</y>\n"
      "        <z>50</z>\n"
      "        <rHead>0</rHead>\n"
      "        <gripper>0</gripper>\n"
      "        <pauseTime>0</pauseTime>\n"
      "    </point>\n"
      "    <point>\n"
      "        <motionStyle>JUMP</motionStyle>\n"
      "        <isGrab>true</isGrab>\n"
      "        <x>150.5</x>\n"
      "        <y>-20</y>\n"
      "        <z>10</z>\n"
      "        <rHead>45</rHead>\n"
      "        <gripper>0</gripper>\n"
      "        <pauseTime>1.5</pauseTime>\n"
      "    </point>\n"
      "</playback>\n";
const PlaybackPoints twoPoints { point(MOVJ, 0, 200, 0, 50, 0, 0, 0),
    point(JUMP, 1, 150.5f, -20, 10, 45, 0, 1.5f) };

} // namespace

class tst_PlaybackManager : public QObject
{
    Q_OBJECT

private slots:
    void init();

    void writtenText_data();
    void writtenText();
    void lenientReading_data();
    void lenientReading();
    void hostileFiles_data();
    void hostileFiles();
    void largeFileReadsInBoundedMemory();
    void failedWriteKeepsOldFile_data();
    void failedWriteKeepsOldFile();

    void defaultFileLoadsOncePerRun();
    void defaultFileKeptBesideWhenUnreadable_data();
    void defaultFileKeptBesideWhenUnreadable();

private:
    std::unique_ptr<QTemporaryDir> dir;
};

void tst_PlaybackManager::init()
{
    dir = std::make_unique<QTemporaryDir>();
    QVERIFY(dir->isValid());
}

void tst_PlaybackManager::writtenText_data()
{
    QTest::addColumn<PlaybackPoints>("points");
    QTest::addColumn<QByteArray>("text");

    QTest::newRow("two rows") << twoPoints << twoPointsFile;
    QTest::newRow("empty table") << PlaybackPoints() << declaration + "<playback/>\n";
}

void tst_PlaybackManager::writtenText()
{
    QFETCH(PlaybackPoints, points);
    QFETCH(QByteArray, text);

    const QString path = dir->filePath(QStringLiteral("points.xml"));
    QVERIFY(writeFile(path, QByteArray(100000, 'x')));
    CPlaybackManager::instance()->writePoints(path, points);
    QCOMPARE(readFile(path), text);
    QCOMPARE(describe(readPoints(path)), describe(points));
    // Nothing is left behind beside the file.
    QCOMPARE(
        QDir(dir->path()).entryList(QDir::Files), QStringList { QStringLiteral("points.xml") });
}

void tst_PlaybackManager::lenientReading_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<QStringList>("points");

    const auto pointOf
        = [](const QByteArray &children) { return "<point>" + children + "</point>"; };
    const auto document = [&](const QByteArray &points) {
        return declaration + "<playback>" + points + "</playback>\n";
    };
    const QStringList zeroPoint { "0 0 0 0 0 0 0 0" };

    QTest::newRow("file's own layout") << twoPointsFile << describe(twoPoints);
    QTest::newRow("other root name")
        << QByteArray("<points><point><motionStyle>MOVL</motionStyle><x>1</x></point></points>")
        << QStringList { "2 0 1 0 0 0 0 0" };
    QTest::newRow("children in another order")
        << document(pointOf("<pauseTime>1.5</pauseTime><x>150.5</x><rHead>45</rHead><z>10</z>"
                            "<gripper>0</gripper><y>-20</y><isGrab>true</isGrab>"
                            "<motionStyle>JUMP</motionStyle>"))
        << describe({ twoPoints[1] });
    QTest::newRow("True with a capital, movl in lower case")
        << document(pointOf("<motionStyle>movl</motionStyle><isGrab>True</isGrab>")) << zeroPoint;
    QTest::newRow("numbers that are not finite") << document(
        pointOf("<x>nan</x><y>inf</y><z>-inf</z><rHead>1e39</rHead><gripper>5</gripper>"))
                                                 << QStringList { "0 0 0 0 0 0 5 0" };
    QTest::newRow("missing children") << document("<point/>" + pointOf("<y>7</y>"))
                                      << QStringList { "0 0 0 0 0 0 0 0", "0 0 0 7 0 0 0 0" };
    QTest::newRow("first child of each name")
        << document(pointOf("<x>1</x><x>2</x><isGrab>false</isGrab><isGrab>true</isGrab>"))
        << QStringList { "0 0 1 0 0 0 0 0" };
    QTest::newRow("root's points only, others skipped")
        << document("<other><point><x>9</x></point></other>" + pointOf("<x>1</x>")
               + "<Point><x>8</x></Point><ns:point xmlns:ns='urn:a'><x>7</x></ns:point>")
        << QStringList { "0 0 1 0 0 0 0 0" };
    QTest::newRow("texts of nested markup, comments and CDATA")
        << document(pointOf("<motionStyle> <!-- c -->MOVJ<?pi?></motionStyle>"
                            "<x> 1<b>2</b>.<![CDATA[5]]> </x><y>&#45;3&amp;</y>"))
        << QStringList { "1 0 12.5 0 0 0 0 0" };
    QTest::newRow("byte order mark") << "\xEF\xBB\xBF" + twoPointsFile << describe(twoPoints);
    const auto utf16 = [](const QByteArray &latin1) {
        const QString text = QString::fromLatin1(latin1);
        return QByteArray("\xFF\xFE", 2)
            + QByteArray(reinterpret_cast<const char *>(text.utf16()), text.size() * 2);
    };
    QTest::newRow("UTF-16 as declared")
        << utf16(QByteArray(twoPointsFile).replace("UTF-8", "UTF-16")) << describe(twoPoints);
    QTest::newRow("invalid UTF-8 in a comment and in texts")
        << document("<!-- \xB5\xE3 -->"
               + pointOf("<motionStyle>MO\xFFVL</motionStyle><x>1.5\xC3</x>")
               + pointOf("<motionStyle>MOVL</motionStyle><x>2</x>"))
        << QStringList { "0 0 0 0 0 0 0 0", "2 0 2 0 0 0 0 0" };

    // Found by fuzzing: the stream reader takes these names, the DOM parser refuses them.
    QTest::newRow("entity name with a control character")
        << document(pointOf("<x>1</x><y>&#45;3&am\x01p;</y>")) << QStringList();
    QTest::newRow("attribute name with a dollar sign")
        << document("<point xml$s:ns='urn:a'><x>7</x></point>") << QStringList();
    QTest::newRow("element name with a dollar sign")
        << document(pointOf("<x>1</x><y$>2</y$>")) << QStringList();
    QTest::newRow("name starting with a digit")
        << document(pointOf("<x>1</x><y 1a='2'/>")) << QStringList();
    QTest::newRow("processing instruction target with a dollar sign")
        << document(pointOf("<x>1</x><?p$i?>")) << QStringList();
    QTest::newRow("names of letters, digits, marks, '.', '-', '_' and ':'")
        << document(pointOf("<x>1&_n\xC3\xA9.-9\xCC\x81;</x><y a.b-c_:d='1'>2</y><?t-1.x?>"))
        << QStringList { "0 0 1 2 0 0 0 0" };
    QTest::newRow("no point elements") << document("<points/>") << QStringList();
    QTest::newRow("empty file") << QByteArray() << QStringList();
    QTest::newRow("not XML") << QByteArray("MOVJ\tfalse\t200\t0\t50\t0\t0\t0\n") << QStringList();
    QTest::newRow("cut short") << twoPointsFile.left(twoPointsFile.size() - 5) << QStringList();
    QTest::newRow("broken at the end") << twoPointsFile + "<point/>" << QStringList();
    QTest::newRow("undeclared entities")
        << document(pointOf("<motionStyle>MO&nbsp;VL</motionStyle><x>1&one;2</x>")
               + "<point a='&two;'><x>3</x></point>")
        << QStringList { "2 0 12 0 0 0 0 0", "0 0 3 0 0 0 0 0" };
}

void tst_PlaybackManager::lenientReading()
{
    QFETCH(QByteArray, file);
    QFETCH(QStringList, points);

    QCOMPARE(describe(domPoints(file)), points);
    const QString path = dir->filePath(QStringLiteral("points.xml"));
    QVERIFY(writeFile(path, file));
    PlaybackPoints read { point(MOVL, 1, 1, 1, 1, 1, 1, 1) };
    CPlaybackManager::instance()->readPoints(path, read);
    QCOMPARE(describe(read), points);
}

void tst_PlaybackManager::hostileFiles_data()
{
    // The file is head, then part count times, then tail.
    QTest::addColumn<QByteArray>("head");
    QTest::addColumn<QByteArray>("part");
    QTest::addColumn<int>("count");
    QTest::addColumn<QByteArray>("tail");
    QTest::addColumn<QStringList>("points");

    const QByteArray onePoint = "<point><x>1</x></point>";
    QByteArray laughs = "<!ENTITY l0 'lol'>";
    for (int i = 1; i < 10; ++i)
        laughs += "<!ENTITY l" + QByteArray::number(i) + " '"
            + ("&l" + QByteArray::number(i - 1) + ";").repeated(10) + "'>";
    QByteArray attributes;
    for (int i = 0; i < 200000; ++i)
        attributes += " a" + QByteArray::number(i) + "=''";

    QTest::newRow("billion laughs")
        << "<!DOCTYPE p [" + laughs + "]><playback>" << onePoint << 1
        << QByteArray("<point><x>&l9;</x></point></playback>") << QStringList();
    QTest::newRow("many attribute declarations")
        << QByteArray("<!DOCTYPE p [") << QByteArray("<!ATTLIST p a CDATA 'v'>") << 200000
        << QByteArray("]><p/>") << QStringList();
    QTest::newRow("many attributes") << QByteArray("<playback><point") << attributes << 1
                                     << QByteArray("/></playback>") << QStringList();
    QTest::newRow("deep nesting") << QByteArray("<playback>") << QByteArray("<a>") << 2000000
                                  << QByteArray("</a>").repeated(2000000) + "</playback>"
                                  << QStringList();
    QTest::newRow("huge comment") << "<playback>" + onePoint + "<!--" << QByteArray(1 << 20, 'c')
                                  << 64 << QByteArray("--></playback>") << QStringList();
    QTest::newRow("huge field text")
        << QByteArray("<playback><point><x>") << QByteArray(1 << 20, ' ') << 64
        << QByteArray("1</x></point></playback>") << QStringList();
    QTest::newRow("point with thousands of children")
        << QByteArray("<playback><point><x>5</x>") << QByteArray("<x>6</x><y>1</y><other>7</other>")
        << 100000 << "</point>" + onePoint + "</playback>"
        << QStringList { "0 0 5 1 0 0 0 0", "0 0 1 0 0 0 0 0" };
    QTest::newRow("many comments and attributes, all well-formed")
        << QByteArray("<playback>") << "<!-- c --><other a='1' b='2'>t</other>" + onePoint << 200000
        << QByteArray("</playback>")
        << QStringList(QVector<QString>(200000, "0 0 1 0 0 0 0 0").toList());
}

void tst_PlaybackManager::hostileFiles()
{
    QFETCH(QByteArray, head);
    QFETCH(QByteArray, part);
    QFETCH(int, count);
    QFETCH(QByteArray, tail);
    QFETCH(QStringList, points);

    const QString path = dir->filePath(QStringLiteral("hostile.xml"));
    {
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(head);
        for (int i = 0; i < count; ++i)
            file.write(part);
        file.write(tail);
    }
    const std::clock_t start = std::clock();
    QCOMPARE(describe(readPoints(path)), points);
    // Far beyond a normal read of a file this size, short of the minutes a hang would take. The
    // processor time counts, so that a busy machine does not fail the test; the sanitizers slow
    // the read down several times.
    const qint64 milliseconds = qint64(std::clock() - start) * 1000 / CLOCKS_PER_SEC;
    QVERIFY2(milliseconds < 15000 * sanitizerSlowdown, QByteArray::number(milliseconds) + " ms");
}

void tst_PlaybackManager::largeFileReadsInBoundedMemory()
{
    const int count = 100000;
    PlaybackPoints points;
    for (int i = 0; i < count; ++i)
        points << point(
            uint8_t(i % 3), uint8_t(i % 2), i * 0.5f, -279.9f, 139.9f, -90.999f, 70, 99.999f);
    const QString path = dir->filePath(QStringLiteral("large.xml"));
    CPlaybackManager::instance()->writePoints(path, points);
    const qint64 fileSize = QFileInfo(path).size();
    QVERIFY(fileSize > 20 * 1000 * 1000);

    if (residentMemoryShowsGrowth)
        resetPeakResidentBytes();
    const qint64 before = residentMemoryShowsGrowth ? peakResidentBytes() : 0;
    const PlaybackPoints read = readPoints(path);
    const qint64 growth = residentMemoryShowsGrowth ? peakResidentBytes() - before : 0;

    QCOMPARE(describe(read), describe(points));
    // The points themselves take 28 bytes each; a DOM of the file would take many times its size.
    if (residentMemoryShowsGrowth) {
        qInfo("%lld MB file: peak memory grew by %lld MB", fileSize >> 20, growth >> 20);
        QVERIFY2(growth < fileSize / 2, QByteArray::number(growth >> 20) + " MB");
    }
}

void tst_PlaybackManager::failedWriteKeepsOldFile_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<qint64>("fileSizeLimit");

    QTest::newRow("missing folder") << QStringLiteral("missing/points.xml") << qint64(-1);
    QTest::newRow("folder in the way") << QStringLiteral("folder") << qint64(-1);
#ifdef Q_OS_UNIX
    QTest::newRow("disk full while writing") << QStringLiteral("points.xml") << qint64(4096);
#endif
}

void tst_PlaybackManager::failedWriteKeepsOldFile()
{
    QFETCH(QString, path);
    QFETCH(qint64, fileSizeLimit);

    QVERIFY(QDir(dir->path()).mkdir(QStringLiteral("folder")));
    const QString oldPath = dir->filePath(QStringLiteral("points.xml"));
    QVERIFY(writeFile(oldPath, twoPointsFile));
    PlaybackPoints points;
    for (int i = 0; i < 1000; ++i)
        points << point(MOVL, 1, float(i), 1, 2, 3, 4, 5);

#ifdef Q_OS_UNIX
    rlimit oldLimit {};
    getrlimit(RLIMIT_FSIZE, &oldLimit);
    const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
    if (fileSizeLimit >= 0) {
        const rlimit limit { rlim_t(fileSizeLimit), oldLimit.rlim_max };
        QCOMPARE(setrlimit(RLIMIT_FSIZE, &limit), 0);
    }
#else
    Q_UNUSED(fileSizeLimit)
#endif
    CPlaybackManager::instance()->writePoints(dir->filePath(path), points);
#ifdef Q_OS_UNIX
    setrlimit(RLIMIT_FSIZE, &oldLimit);
    std::signal(SIGXFSZ, oldHandler);
#endif

    QCOMPARE(readFile(oldPath), twoPointsFile);
    QVERIFY(QFileInfo(dir->filePath(QStringLiteral("folder"))).isDir());
    QCOMPARE(QDir(dir->path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot),
        (QStringList { QStringLiteral("folder"), QStringLiteral("points.xml") }));
}

void tst_PlaybackManager::defaultFileLoadsOncePerRun()
{
    const QString path = dir->filePath(QStringLiteral("PlaybackPoints.xml"));
    QVERIFY(writeFile(path, twoPointsFile));
    CDefaultPointsFile defaultFile(path);

    PlaybackPoints points { point(MOVL, 1, 1, 1, 1, 1, 1, 1) };
    QVERIFY(defaultFile.loadOnce(points));
    QCOMPARE(describe(points), describe(twoPoints));

    // A reconnection must not replace the rows edited since.
    const PlaybackPoints edited { point(MOVL, 1, 9, 9, 9, 9, 9, 9) };
    points = edited;
    QVERIFY(!defaultFile.loadOnce(points));
    QCOMPARE(describe(points), describe(edited));

    defaultFile.save({});
    QCOMPARE(readFile(path), declaration + "<playback/>\n");
    QVERIFY(!QFile::exists(path + ".bak"));
}

void tst_PlaybackManager::defaultFileKeptBesideWhenUnreadable_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<bool>("keptBeside");

    QTest::newRow("broken by a hand edit") << twoPointsFile.left(200) + "</playback>" << true;
    QTest::newRow("elements but no points") << QByteArray("<playback><Point/></playback>") << true;
    QTest::newRow("refused") << declaration + "<!DOCTYPE playback>\n"
            + twoPointsFile.mid(declaration.size())
                             << true;
    QTest::newRow("empty root") << declaration + "<playback/>\n" << false;
    QTest::newRow("empty file") << QByteArray() << false;
    QTest::newRow("points") << twoPointsFile << false;
}

void tst_PlaybackManager::defaultFileKeptBesideWhenUnreadable()
{
    QFETCH(QByteArray, file);
    QFETCH(bool, keptBeside);

    const QString path = dir->filePath(QStringLiteral("PlaybackPoints.xml"));
    const QString copyPath = path + ".bak";
    QVERIFY(writeFile(path, file));
    QVERIFY(writeFile(copyPath, "an older copy"));
    const PlaybackPoints table { point(MOVL, 1, 9, 9, 9, 9, 9, 9) };
    {
        CDefaultPointsFile defaultFile(path);
        PlaybackPoints points;
        QVERIFY(defaultFile.loadOnce(points));
        defaultFile.save(table);
        QCOMPARE(describe(readPoints(path)), describe(table));
        QCOMPARE(readFile(copyPath), keptBeside ? file : QByteArray("an older copy"));
    }
    // The next run starts from the file written at quit and keeps the copy as it is.
    CDefaultPointsFile nextRun(path);
    PlaybackPoints points;
    QVERIFY(nextRun.loadOnce(points));
    nextRun.save({});
    QCOMPARE(readFile(copyPath), keptBeside ? file : QByteArray("an older copy"));
}

QTEST_MAIN(tst_PlaybackManager)
#include "tst_playbackmanager.moc"
