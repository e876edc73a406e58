// Tests of the script port: a script on a real local socket and the user in the same window.
#include "mainwindowtesting.h"

#include "playback/cplaybacktableview.h"
#include "script/cscriptserver.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QLabel>
#include <QLocalSocket>
#include <QMessageBox>
#include <QTimer>
#include <QtTest>

using namespace mainwindowtesting;

class tst_ScriptPort : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();
    void tokenAdmitsAndWindowNamesScript();
    void tableEditUndoneInWindow();
    void windowStopEndsScriptWait_data();
    void windowStopEndsScriptWait();
    void motionRefusedWhileQuestionOpen();

private:
    // Sends a request; its reply is read by reply().
    int send(const QString &method, const QJsonObject &params = {});
    QJsonObject reply(int id);
    QJsonObject call(const QString &method, const QJsonObject &params = {})
    {
        return reply(send(method, params));
    }
    QJsonObject rowAt(double x, double y, double z) const
    {
        return { { "x", x }, { "y", y }, { "z", z }, { "mode", "MOVJ" } };
    }
    int offeredPoints() const { return int(arvexsim::callsOf("SetPlaybackBufferCmd").size()); }
    CPlaybackTableView *table() const
    {
        return child<CPlaybackTableView>(playbackPanelOf(*window), "playbackTableView");
    }

    QTemporaryDir runtimeDir;
    std::unique_ptr<MainWindow> window;
    std::unique_ptr<QLocalSocket> socket;
    // The socket the token file names: a file on Unix, a named pipe on Windows.
    QString socketName;
    QByteArray received;
    int nextId = 1;
};

void tst_ScriptPort::initTestCase()
{
    Q_INIT_RESOURCE(resources);
    prepareProgramFolder();
    qputenv("XDG_RUNTIME_DIR", runtimeDir.path().toLocal8Bit());
    CScriptServer::setAllowedInSettings(true);
}

void tst_ScriptPort::init()
{
    arvexsim::reset();
    window = createWindow();
    QVERIFY(waitUntilConnected(window.get()));
    QFile tokenFile(CScriptServer::tokenFilePath());
    QVERIFY(tokenFile.open(QIODevice::ReadOnly));
#ifdef Q_OS_UNIX
    // Neither the group nor others may read the token; on Windows the user's own folder keeps it.
    QCOMPARE(int(tokenFile.permissions() & 0x0ff), 0);
#endif
    const QJsonObject details = QJsonDocument::fromJson(tokenFile.readAll()).object();
    socketName = details.value("socket").toString();
    socket = std::make_unique<QLocalSocket>();
    socket->connectToServer(socketName);
    QVERIFY(socket->waitForConnected(1000));
    received.clear();
    const QJsonObject hello
        = call("hello", { { "token", details.value("token") }, { "program", "tester" } });
    QVERIFY(hello.contains("result"));
    arvexsim::clearCalls();
}

void tst_ScriptPort::cleanup()
{
    socket.reset();
    window.reset();
}

int tst_ScriptPort::send(const QString &method, const QJsonObject &params)
{
    const QJsonObject request { { "jsonrpc", "2.0" }, { "id", nextId }, { "method", method },
        { "params", params } };
    socket->write(QJsonDocument(request).toJson(QJsonDocument::Compact) + '\n');
    return nextId++;
}

QJsonObject tst_ScriptPort::reply(int id)
{
    QJsonObject found;
    (void)QTest::qWaitFor(
        [&] {
            received += socket->readAll();
            for (int end; (end = received.indexOf('\n')) >= 0;) {
                const QJsonObject message = QJsonDocument::fromJson(received.left(end)).object();
                received.remove(0, end + 1);
                if (message.value("id") == id)
                    found = message;
            }
            return !found.isEmpty();
        },
        10000);
    return found;
}

void tst_ScriptPort::tokenAdmitsAndWindowNamesScript()
{
    QVERIFY(child<QLabel>(window.get(), "scriptStatus")->text().contains("tester"));
    // One script at a time: a second one is turned away whatever it sends.
    QLocalSocket intruder;
    intruder.connectToServer(socketName);
    QVERIFY(intruder.waitForConnected(1000));
    QTRY_COMPARE(intruder.state(), QLocalSocket::UnconnectedState);
    // The window's Disconnect ends the session; the script is told and its line goes.
    QTest::mouseClick(child<QPushButton>(window.get(), "scriptDisconnectBtn"), Qt::LeftButton);
    QTRY_COMPARE(socket->state(), QLocalSocket::UnconnectedState);
    QVERIFY(received.contains("\"disconnected\"") || socket->readAll().contains("disconnected"));
    QTRY_VERIFY(child<QLabel>(window.get(), "scriptStatus")->text().isEmpty());
    // A wrong token is refused and the socket closed.
    socket->connectToServer(socketName);
    QVERIFY(socket->waitForConnected(1000));
    const QJsonObject refused = call("hello", { { "token", "0123" } });
    QCOMPARE(refused.value("error").toObject().value("code").toInt(), -32000);
    QTRY_COMPARE(socket->state(), QLocalSocket::UnconnectedState);
}

void tst_ScriptPort::tableEditUndoneInWindow()
{
    const QJsonArray rows { rowAt(200, 0, 50), rowAt(200, 60, 50) };
    QCOMPARE(call("table.append", { { "rows", rows } }).value("result")["count"].toInt(), 2);
    QCOMPARE(table()->model()->index(1, 3).data().toString(), QString("60.0"));
    table()->setFocus();
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(call("table.read").value("result")["count"].toInt(), 0);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Y, Qt::ControlModifier);
    QCOMPARE(call("table.read").value("result")["rows"].toArray().size(), 2);
}

void tst_ScriptPort::windowStopEndsScriptWait_data()
{
    QTest::addColumn<bool>("run");
    QTest::newRow("move") << false;
    QTest::newRow("run") << true;
}

void tst_ScriptPort::windowStopEndsScriptWait()
{
    QFETCH(bool, run);
    // A run feeds from inside the window's event loop, so the user's key press is timed from
    // there too: once the panels are locked while the script waits, Stop from whatever has focus.
    QTimer user;
    user.setInterval(20);
    connect(&user, &QTimer::timeout, this, [&] {
        if (offeredPoints() == 0 || teachPanelOf(*window)->isEnabled())
            return;
        user.stop();
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Period, Qt::ControlModifier);
    });
    user.start();
    int waiting = 0;
    if (run) {
        const QJsonArray rows { rowAt(200, 0, 50), rowAt(200, 80, 20) };
        call("table.append", { { "rows", rows } });
        // Sent together, so that the script waits before the run's first point goes out.
        send("run", { { "loops", 1000 } });
        waiting = send("wait");
    } else {
        waiting = send("move", { { "x", 150 }, { "y", 150 }, { "z", 80 }, { "wait", true } });
    }
    const QJsonObject error = reply(waiting).value("error").toObject();
    QCOMPARE(error.value("code").toInt(), -32002);
    QVERIFY(error.value("message").toString().contains("user"));
    const int offered = offeredPoints();
    QTest::qWait(300);
    QCOMPARE(offeredPoints(), offered);
    QTRY_VERIFY(teachPanelOf(*window)->isEnabled());
}

void tst_ScriptPort::motionRefusedWhileQuestionOpen()
{
    // A row out of reach, tinted as the user's would be, makes Start ask.
    call("table.append", { { "rows", QJsonArray { rowAt(900, 0, 0) } } });
    QVERIFY(qobject_cast<CPlaybackTableModel *>(table()->model())->isRowOutOfReach(0));
    QJsonObject answer;
    QTimer whileAsked;
    whileAsked.setInterval(20);
    connect(&whileAsked, &QTimer::timeout, this, [&] {
        auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
        if (!box || !box->isAncestorOf(QApplication::focusWidget()))
            return;
        whileAsked.stop();
        answer = call("move", { { "x", 200 }, { "y", 0 }, { "z", 50 } });
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
    });
    whileAsked.start();
    QTest::mouseClick(child<QPushButton>(playbackPanelOf(*window), "startBtn"), Qt::LeftButton);
    QCOMPARE(answer.value("error").toObject().value("code").toInt(), -32000);
    QVERIFY(answer.value("error").toObject().value("message").toString().contains("dialog"));
    QCOMPARE(offeredPoints(), 0);
}

QTEST_MAIN(tst_ScriptPort)
#include "tst_scriptport.moc"
