// Tests of the main window's points file slots: the default file at connection and quit, and
// the Import... and Export... buttons.
#include "filetesting.h"
#include "mainwindowtesting.h"
#include "modaltesting.h"

#include "playback/cplaybacktableview.h"

#include <QFileDialog>
#include <QMessageBox>
#include <QProcess>
#include <QTemporaryDir>
#include <QTimer>
#include <QUndoStack>
#include <QtTest>

#include <functional>
#include <utility>

using namespace filetesting;
using namespace mainwindowtesting;
using namespace modaltesting;

namespace {

const PlaybackPoints onePoint { PlaybackPoint { MOVL, 1, 12.5f, 0, 0, 0, 0, 0 } };
const PlaybackPoints twoPoints { PlaybackPoint { MOVJ, 0, 200, 0, 50, 0, 0, 0 },
    PlaybackPoint { JUMP, 1, 150.5f, -20, 10, 45, 0, 1.5f } };

QString defaultFilePath()
{
    return QCoreApplication::applicationDirPath() + QStringLiteral("/file/PlaybackPoints.xml");
}

} // namespace

class tst_PlaybackFileSlots : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanup();

    void defaultFileLoadedAtFirstConnectionOnly();
    void importWithoutPointsKeepsTable_data();
    void importWithoutPointsKeepsTable();
    void exportOfEmptyTableWarns();
    void quitKeepsUnreadableDefaultFileBeside();
    void fullDiskKeepsFileAndTells_data();
    void fullDiskKeepsFileAndTells();

private:
    // Starts a window that connects with this default file beside the program.
    void start(const QByteArray &defaultFile);
    CPlaybackTableView *table() const
    {
        return child<CPlaybackTableView>(window.get(), "playbackTableView");
    }
    QPushButton *button(const char *name) const { return child<QPushButton>(window.get(), name); }
    PlaybackPoints tablePoints() const;

    std::unique_ptr<MainWindow> window;
    QString mountedDir;
};

void tst_PlaybackFileSlots::initTestCase()
{
    Q_INIT_RESOURCE(resources);
}

void tst_PlaybackFileSlots::cleanup()
{
    window.reset();
    if (!mountedDir.isEmpty())
        QProcess::execute("umount", { std::exchange(mountedDir, QString()) });
}

void tst_PlaybackFileSlots::start(const QByteArray &defaultFile)
{
    prepareProgramFolder();
    QVERIFY(writeFile(defaultFilePath(), defaultFile));
    arvexsim::reset();
    window = createWindow();
    QVERIFY(waitUntilConnected(window.get()));
}

PlaybackPoints tst_PlaybackFileSlots::tablePoints() const
{
    PlaybackPoints points;
    table()->getPoints(points);
    return points;
}

void tst_PlaybackFileSlots::defaultFileLoadedAtFirstConnectionOnly()
{
    start(pointsFileBytes(twoPoints));
    QCOMPARE(table()->model()->rowCount(), 2);

    table()->setPoints(onePoint);
    action(window.get(), "&Disconnect")->trigger();
    action(window.get(), "&Connect")->trigger();
    QVERIFY(waitUntilConnected(window.get()));
    QCOMPARE(pointsFileBytes(tablePoints()), pointsFileBytes(onePoint));
}

void tst_PlaybackFileSlots::importWithoutPointsKeepsTable_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<bool>("replacesTable");

    QTest::newRow("not XML") << QByteArray("MOVJ\tfalse\t200\t0\t50\t0\t0\t0\n") << false;
    QTest::newRow("no points") << pointsFileBytes({}) << false;
    QTest::newRow("points") << pointsFileBytes(twoPoints) << true;
}

void tst_PlaybackFileSlots::importWithoutPointsKeepsTable()
{
    QFETCH(QByteArray, file);
    QFETCH(bool, replacesTable);

    start(pointsFileBytes(onePoint));
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("import.xml"));
    QVERIFY(writeFile(path, file));
    onNextModal<QFileDialog>(
        [&](QFileDialog *dialog) {
            dialog->selectFile(path);
            static_cast<QDialog *>(dialog)->accept();
        },
        window.get());
    QString message;
    onNextModal<QMessageBox>(
        [&](QMessageBox *box) {
            message = box->windowTitle() + ": " + box->text();
            box->button(QMessageBox::Ok)->click();
        },
        window.get());
    button("importBtn")->click();

    QCOMPARE(message,
        replacesTable ? QString() : QStringLiteral("Warning: Failed to import playback points!"));
    QCOMPARE(pointsFileBytes(tablePoints()), replacesTable ? file : pointsFileBytes(onePoint));

    // An import is a step to undo; the table loaded at the connection is where undoing ends.
    QCOMPARE(table()->findChild<QUndoStack *>()->canUndo(), replacesTable);
    // The headless platform does not hand the activation back when a dialog closes.
    window->activateWindow();
    QTRY_VERIFY(window->isActiveWindow());
    pressKeys(window.get(), QKeySequence(QStringLiteral("Ctrl+Z")));
    QCOMPARE(pointsFileBytes(tablePoints()), pointsFileBytes(onePoint));
    QVERIFY(!table()->findChild<QUndoStack *>()->canUndo());
}

void tst_PlaybackFileSlots::exportOfEmptyTableWarns()
{
    start(pointsFileBytes({}));
    bool fileDialogShown = false;
    onNextModal<QFileDialog>(
        [&](QFileDialog *dialog) {
            fileDialogShown = true;
            dialog->reject();
        },
        window.get());
    QString message;
    onNextModal<QMessageBox>(
        [&](QMessageBox *box) {
            message = box->windowTitle() + ": " + box->text();
            box->button(QMessageBox::Ok)->click();
        },
        window.get());
    button("exportBtn")->click();

    QCOMPARE(message, QStringLiteral("Warning: No data to export!"));
    QVERIFY(!fileDialogShown);
}

void tst_PlaybackFileSlots::quitKeepsUnreadableDefaultFileBeside()
{
    const QByteArray handEdited = pointsFileBytes(twoPoints).replace("</point>", "</pont>");
    start(handEdited);
    QCOMPARE(table()->model()->rowCount(), 0);

    table()->setPoints(onePoint);
    QVERIFY(QMetaObject::invokeMethod(window.get(), "onAppAboutToQuit"));
    QCOMPARE(readFile(defaultFilePath()), pointsFileBytes(onePoint));
    QCOMPARE(readFile(defaultFilePath() + ".bak"), handEdited);
}

void tst_PlaybackFileSlots::fullDiskKeepsFileAndTells_data()
{
    QTest::addColumn<bool>("atQuit");

    QTest::newRow("Export...") << false;
    QTest::newRow("quit") << true;
}

// A 20-point file on a disk that then fills up: writing 21 points over it must keep the file.
void tst_PlaybackFileSlots::fullDiskKeepsFileAndTells()
{
    QFETCH(bool, atQuit);

    prepareProgramFolder();
    const QString dir = atQuit ? QFileInfo(defaultFilePath()).path()
                               : QCoreApplication::applicationDirPath() + "/exported";
    QVERIFY(QDir().mkpath(dir));
    if (QProcess::execute("mount", { "-t", "tmpfs", "-o", "size=64k", "tmpfs", dir }) != 0)
        QSKIP("Mounting a small file system needs root");
    mountedDir = dir;
    const QString path = atQuit ? defaultFilePath() : dir + "/points.xml";
    const QByteArray twentyPoints = pointsFileBytes(PlaybackPoints(20, twoPoints.first()));
    start(twentyPoints);
    writeFile(path, twentyPoints);
    QFile filler(dir + "/filler");
    QVERIFY(filler.open(QIODevice::WriteOnly | QIODevice::Unbuffered));
    while (filler.write(QByteArray(4096, ' ')) == 4096) { }

    QTRY_VERIFY(!child<QLineEdit>(playbackPanelOf(*window), "x")->text().isEmpty());
    QTest::mouseClick(button("saveBtn"), Qt::LeftButton);
    QString message;
    const std::function<void(QMessageBox *)> tell = [&](QMessageBox *box) {
        message = box->text() + "\n" + box->informativeText();
        box->button(QMessageBox::Ok)->click();
    };
    if (atQuit) {
        onNextModal<QMessageBox>(tell, window.get());
        QVERIFY(QTest::qWaitForWindowActive(window.get()));
        pressKeys(window.get(), exitActionWithKey(window.get())->shortcut());
        // The event loop's end emits aboutToQuit, as at a real quit.
        QTimer::singleShot(0, qApp, &QCoreApplication::quit);
        QCoreApplication::exec();
    } else {
        onNextModal<QFileDialog>(
            [&](QFileDialog *dialog) {
                // The user agrees to replace the file, then reads what happened.
                onNextModal<QMessageBox>(
                    [&](QMessageBox *box) {
                        box->button(QMessageBox::Yes)->click();
                        onNextModal<QMessageBox>(tell, window.get());
                    },
                    window.get());
                dialog->selectFile(path);
                static_cast<QDialog *>(dialog)->accept();
            },
            window.get());
        button("exportBtn")->click();
    }

    QCOMPARE(readFile(path), twentyPoints);
    QCOMPARE(message,
        (atQuit ? "Failed to save playback points!\n" : "Failed to export playback points!\n")
            + path + "\nNo space left on device");
}

QTEST_MAIN(tst_PlaybackFileSlots)
#include "tst_playbackfileslots.moc"
