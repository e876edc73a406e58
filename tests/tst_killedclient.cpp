// Kills the client's main window with SIGKILL at random moments while a user edits its table, many
// of them while the unsaved table is being written beside the points file, and checks that the
// file left is always a table the user had (or none), and that the next start restores it.
#include "filetesting.h"
#include "mainwindowtesting.h"

#include "playback/cplaybackmanager.h"
#include "playback/cplaybackpointsxml.h"
#include "playback/cplaybacktablemodel.h"
#include "playback/cplaybacktableview.h"
#include "playback/cpointsrecovery.h"

#include <QBuffer>
#include <QClipboard>
#include <QCryptographicHash>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QHeaderView>
#include <QMessageBox>
#include <QProcess>
#include <QRandomGenerator>
#include <QThread>
#include <QTimer>
#include <QtTest>

#include <cstdio>
#include <limits>

using namespace mainwindowtesting;

namespace {

// Set in the client's environment: "edit <seed>" or "restore".
const char clientVariable[] = "TST_KILLEDCLIENT_CLIENT";
// Kills in one run of the test; set it higher by hand.
const char killsVariable[] = "ARVEX_KILLS";
const int defaultKills = 100;
// Kills followed by a start of the window that restores the table.
const int restoreChecks = 5;
// Rows of the points file each client starts from: enough that a write takes a while.
const int startRows = 1500;

QString programFile(const QString &name)
{
    return QCoreApplication::applicationDirPath() + QStringLiteral("/file/") + name;
}

const QString pointsName = QStringLiteral("PlaybackPoints.xml");
const QString recoveryName = QStringLiteral("PlaybackPoints-autosave.xml");

// One line per table the user had, in the order they had them.
QString statesLogPath()
{
    return QCoreApplication::applicationDirPath() + QStringLiteral("/states.log");
}

QByteArray xmlOf(const PlaybackPoints &points)
{
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    CPlaybackPointsXml::write(&buffer, points);
    return buffer.data();
}

QByteArray stateOf(const QByteArray &xml)
{
    return QCryptographicHash::hash(xml, QCryptographicHash::Sha1).toHex();
}

QByteArray tableState(const CPlaybackTableView *table)
{
    PlaybackPoints points;
    table->getPoints(points);
    return stateOf(xmlOf(points));
}

// Temporary files of interrupted writes beside the recovery file.
QStringList recoveryLeftovers()
{
    return QDir(programFile(QString()))
        .entryList({ recoveryName + QStringLiteral(".??????") }, QDir::Files | QDir::Hidden);
}

PlaybackPoints startPoints(QRandomGenerator &random)
{
    PlaybackPoints points;
    for (int i = 0; i < startRows; ++i) {
        points << PlaybackPoint { uint8_t(random.bounded(3)), uint8_t(random.bounded(2)),
            float(random.bounded(2000)) / 10, float(random.bounded(-1000, 1000)) / 10,
            float(random.bounded(500)) / 10, float(random.bounded(900)) / 10, 0,
            float(random.bounded(20)) / 4 };
    }
    return points;
}

// The client: a user who edits the table in bursts through the keyboard, the mouse and the
// clipboard, logging each table they see before the window gets back to its event loop.
class Editor
{
public:
    Editor(MainWindow &window, quint32 seed)
        : window(window)
        , table(child<CPlaybackTableView>(&window, "playbackTableView"))
        , random(seed)
        , log(statesLogPath())
    { }

    bool start()
    {
        if (!log.open(QIODevice::WriteOnly | QIODevice::Append))
            return false;

        logState();
        return true;
    }

    [[noreturn]] void editForever()
    {
        for (;;) {
            const int edits = 1 + random.bounded(3);
            for (int i = 0; i < edits; ++i) {
                edit();
                logState();
                QTest::qWait(5 + random.bounded(30));
            }
            // Long enough, every other time, for the table to be written.
            QTest::qWait(random.bounded(2) ? 1100 + random.bounded(400) : random.bounded(1000));
        }
    }

private:
    void logState()
    {
        log.write(tableState(table) + '\n');
        log.flush();
    }

    int randomRow() { return random.bounded(qMax(1, table->model()->rowCount())); }

    QWidget *keyTarget() const
    {
        QWidget *focus = QApplication::focusWidget();
        return focus ? focus : table;
    }

    void edit()
    {
        switch (random.bounded(5)) {
        case 0:
            saveNewPose();
            break;
        case 1:
            deleteRows();
            break;
        case 2:
            paste();
            break;
        default:
            editCell();
            break;
        }
    }

    void saveNewPose()
    {
        // The pose fields follow the arm four times a second.
        if (random.bounded(3) == 0) {
            Pose pose = arvexsim::currentPose();
            pose.x = float(150 + random.bounded(100));
            pose.y = float(random.bounded(-50, 50));
            arvexsim::setPoseOverride(pose);
        }
        QTest::mouseClick(child<QPushButton>(&window, "saveBtn"), Qt::LeftButton);
    }

    void deleteRows()
    {
        if (table->model()->rowCount() == 0)
            return;
        const int first = randomRow();
        table->setFocus();
        table->selectRow(first);
        const int more = random.bounded(3);
        for (int row = first + 1; row <= first + more && row < table->model()->rowCount(); ++row)
            table->selectionModel()->select(table->model()->index(row, 0),
                QItemSelectionModel::Select | QItemSelectionModel::Rows);
        QTest::keyClick(keyTarget(), Qt::Key_Delete);
    }

    void paste()
    {
        QString text;
        for (int line = random.bounded(1, 4); line > 0; --line)
            text += QStringLiteral("MOVL\ttrue\t%1\t-20\t%2.5\t45\t0\t1.5\n")
                        .arg(random.bounded(100, 250))
                        .arg(random.bounded(60));
        QApplication::clipboard()->setText(text);
        table->setFocus();
        table->clearSelection();
        if (random.bounded(2) && table->model()->rowCount() > 0)
            table->selectRow(randomRow());
        QTest::keyClick(keyTarget(), Qt::Key_V, Qt::ControlModifier);
    }

    void editCell()
    {
        if (table->model()->rowCount() == 0)
            return;
        const QModelIndex cell
            = table->model()->index(randomRow(), CPlaybackTableModel::XColumn + random.bounded(6));
        table->setFocus();
        table->setCurrentIndex(cell);
        QTest::keyClick(table, Qt::Key_F2);
        QWidget *editor = keyTarget();
        if (editor == table)
            return;
        QTest::keyClick(editor, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClicks(
            editor, QStringLiteral("%1.%2").arg(random.bounded(90)).arg(random.bounded(10)));
        QTest::keyClick(editor, Qt::Key_Return);
        // The delegate commits what was typed in a call it queues on Return; it is part of the
        // edit, before the event loop sees the table again.
        QCoreApplication::sendPostedEvents(
            table->itemDelegateForColumn(cell.column()), QEvent::MetaCall);
    }

    MainWindow &window;
    CPlaybackTableView *table;
    QRandomGenerator random;
    QFile log;
};

// Starts the window as the user does, answering a recovery offer with Restore.
std::unique_ptr<MainWindow> startWindow()
{
    arvexsim::reset();
    QTimer answer;
    QObject::connect(&answer, &QTimer::timeout, [&answer] {
        auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
        if (!box)
            return;
        answer.stop();
        for (QAbstractButton *button : box->buttons())
            if (button->text() == QLatin1String("&Restore"))
                QTest::mouseClick(button, Qt::LeftButton);
    });
    answer.start(10);
    auto window = createWindow(true);
    const auto table = child<CPlaybackTableView>(window.get(), "playbackTableView");
    // Generous: the whole suite may be running beside, under sanitizers.
    if (!QTest::qWaitFor(
            [&] {
                return table->isEnabled()
                    && !qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
            },
            60000)) {
        std::fprintf(stderr, "the window did not connect\n");
        return nullptr;
    }
    QApplication::setActiveWindow(window.get());
    return window;
}

// Says "ready" once the table is loaded, then edits until killed; or, to restore, says the
// state of the table it restored.
int runClient(int argc, char **argv)
{
    QApplication app(argc, argv);
    const QList<QByteArray> words = qgetenv(clientVariable).split(' ');
    const std::unique_ptr<MainWindow> window = startWindow();
    if (!window)
        return 1;
    const auto table = child<CPlaybackTableView>(window.get(), "playbackTableView");
    if (words.first() == "restore") {
        std::printf("table %s\n", tableState(table).constData());
        std::fflush(stdout);
        return 0;
    }
    Editor editor(*window, words.value(1).toUInt());
    if (!editor.start())
        return 1;
    // Tells when the table's writes begin and end, so that kills can aim at them.
    auto *recovery = window->findChild<CPointsRecovery *>();
    QObject::connect(recovery->findChild<QTimer *>(), &QTimer::timeout, [table] {
        std::printf("write %s\n", tableState(table).constData());
        std::fflush(stdout);
    });
    QObject::connect(recovery, &CPointsRecovery::written, [] {
        std::printf("written\n");
        std::fflush(stdout);
    });
    std::printf("ready\n");
    std::fflush(stdout);
    editor.editForever();
}

} // namespace

class tst_KilledClient : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void killedWhileEditing();

private:
    // Starts the client and returns the first line it says.
    QByteArray startClient(QProcess &client, const QByteArray &task);
};

void tst_KilledClient::initTestCase()
{
    prepareProgramFolder();
    QFile::remove(programFile(recoveryName));
}

QByteArray tst_KilledClient::startClient(QProcess &client, const QByteArray &task)
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(clientVariable, task);
    client.setProcessEnvironment(environment);
    client.start(QCoreApplication::applicationFilePath(), QStringList());
    while (client.waitForReadyRead(60000)) {
        if (client.canReadLine())
            return client.readLine().trimmed();
    }
    client.waitForFinished(1000);
    return QStringLiteral("(nothing said; state %1, exit code %2, status %3; %4)")
        .arg(client.state())
        .arg(client.exitCode())
        .arg(client.exitStatus())
        .arg(QString::fromLocal8Bit(client.readAllStandardError().right(2000)))
        .toLocal8Bit();
}

// The next line the client says that starts with word, or empty if it says none for a minute.
// Every line read is appended to said.
QByteArray nextLine(QProcess &client, const QByteArray &word, QList<QByteArray> &said)
{
    while (client.canReadLine() || client.waitForReadyRead(60000)) {
        said << client.readLine().trimmed();
        if (said.last().startsWith(word))
            return said.last();
    }
    return QByteArray();
}

// Most kills wait for the first or second write of the table and land within the time a write
// takes; the others land anywhere in the first seconds of editing.
void tst_KilledClient::killedWhileEditing()
{
    const int kills = qEnvironmentVariableIsSet(killsVariable)
        ? qEnvironmentVariableIntValue(killsVariable)
        : defaultKills;
    QRandomGenerator random(QRandomGenerator::global()->generate());

    // What one write of the client's table costs here, on a thread of its own.
    const PlaybackPoints probe = startPoints(random);
    qint64 fastestWrite = std::numeric_limits<qint64>::max();
    for (int write = 0; write < 3; ++write) {
        QElapsedTimer clock;
        clock.start();
        CPlaybackManager::instance()->writePoints(programFile(QStringLiteral("probe.xml")), probe);
        fastestWrite = std::min(fastestWrite, clock.nsecsElapsed());
    }
    const int writeMicroseconds = int(fastestWrite / 1000);
    QFile::remove(programFile(QStringLiteral("probe.xml")));

    int aimed = 0, interrupted = 0, withRecovery = 0, restored = 0;
    qint64 startMilliseconds = 0;
    QElapsedTimer total;
    total.start();
    for (int kill = 0; kill < kills; ++kill) {
        const QByteArray pointsXml = xmlOf(startPoints(random));
        {
            QFile points(programFile(pointsName));
            QVERIFY(points.open(QIODevice::WriteOnly));
            points.write(pointsXml);
        }
        QFile::remove(programFile(recoveryName));
        for (const QString &name : recoveryLeftovers())
            QFile::remove(programFile(name));
        QFile::remove(statesLogPath());

        QProcess client;
        QElapsedTimer startup;
        startup.start();
        QCOMPARE(startClient(client, "edit " + QByteArray::number(random.generate())),
            QByteArray("ready"));
        startMilliseconds += startup.elapsed();
        QList<QByteArray> said;
        const int mode = random.bounded(10);
        QByteArray aimedState;
        if (mode < 7) {
            // The first write, or the second (over the first one's file).
            if (mode == 6)
                QVERIFY(!nextLine(client, "written", said).isEmpty());
            aimedState = nextLine(client, "write ", said).mid(6);
            QVERIFY(!aimedState.isEmpty());
            QThread::usleep(ulong(random.bounded(writeMicroseconds + 1)));
        } else {
            QThread::usleep(ulong(random.bounded(1500000)));
        }
        client.kill(); // SIGKILL
        QVERIFY(client.waitForFinished());
        QCOMPARE(client.exitStatus(), QProcess::CrashExit);

        const QByteArray recovery = filetesting::readFile(programFile(recoveryName), {});
        const bool exists = QFile::exists(programFile(recoveryName));
        withRecovery += exists;
        if (mode < 7) {
            ++aimed;
            interrupted += !exists || stateOf(recovery) != aimedState;
        }
        const QList<QByteArray> states = filetesting::readFile(statesLogPath(), {}).split('\n');
        QVERIFY(states.size() > 1);
        if (!exists)
            continue;
        QVERIFY2(states.contains(stateOf(recovery)),
            qPrintable(QString("kill %1: the recovery file (%2 bytes) holds no table the user had")
                           .arg(kill)
                           .arg(recovery.size())));

        // A few restarts through the offer, spread over the first half of the run.
        if (restored < restoreChecks && kill >= restored * kills / 2 / restoreChecks) {
            QProcess restart;
            QCOMPARE(startClient(restart, "restore"), "table " + stateOf(recovery));
            QVERIFY(restart.waitForFinished());
            QVERIFY2(recoveryLeftovers().isEmpty(), qPrintable(recoveryLeftovers().join(' ')));
            // Kept for a second crash until the next save at quit.
            QCOMPARE(filetesting::readFile(programFile(recoveryName), {}), recovery);
            ++restored;
        }
    }
    QCOMPARE(restored, restoreChecks);
    qInfo("%d kills in %lld s, %d of them aimed at the start of a write of the recovery file "
          "(about %d rows, a write took %d us here): %d of these left the previous table or none, "
          "the others the new one. %d kills left a recovery file, every one a whole table the user "
          "had; %d restarts restored it. A client took %lld ms on average to start editing.",
        kills, total.elapsed() / 1000, aimed, startRows, writeMicroseconds, interrupted,
        withRecovery, restored, startMilliseconds / kills);
}

int main(int argc, char **argv)
{
    Q_INIT_RESOURCE(resources);
    if (qEnvironmentVariableIsSet(clientVariable))
        return runClient(argc, argv);
    QApplication app(argc, argv);
    tst_KilledClient test;
    QTEST_SET_MAIN_SOURCE_PATH
    return QTest::qExec(&test, argc, argv);
}

#include "tst_killedclient.moc"
