// Tests of the unsaved table written beside the points file while it is edited, and of its offer
// when the window starts after a run that ended without the save at quit.
#include "filetesting.h"
#include "mainwindowtesting.h"
#include "modaltesting.h"
#include "updatetesting.h"

#include "playback/cplaybacktableview.h"
#include "playback/cpointsrecovery.h"
#include "updateinfodialog.h"
#include "widgets/cshownewfeaturesdialog.h"

#include <QDateTime>
#include <QElapsedTimer>
#include <QMessageBox>
#include <QPointer>
#include <QThread>
#include <QTimer>
#include <QtTest>

using namespace filetesting;
using namespace mainwindowtesting;
using namespace modaltesting;

namespace {

const PlaybackPoints onePoint { PlaybackPoint { MOVL, 1, 12.5f, 0, 0, 0, 0, 0 } };
const PlaybackPoints twoPoints { PlaybackPoint { MOVJ, 0, 200, 0, 50, 0, 0, 0 },
    PlaybackPoint { JUMP, 1, 150.5f, -20, 10, 45, 0, 1.5f } };

QString programFile(const QString &name)
{
    return QCoreApplication::applicationDirPath() + QStringLiteral("/file/") + name;
}

const QString pointsName = QStringLiteral("PlaybackPoints.xml");
const QString recoveryName = QStringLiteral("PlaybackPoints-autosave.xml");

// The copies of recovery files kept beside the points file.
QStringList keptCopies()
{
    return QDir(programFile(QString()))
        .entryList({ QStringLiteral("PlaybackPoints-recovered-*.xml") }, QDir::Files);
}

} // namespace

class tst_PointsRecovery : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void offeredAtStart_data();
    void offeredAtStart();
    void setAsideWithoutOffer_data();
    void setAsideWithoutOffer();
    void editsWrittenBesidePointsFile();
    void quitRemovesRecoveryOnlyAfterSave_data();
    void quitRemovesRecoveryOnlyAfterSave();
    void quitWhileWriting();
    void startupBoxesOneAfterAnother();

private:
    // Starts a window that connects with these files beside the program (a null one is missing),
    // answering a message box at start with the button whose text is `answer`.
    void start(const QByteArray &points, const QByteArray &recovery, int recoveryAge,
        const QString &answer = QString());
    CPlaybackTableView *table() const
    {
        return child<CPlaybackTableView>(window.get(), "playbackTableView");
    }
    QByteArray tableXml() const
    {
        PlaybackPoints points;
        table()->getPoints(points);
        return pointsFileBytes(points);
    }

    std::unique_ptr<MainWindow> window;
    // Title and text of the message box shown at start, if any.
    QString boxShown;
};

void tst_PointsRecovery::initTestCase()
{
    Q_INIT_RESOURCE(resources);
}

void tst_PointsRecovery::init()
{
    prepareProgramFolder();
    removeUnsavedTable();
    for (const QString &name : keptCopies())
        QFile::remove(programFile(name));
    boxShown.clear();
}

void tst_PointsRecovery::cleanup()
{
    window.reset();
}

void tst_PointsRecovery::start(
    const QByteArray &points, const QByteArray &recovery, int recoveryAge, const QString &answer)
{
    if (!points.isNull())
        QVERIFY(writeFile(programFile(pointsName), points, 60));
    if (!recovery.isNull())
        QVERIFY(writeFile(programFile(recoveryName), recovery, recoveryAge));
    arvexsim::reset();
    const QPointer<QTimer> answering = onNextModal<QMessageBox>(
        [this, answer](QMessageBox *box) {
            boxShown = box->windowTitle() + ": " + box->text();
            for (QAbstractButton *button : box->buttons()) {
                if (button->text() == answer || box->buttons().size() == 1)
                    QTest::mouseClick(button, Qt::LeftButton);
            }
        },
        this);
    window = createWindow(true);
    QVERIFY(waitUntilConnected(window.get()));
    // The box comes after the panels are enabled, from the same slot.
    QTRY_VERIFY(
        table()->isEnabled() && !qobject_cast<QMessageBox *>(QApplication::activeModalWidget()));
    delete answering;
}

void tst_PointsRecovery::offeredAtStart_data()
{
    QTest::addColumn<QByteArray>("points");
    QTest::addColumn<QString>("answer");
    QTest::addColumn<QByteArray>("table");

    QTest::newRow("restore") << pointsFileBytes(onePoint) << "&Restore"
                             << pointsFileBytes(twoPoints);
    QTest::newRow("restore without points file")
        << QByteArray() << "&Restore" << pointsFileBytes(twoPoints);
    QTest::newRow("discard") << pointsFileBytes(onePoint) << "&Discard"
                             << pointsFileBytes(onePoint);
    QTest::newRow("discard without points file")
        << QByteArray() << "&Discard" << pointsFileBytes({});
}

// Restoring keeps the file for a second crash; discarding keeps it under the name the box told.
void tst_PointsRecovery::offeredAtStart()
{
    QFETCH(QByteArray, points);
    QFETCH(QString, answer);
    QFETCH(QByteArray, table);

    // What a write killed before its rename leaves where files cannot be created unnamed.
    const QString leftover = programFile(recoveryName + ".aBcDeF");
    QVERIFY(writeFile(leftover, pointsFileBytes(onePoint).left(100)));
    start(points, pointsFileBytes(twoPoints), 0, answer);
    QVERIFY(!QFile::exists(leftover));
    QVERIFY2(boxShown.startsWith("Notice: The program ended without saving the playback table."),
        qPrintable(boxShown));
    QVERIFY(boxShown.contains("2 points"));
    QCOMPARE(tableXml(), table);
    const bool restored = answer == "&Restore";
    QCOMPARE(readFile(programFile(recoveryName)),
        restored ? pointsFileBytes(twoPoints) : QByteArray("(missing)"));
    const QStringList copies = keptCopies();
    QCOMPARE(copies.size(), restored ? 0 : 1);
    if (!restored) {
        QCOMPARE(readFile(programFile(copies.first())), pointsFileBytes(twoPoints));
        QVERIFY2(boxShown.endsWith(QDir::toNativeSeparators(programFile(copies.first()))),
            qPrintable(boxShown));
    }
    QCOMPARE(readFile(programFile(pointsName)), points.isNull() ? "(missing)" : points);
}

void tst_PointsRecovery::setAsideWithoutOffer_data()
{
    QTest::addColumn<QByteArray>("recovery");
    QTest::addColumn<int>("recoveryAge");
    QTest::addColumn<QString>("message");

    QTest::newRow("older than points file") << pointsFileBytes(twoPoints) << 3600 << QString();
    const QString unreadable = "Warning: The playback table that was not saved when the program "
                               "last ended could not be read.\nThe file was kept as:\n";
    QTest::newRow("not XML") << QByteArray("MOVJ\tfalse\t200") << 0 << unreadable;
    QTest::newRow("cut short") << pointsFileBytes(twoPoints).left(200) << 0 << unreadable;
    QTest::newRow("empty file") << QByteArray("") << 0 << unreadable;
    QTest::newRow("empty table") << pointsFileBytes({}) << 0 << unreadable;
}

// Nothing is offered that cannot be restored, and nothing is deleted either.
void tst_PointsRecovery::setAsideWithoutOffer()
{
    QFETCH(QByteArray, recovery);
    QFETCH(int, recoveryAge);
    QFETCH(QString, message);

    start(pointsFileBytes(onePoint), recovery, recoveryAge);
    QCOMPARE(tableXml(), pointsFileBytes(onePoint));
    QVERIFY(!QFile::exists(programFile(recoveryName)));
    const QStringList copies = keptCopies();
    QCOMPARE(copies.size(), 1);
    QCOMPARE(readFile(programFile(copies.first())), recovery);
    QCOMPARE(boxShown,
        message.isEmpty() ? QString()
                          : message + QDir::toNativeSeparators(programFile(copies.first())));
}

void tst_PointsRecovery::editsWrittenBesidePointsFile()
{
    start(pointsFileBytes(onePoint), QByteArray(), 0);
    QWidget *panel = playbackPanelOf(*window);
    QTRY_VERIFY(!child<QLineEdit>(panel, "x")->text().isEmpty());
    for (int click = 0; click < 3; ++click)
        QTest::mouseClick(child<QPushButton>(panel, "saveBtn"), Qt::LeftButton);
    QCOMPARE(table()->model()->rowCount(), 4);
    // A second or so after the last change.
    QTest::qWait(500);
    QVERIFY(!QFile::exists(programFile(recoveryName)));
    QTRY_COMPARE_WITH_TIMEOUT(readFile(programFile(recoveryName)), tableXml(), 3000);
    QCOMPARE(readFile(programFile(pointsName)), pointsFileBytes(onePoint));
}

void tst_PointsRecovery::quitRemovesRecoveryOnlyAfterSave_data()
{
    QTest::addColumn<bool>("saveFails");

    QTest::newRow("save succeeds") << false;
    QTest::newRow("points file not writable") << true;
}

// A failed save keeps the recovery file, with the edits of the moment of quitting in it.
void tst_PointsRecovery::quitRemovesRecoveryOnlyAfterSave()
{
    QFETCH(bool, saveFails);

    start(pointsFileBytes(onePoint), QByteArray(), 0);
    QWidget *panel = playbackPanelOf(*window);
    QTRY_VERIFY(!child<QLineEdit>(panel, "x")->text().isEmpty());
    QTest::mouseClick(child<QPushButton>(panel, "saveBtn"), Qt::LeftButton);
    QTRY_COMPARE_WITH_TIMEOUT(readFile(programFile(recoveryName)), tableXml(), 3000);
    QTest::mouseClick(child<QPushButton>(panel, "saveBtn"), Qt::LeftButton);
    const QByteArray atQuit = tableXml();
    if (saveFails) {
        // Even root cannot rename a file over a folder.
        QVERIFY(QFile::remove(programFile(pointsName)));
        QVERIFY(QDir().mkdir(programFile(pointsName)));
    }

    // A failed save is told; the user reads the box and closes it.
    QString told;
    QTimer answer;
    connect(&answer, &QTimer::timeout, [&] {
        if (auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget())) {
            told = box->text();
            box->button(QMessageBox::Ok)->click();
        }
    });
    answer.start(10);
    QMetaObject::invokeMethod(qApp, "aboutToQuit");
    answer.stop();
    QCOMPARE(told, saveFails ? QStringLiteral("Failed to save playback points!") : QString());
    if (saveFails) {
        QCOMPARE(readFile(programFile(recoveryName)), atQuit);
        QVERIFY(QDir(programFile(pointsName)).removeRecursively());
    } else {
        QCOMPARE(readFile(programFile(pointsName)), atQuit);
        QVERIFY(!QFile::exists(programFile(recoveryName)));
    }
    // Nothing is written after quitting, however the table changes.
    QTest::mouseClick(child<QPushButton>(panel, "saveBtn"), Qt::LeftButton);
    QTest::qWait(2500);
    QCOMPARE(readFile(programFile(recoveryName)), saveFails ? atQuit : "(missing)");
}

// The write under way ends before the save at quit, and nothing of it comes after the removal.
void tst_PointsRecovery::quitWhileWriting()
{
    start(pointsFileBytes(PlaybackPoints(50000, twoPoints.first())), QByteArray(), 0);
    QWidget *panel = playbackPanelOf(*window);
    QTRY_VERIFY(!child<QLineEdit>(panel, "x")->text().isEmpty());
    QTest::mouseClick(child<QPushButton>(panel, "saveBtn"), Qt::LeftButton);
    const auto *recovery = window->findChild<CPointsRecovery *>();
    QTRY_VERIFY_WITH_TIMEOUT(recovery->findChild<QThread *>(), 3000);

    QMetaObject::invokeMethod(qApp, "aboutToQuit");
    QCOMPARE(readFile(programFile(pointsName)), tableXml());
    QVERIFY(!QFile::exists(programFile(recoveryName)));
    QTest::qWait(100);
    QVERIFY(!QFile::exists(programFile(recoveryName)));
}

void tst_PointsRecovery::startupBoxesOneAfterAnother()
{
#ifndef Q_OS_UNIX
    QSKIP("The stand-in maintenance tool is a shell script.");
#endif
    QVERIFY(writeFile(programFile(pointsName), pointsFileBytes(onePoint), 60));
    QVERIFY(writeFile(programFile(recoveryName), pointsFileBytes(twoPoints), 0));
    QVERIFY(updatetesting::installTool(updatetesting::printingTool(
        "<updates><update name=\"ArvexClient\" version=\"9.0\" size=\"2048\"/></updates>")));
    COptions::instance()->setUpgrade(0);
    arvexsim::reset();

    // The user reads each box for a second, then answers it: "Remind me later", "Discard",
    // "Install later". Boxes open together are noted and answered at once.
    QStringList answered;
    bool twoAtOnce = false;
    QString shown;
    QElapsedTimer shownFor;
    QTimer user;
    connect(&user, &QTimer::timeout, this, [&] {
        QMap<QString, QAbstractButton *> open;
        for (QWidget *widget : QApplication::allWidgets()) {
            if (!widget->isVisible())
                continue;
            if (auto *button = qobject_cast<QPushButton *>(widget);
                button && button->text() == "Remind me later")
                open.insert("notice", button);
            else if (auto *button = qobject_cast<QPushButton *>(widget);
                     button && button->text() == "&Discard")
                open.insert("recovery", button);
            else if (qobject_cast<UpdateKit::UpdateInfoDialog *>(widget))
                open.insert("update", widget->findChild<QPushButton *>("skipButton"));
        }
        twoAtOnce = twoAtOnce || open.size() > 1;
        if (open.size() == 1 && shown != open.firstKey()) {
            shown = open.firstKey();
            shownFor.start();
        }
        if (open.isEmpty() || (open.size() == 1 && shownFor.elapsed() < 1000))
            return;
        answered << open.keys();
        shown.clear();
        for (QAbstractButton *button : open)
            QTest::mouseClick(button, Qt::LeftButton);
    });
    user.start(20);
    window = createWindow(true);
    QTRY_VERIFY_WITH_TIMEOUT(answered.size() >= 3, 20000);
    user.stop();
    COptions::instance()->setUpgrade(1);
    updatetesting::removeTool();
    QVERIFY(!twoAtOnce);
    QCOMPARE(answered, (QStringList { "notice", "recovery", "update" }));
    QCOMPARE(tableXml(), pointsFileBytes(onePoint));
}

QTEST_MAIN(tst_PointsRecovery)
#include "tst_pointsrecovery.moc"
