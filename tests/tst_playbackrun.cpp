// Tests of the PLAYBACK panel: recording points, the speed ratios and the playback run.
#include "mainwindowtesting.h"
#include "modaltesting.h"
#include "tabletesting.h"

#include "playback/cplaybacktableview.h"

#include <QContextMenuEvent>
#include <QLabel>
#include <QMenu>
#include <QMessageBox>
#include <QSlider>
#include <QSpinBox>
#include <QTimer>
#include <QUndoStack>
#include <QtTest>

#include <functional>

using namespace mainwindowtesting;
using namespace modaltesting;
using namespace tabletesting;

class tst_PlaybackRun : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();
    void recordAndPlayTwoLoops();
    void oneRowTwoLoops();
    void refusedPointOfferedAgain();
    void pauseHoldsPointsBackUntilResume();
    void stopWhilePausedEndsRun();
    void stopWinsOverALaterClick_data();
    void stopWinsOverALaterClick();
    void closingTheWindowEndsRun();
    void disconnectingEndsRun();
    void startFollowsLoopCountAndRows_data();
    void startFollowsLoopCountAndRows();
    void saveAppendsWhateverIsSelected();
    void pauseTimeField_data();
    void pauseTimeField();
    void ratioSlidersSendOnce();
    void storedRatiosClamped_data();
    void storedRatiosClamped();
    void quitSavesTableForNextStart();
    void undoLockedDuringRun();
    void markFollowsTheArm();
    void stepWalksAndWraps();
    void markVisitsEveryRowInOrder_data();
    void markVisitsEveryRowInOrder();
    void stepOnePressOneRow();
    void stepToARowTheArmSkips();
    void playFromRow_data();
    void playFromRow();

private:
    QWidget *panel() const;
    CPlaybackTableView *table() const
    {
        return child<CPlaybackTableView>(panel(), "playbackTableView");
    }
    QPushButton *button(const char *name) const { return child<QPushButton>(panel(), name); }
    QString currentLoop() const { return child<QLabel>(panel(), "currentLoop")->text(); }
    void jog(const char *buttonName, int milliseconds);
    void clickSave();
    // Clicks Start; `during` runs once from inside the run, while it waits for the controller.
    void runWith(const std::function<void()> &during);
    // As runWith, for a `during` that should end the run by itself; returns false when the run
    // had to be stopped from outside after a few seconds.
    bool runEndsItself(const std::function<void()> &during);
    std::vector<PlaybackPoint> offeredPoints(bool acceptedOnly) const;
    // The row whose header shows the running tint; -1 for none.
    int markedRow() const;
    // Records rows at three poses, each held for a second when played.
    void recordThreeRows();
    // Six JUMP, MOVL and MOVJ rows without pauses, three of them on one vertical line, so
    // that lifts and descents pass through other rows' points; the arm plays them unhurried.
    void loadSixRowTable();
    // The rows marked from now on, each when the mark moves to it.
    void recordMarks(QList<int> &marks, QTimer &sampler);
    void pressStep();
    QString playbackStatus() const { return child<QLabel>(panel(), "playbackStatus")->text(); }
    // Each accepted point is the point of the row, in order.
    void compareAccepted(const QList<int> &rows, const PlaybackPoints &table) const;

    std::unique_ptr<MainWindow> window;
    // Moves the simulated arm in steps of its own, so that a loaded machine slows the arm as
    // much as the pose readings.
    QTimer armClock;
};

void tst_PlaybackRun::initTestCase()
{
    Q_INIT_RESOURCE(resources);
    prepareProgramFolder();
    armClock.setInterval(25);
    connect(&armClock, &QTimer::timeout, [] { arvexsim::advance(0.05); });
}

void tst_PlaybackRun::init()
{
    arvexsim::reset();
    arvexsim::setTimeScale(5.0);
    window = createWindow();
    QVERIFY(waitUntilConnected(window.get()));
    arvexsim::clearCalls();
}

void tst_PlaybackRun::cleanup()
{
    armClock.stop();
    window.reset();
}

QWidget *tst_PlaybackRun::panel() const
{
    return playbackPanelOf(*window);
}

void tst_PlaybackRun::jog(const char *buttonName, int milliseconds)
{
    auto *jogButton = child<QPushButton>(teachPanelOf(*window), buttonName);
    QTest::mousePress(jogButton, Qt::LeftButton);
    QTest::qWait(milliseconds);
    QTest::mouseRelease(jogButton, Qt::LeftButton);
    // Let the arm come to rest and the pose fields catch up.
    QTest::qWait(200);
    const Pose pose = arvexsim::currentPose();
    QTRY_COMPARE(child<QLineEdit>(panel(), "x")->text(), QString::number(pose.x, 'f', 1));
    QTRY_COMPARE(child<QLineEdit>(panel(), "z")->text(), QString::number(pose.z, 'f', 1));
}

void tst_PlaybackRun::clickSave()
{
    // Before the pose timer's first reading the fields hold zeros, a point out of the arm's
    // reach, which Start would question.
    QTRY_COMPARE(
        child<QLineEdit>(panel(), "x")->text(), QString::number(arvexsim::currentPose().x, 'f', 1));
    QTest::mouseClick(button("saveBtn"), Qt::LeftButton);
}

void tst_PlaybackRun::runWith(const std::function<void()> &during)
{
    if (during)
        QTimer::singleShot(0, this, during);
    QTest::mouseClick(button("startBtn"), Qt::LeftButton);
}

bool tst_PlaybackRun::runEndsItself(const std::function<void()> &during)
{
    bool rescued = false;
    QTimer rescue;
    rescue.setSingleShot(true);
    connect(&rescue, &QTimer::timeout, this, [&] {
        rescued = true;
        QMetaObject::invokeMethod(window.get(), "onStopBtnClicked");
    });
    rescue.start(3000);
    runWith(during);
    return !rescued;
}

std::vector<PlaybackPoint> tst_PlaybackRun::offeredPoints(bool acceptedOnly) const
{
    std::vector<PlaybackPoint> points;
    for (const arvexsim::Call &call : arvexsim::callsOf("SetPlaybackBufferCmd"))
        if (!acceptedOnly || call.result == 0)
            points.push_back(call.as<PlaybackPoint>());
    return points;
}

int tst_PlaybackRun::markedRow() const
{
    for (int row = 0; row < table()->model()->rowCount(); ++row)
        if (table()->model()->headerData(row, Qt::Vertical, Qt::BackgroundRole)
            == CPlaybackTableModel::runningRowTint())
            return row;
    return -1;
}

void tst_PlaybackRun::recordThreeRows()
{
    // Each point is held long enough for the pose readings to find the arm on it.
    child<QLineEdit>(panel(), "pauseTime")->setText(QStringLiteral("1.0"));
    clickSave();
    jog("baseAngleAddBtn", 300);
    clickSave();
    jog("longArmAddBtn", 300);
    clickSave();
    arvexsim::setTimeScale(1e-9);
    armClock.start();
}

void tst_PlaybackRun::loadSixRowTable()
{
    const auto row = [](int style, float x, float y, float z) {
        PlaybackPoint point {};
        point.motionStyle = uint8_t(style);
        point.x = x;
        point.y = y;
        point.z = z;
        return point;
    };
    table()->setPoints({ row(JUMP, 200, 60, 20), row(JUMP, 200, 60, 50), row(MOVL, 250, 60, 40),
        row(MOVL, 250, -40, 40), row(MOVJ, 180, -40, 30), row(JUMP, 200, 60, 35) });
    arvexsim::setTimeScale(1e-9);
    armClock.start();
}

void tst_PlaybackRun::recordMarks(QList<int> &marks, QTimer &sampler)
{
    PlaybackPoints points;
    table()->getPoints(points);
    connect(&sampler, &QTimer::timeout, this, [this, &marks, points] {
        const int row = markedRow();
        if (row < 0 || (!marks.isEmpty() && marks.last() == row))
            return;
        // Never ahead of the arm: a row marked too early is recorded negative.
        const Pose arm = arvexsim::currentPose();
        const PlaybackPoint &point = points.at(row);
        const bool onOrJustPast
            = std::hypot(std::hypot(arm.x - point.x, arm.y - point.y), arm.z - point.z) < 8;
        marks << (onOrJustPast ? row : -1 - row);
    });
    sampler.start(0);
}

void tst_PlaybackRun::pressStep()
{
    // Without a window manager nothing gives the window the keyboard back after a box closed.
    if (!QApplication::focusWidget())
        window->activateWindow();
    QTRY_VERIFY(QApplication::focusWidget());
    pressKeys(QApplication::focusWidget(), QKeySequence(Qt::Key_F10));
}

void tst_PlaybackRun::compareAccepted(const QList<int> &rows, const PlaybackPoints &points) const
{
    const std::vector<PlaybackPoint> accepted = offeredPoints(true);
    QCOMPARE(int(accepted.size()), rows.size());
    for (int i = 0; i < rows.size(); ++i)
        QVERIFY(std::memcmp(&accepted.at(i), &points.at(rows.at(i)), sizeof(PlaybackPoint)) == 0);
}

void tst_PlaybackRun::recordAndPlayTwoLoops()
{
    jog("baseAngleAddBtn", 300);
    clickSave();
    jog("longArmAddBtn", 300);
    clickSave();
    jog("shortArmSubBtn", 300);
    clickSave();
    QCOMPARE(table()->model()->rowCount(), 3);
    PlaybackPoints recorded;
    table()->getPoints(recorded);
    const Pose lastPose = arvexsim::currentPose();

    child<QLineEdit>(panel(), "loop")->setText(QStringLiteral("2"));
    arvexsim::setQueueCapacity(1);
    arvexsim::clearCalls();

    QStringList loopsSeen;
    bool lockedDuringRun = true;
    QTimer sampler;
    connect(&sampler, &QTimer::timeout, this, [&] {
        if (loopsSeen.isEmpty() || loopsSeen.last() != currentLoop())
            loopsSeen << currentLoop();
        for (QWidget *widget :
            { child<QWidget>(panel(), "motionStyle"), child<QWidget>(panel(), "pauseTime"),
                static_cast<QWidget *>(table()), child<QWidget>(panel(), "saveBtn"),
                child<QWidget>(panel(), "importBtn"), child<QWidget>(panel(), "exportBtn"),
                child<QWidget>(panel(), "loop"), child<QWidget>(panel(), "velocityRatio"),
                child<QWidget>(panel(), "accelerationRatio") })
            lockedDuringRun = lockedDuringRun && !widget->isEnabled();
        lockedDuringRun = lockedDuringRun && !teachPanelOf(*window)->isEnabled()
            && button("stopBtn")->isEnabled()
            && button("startBtn")->text() == QLatin1String("Pause");
    });
    sampler.start(0);
    runWith(nullptr);
    sampler.stop();

    QVERIFY(lockedDuringRun);
    QCOMPARE(loopsSeen, QStringList({ "0", "1" }));
    QCOMPARE(currentLoop(), QStringLiteral("2"));
    const std::vector<PlaybackPoint> accepted = offeredPoints(true);
    QCOMPARE(int(accepted.size()), 6);
    for (int i = 0; i < 6; ++i)
        QVERIFY(std::memcmp(&accepted.at(i), &recorded.at(i % 3), sizeof(PlaybackPoint)) == 0);

    // Idle again: Start reads "Start", Stop is disabled, the panels are unlocked.
    QCOMPARE(button("startBtn")->text(), QStringLiteral("Start"));
    QVERIFY(!button("stopBtn")->isEnabled());
    QVERIFY(button("saveBtn")->isEnabled());
    QVERIFY(table()->isEnabled());

    // The arm ends where the third point was recorded.
    arvexsim::setTimeScale(20.0);
    QTRY_COMPARE_WITH_TIMEOUT(arvexsim::queuedPoints(), 0, 20000);
    const Pose end = arvexsim::currentPose();
    QVERIFY2(std::abs(end.x - lastPose.x) < 0.1f && std::abs(end.y - lastPose.y) < 0.1f
            && std::abs(end.z - lastPose.z) < 0.1f,
        qPrintable(QStringLiteral("%1 %2 %3").arg(end.x).arg(end.y).arg(end.z)));
}

void tst_PlaybackRun::oneRowTwoLoops()
{
    clickSave();
    child<QLineEdit>(panel(), "loop")->setText(QStringLiteral("2"));
    runWith(nullptr);
    QCOMPARE(int(offeredPoints(true).size()), 2);
    QCOMPARE(currentLoop(), QStringLiteral("2"));
}

void tst_PlaybackRun::refusedPointOfferedAgain()
{
    clickSave();
    arvexsim::setRefuseOffers(2);
    runWith(nullptr);
    const auto offers = arvexsim::callsOf("SetPlaybackBufferCmd");
    QCOMPARE(int(offers.size()), 3);
    QVERIFY(offers.at(0).result != 0 && offers.at(1).result != 0);
    QCOMPARE(offers.at(2).result, 0);
    QVERIFY(offers.at(0).record == offers.at(2).record);
    QCOMPARE(currentLoop(), QStringLiteral("1"));
}

void tst_PlaybackRun::pauseHoldsPointsBackUntilResume()
{
    clickSave();
    child<QLineEdit>(panel(), "loop")->setText(QStringLiteral("3"));
    arvexsim::setRefuseOffers(-1);

    size_t offersBeforePause = 0;
    size_t offersWhilePaused = 0;
    runWith([&] {
        QCOMPARE(currentLoop(), QStringLiteral("0"));
        QTest::mouseClick(button("startBtn"), Qt::LeftButton);
        QCOMPARE(button("startBtn")->text(), QStringLiteral("Resume"));
        arvexsim::setRefuseOffers(0);
        offersBeforePause = arvexsim::callsOf("SetPlaybackBufferCmd").size();
        // The run keeps turning its paused loop until this fires.
        QTimer::singleShot(150, this, [&] {
            offersWhilePaused
                = arvexsim::callsOf("SetPlaybackBufferCmd").size() - offersBeforePause;
            QTest::mouseClick(button("startBtn"), Qt::LeftButton);
        });
    });
    QCOMPARE(int(offersWhilePaused), 0);
    QCOMPARE(int(offeredPoints(true).size()), 3);
    QCOMPARE(currentLoop(), QStringLiteral("3"));
    QCOMPARE(button("startBtn")->text(), QStringLiteral("Start"));
}

void tst_PlaybackRun::stopWhilePausedEndsRun()
{
    clickSave();
    child<QLineEdit>(panel(), "loop")->setText(QStringLiteral("5"));
    arvexsim::setRefuseOffers(-1);
    runWith([&] {
        QTest::mouseClick(button("startBtn"), Qt::LeftButton);
        arvexsim::setRefuseOffers(0);
        QTimer::singleShot(
            100, this, [&] { QTest::mouseClick(button("stopBtn"), Qt::LeftButton); });
    });
    QVERIFY(offeredPoints(true).empty());
    QCOMPARE(currentLoop(), QStringLiteral("0"));
    QCOMPARE(button("startBtn")->text(), QStringLiteral("Start"));
    QVERIFY(!button("stopBtn")->isEnabled());
}

void tst_PlaybackRun::stopWinsOverALaterClick_data()
{
    QTest::addColumn<QStringList>("clicks");
    QTest::newRow("Stop, Pause") << QStringList { "stopBtn", "startBtn" };
    QTest::newRow("Pause, Stop, Resume") << QStringList { "startBtn", "stopBtn", "startBtn" };
    QTest::newRow("Stop, Pause, Resume") << QStringList { "stopBtn", "startBtn", "startBtn" };
}

void tst_PlaybackRun::stopWinsOverALaterClick()
{
    QFETCH(QStringList, clicks);
    clickSave();
    child<QLineEdit>(panel(), "loop")->setText(QStringLiteral("5"));
    arvexsim::setRefuseOffers(-1);
    // All clicks land within one wait of the run, before it looks at its state again.
    QVERIFY(runEndsItself([&] {
        for (const QString &name : clicks)
            QTest::mouseClick(button(qPrintable(name)), Qt::LeftButton);
        arvexsim::setRefuseOffers(0);
    }));
    QVERIFY(offeredPoints(true).empty());
    QCOMPARE(button("startBtn")->text(), QStringLiteral("Start"));
    QVERIFY(!button("stopBtn")->isEnabled());
}

void tst_PlaybackRun::closingTheWindowEndsRun()
{
    clickSave();
    arvexsim::setRefuseOffers(-1);
    QVERIFY(runEndsItself([&] { window->close(); }));
    QCOMPARE(button("startBtn")->text(), QStringLiteral("Start"));
}

void tst_PlaybackRun::disconnectingEndsRun()
{
    clickSave();
    arvexsim::setRefuseOffers(-1);
    QVERIFY(runEndsItself([&] { action(window.get(), "&Disconnect")->trigger(); }));
    QCOMPARE(button("startBtn")->text(), QStringLiteral("Start"));
    QVERIFY(!button("stopBtn")->isEnabled());
    QVERIFY(!window->contentWidget()->isEnabled());
}

void tst_PlaybackRun::startFollowsLoopCountAndRows_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("shown");
    QTest::addColumn<bool>("startEnabled");

    QTest::newRow("one digit") << "7"
                               << "7" << true;
    QTest::newRow("intermediate two digits") << "12"
                                             << "12" << true;
    QTest::newRow("seven digits") << "1234567"
                                  << "1234567" << true;
    QTest::newRow("eighth digit refused") << "12345678"
                                          << "1234567" << true;
    QTest::newRow("leading zero refused") << "0"
                                          << "" << false;
    QTest::newRow("letters refused") << "ab"
                                     << "" << false;
    QTest::newRow("minus refused") << "-3"
                                   << "3" << true;
}

void tst_PlaybackRun::startFollowsLoopCountAndRows()
{
    QFETCH(QString, typed);
    QFETCH(QString, shown);
    QFETCH(bool, startEnabled);

    QVERIFY(!button("startBtn")->isEnabled());
    clickSave();
    QVERIFY(button("startBtn")->isEnabled());

    auto *loop = child<QLineEdit>(panel(), "loop");
    loop->selectAll();
    QTest::keyClick(loop, Qt::Key_Delete);
    QVERIFY(!button("startBtn")->isEnabled());
    QTest::keyClicks(loop, typed);
    QCOMPARE(loop->text(), shown);
    QCOMPARE(button("startBtn")->isEnabled(), startEnabled);

    // Removing the last row disables Start at once.
    table()->model()->removeRow(0);
    QVERIFY(!button("startBtn")->isEnabled());
}

void tst_PlaybackRun::saveAppendsWhateverIsSelected()
{
    clickSave();
    clickSave();
    table()->selectRow(0);
    child<QLineEdit>(panel(), "pauseTime")->setText(QStringLiteral("2.5"));
    clickSave();
    QCOMPARE(table()->model()->rowCount(), 3);
    PlaybackPoints points;
    table()->getPoints(points);
    QCOMPARE(points.at(2).pauseTime, 2.5f);
    QCOMPARE(points.at(0).pauseTime, 0.0f);
}

void tst_PlaybackRun::pauseTimeField_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("shown");

    QTest::newRow("three decimals") << "1.234"
                                    << "1.234";
    QTest::newRow("fourth decimal refused") << "1.2345"
                                            << "1.234";
    QTest::newRow("minus refused") << "-1"
                                   << "1";
    QTest::newRow("two digits") << "99.999"
                                << "99.999";
    QTest::newRow("three digits refused") << "123"
                                          << "12";
}

void tst_PlaybackRun::pauseTimeField()
{
    QFETCH(QString, typed);
    QFETCH(QString, shown);

    auto *pauseTime = child<QLineEdit>(panel(), "pauseTime");
    pauseTime->selectAll();
    QTest::keyClick(pauseTime, Qt::Key_Delete);
    QTest::keyClicks(pauseTime, typed);
    QCOMPARE(pauseTime->text(), shown);
    clickSave();
    PlaybackPoints points;
    table()->getPoints(points);
    QCOMPARE(points.last().pauseTime, QString::number(shown.toFloat(), 'f', 3).toFloat());
}

void tst_PlaybackRun::ratioSlidersSendOnce()
{
    auto *velocity = child<QSlider>(panel(), "velocityRatio");
    auto *acceleration = child<QSlider>(panel(), "accelerationRatio");
    const QList<QSpinBox *> spinBoxes = panel()->findChildren<QSpinBox *>();
    QCOMPARE(spinBoxes.size(), 2);

    velocity->setValue(20);
    acceleration->setValue(30);
    spinBoxes.at(0)->setValue(25);
    QCOMPARE(velocity->value(), 25);
    QCOMPARE(spinBoxes.at(1)->value(), 30);
    QTest::qWait(100);
    QVERIFY(arvexsim::callsOf("SetPlaybackDynamicParams").empty());

    QTRY_COMPARE(int(arvexsim::callsOf("SetPlaybackDynamicParams").size()), 1);
    const auto params
        = arvexsim::callsOf("SetPlaybackDynamicParams").front().as<PlaybackDynamicParams>();
    QCOMPARE(params.velocityRatio, 25.0f);
    QCOMPARE(params.accelerationRatio, 30.0f);
    QCOMPARE(COptions::instance()->playbackParams().velocityRatio, 25.0f);
    QCOMPARE(COptions::instance()->playbackParams().accelerationRatio, 30.0f);
}

void tst_PlaybackRun::storedRatiosClamped_data()
{
    // The numbers in PlaybackParams.json.
    QTest::addColumn<QByteArray>("velocity");
    QTest::addColumn<QByteArray>("acceleration");
    QTest::addColumn<int>("velocityShown");
    QTest::addColumn<int>("accelerationShown");

    QTest::newRow("in range, truncated") << QByteArray("37.9") << QByteArray("99.5") << 37 << 99;
    QTest::newRow("beyond an int") << QByteArray("1e10") << QByteArray("-3e9") << 100 << 1;
    QTest::newRow("beyond a float") << QByteArray("1e39") << QByteArray("-1e39") << 100 << 1;
    QTest::newRow("below the range") << QByteArray("0") << QByteArray("0.9") << 1 << 1;
}

// A hand-edited file may hold any number; the sliders show it within their range, and the arm
// gets those values at connection.
void tst_PlaybackRun::storedRatiosClamped()
{
    QFETCH(QByteArray, velocity);
    QFETCH(QByteArray, acceleration);
    QFETCH(int, velocityShown);
    QFETCH(int, accelerationShown);

    window.reset();
    arvexsim::reset();
    const PlaybackParams before = COptions::instance()->playbackParams();
    const PlaybackParams stored = COptions::playbackParamsFromText(
        "{\"velocityRatio\": " + velocity + ", \"accelerationRatio\": " + acceleration + "}");
    COptions::instance()->setPlaybackVelocityRatio(stored.velocityRatio);
    COptions::instance()->setPlaybackAccelerationRatio(stored.accelerationRatio);
    window = createWindow();
    const QList<QSpinBox *> spinBoxes = panel()->findChildren<QSpinBox *>();
    QCOMPARE(child<QSlider>(panel(), "velocityRatio")->value(), velocityShown);
    QCOMPARE(child<QSlider>(panel(), "accelerationRatio")->value(), accelerationShown);
    QCOMPARE(spinBoxes.at(0)->value(), velocityShown);
    QCOMPARE(spinBoxes.at(1)->value(), accelerationShown);
    QVERIFY(waitUntilConnected(window.get()));
    const auto sent
        = arvexsim::callsOf("SetPlaybackDynamicParams").back().as<PlaybackDynamicParams>();
    QCOMPARE(sent.velocityRatio, float(velocityShown));
    QCOMPARE(sent.accelerationRatio, float(accelerationShown));
    COptions::instance()->setPlaybackVelocityRatio(before.velocityRatio);
    COptions::instance()->setPlaybackAccelerationRatio(before.accelerationRatio);
}

void tst_PlaybackRun::quitSavesTableForNextStart()
{
    jog("baseAngleAddBtn", 200);
    clickSave();
    child<QLineEdit>(panel(), "pauseTime")->setText(QStringLiteral("1.5"));
    clickSave();
    PlaybackPoints saved;
    table()->getPoints(saved);

    QMetaObject::invokeMethod(qApp, "aboutToQuit");
    window = createWindow();
    QVERIFY(waitUntilConnected(window.get()));
    PlaybackPoints loaded;
    table()->getPoints(loaded);
    QCOMPARE(loaded.size(), 2);
    QVERIFY(std::memcmp(loaded.constData(), saved.constData(), 2 * sizeof(PlaybackPoint)) == 0);

    // The next run starts from the same file.
    QFile::remove(
        QCoreApplication::applicationDirPath() + QStringLiteral("/file/PlaybackPoints.xml"));
}

// Each Save is a step to undo, but not while a run feeds the table's points to the arm.
void tst_PlaybackRun::undoLockedDuringRun()
{
    clickSave();
    jog("baseAngleAddBtn", 300);
    clickSave();
    QCOMPARE(table()->findChild<QUndoStack *>()->undoText(), QStringLiteral("Insert row"));
    PlaybackPoints recorded;
    table()->getPoints(recorded);
    arvexsim::setQueueCapacity(1);

    const auto pressUndoKeys = [this] {
        for (const char *keys : { "Ctrl+Z", "Ctrl+Z", "Ctrl+Shift+Z", "Ctrl+Y" }) {
            QWidget *focus = QApplication::focusWidget();
            pressKeys(focus ? focus : window.get(), QKeySequence(QLatin1String(keys)));
        }
    };
    bool active = false;
    bool tableLocked = false;
    bool menuOpened = false;
    int rowsAfterKeys = -1;
    runEndsItself([&] {
        active = window->isActiveWindow();
        tableLocked = !table()->isEnabled();
        pressUndoKeys();
        rowsAfterKeys = table()->model()->rowCount();
        QTimer::singleShot(50, this, [&] {
            if (QWidget *popup = QApplication::activePopupWidget()) {
                menuOpened = true;
                popup->close();
            }
        });
        const QPoint pos = table()->visualRect(table()->model()->index(0, 3)).center();
        QContextMenuEvent event(
            QContextMenuEvent::Mouse, pos, table()->viewport()->mapToGlobal(pos));
        QApplication::sendEvent(table()->viewport(), &event);
        QTest::qWait(100);
    });
    QVERIFY(active);
    QVERIFY(tableLocked);
    QVERIFY(!menuOpened);
    QCOMPARE(rowsAfterKeys, 2);
    QCOMPARE(table()->findChild<QUndoStack *>()->index(), 2);
    PlaybackPoints afterRun;
    table()->getPoints(afterRun);
    QVERIFY(
        std::memcmp(afterRun.constData(), recorded.constData(), 2 * sizeof(PlaybackPoint)) == 0);

    // Idle again, the same keys work: two undos, a redo each way.
    pressUndoKeys();
    QCOMPARE(table()->model()->rowCount(), 2);
    QCOMPARE(table()->findChild<QUndoStack *>()->index(), 2);
    QWidget *focus = QApplication::focusWidget();
    pressKeys(focus ? focus : window.get(), QKeySequence(QLatin1String("Ctrl+Z")));
    QCOMPARE(table()->model()->rowCount(), 1);
}

// The arm starts on the last row recorded and plays the rows in order; each row's header is
// tinted while the arm is on its point, and the last one stays tinted until the next edit.
void tst_PlaybackRun::markFollowsTheArm()
{
    recordThreeRows();
    PlaybackPoints recorded;
    table()->getPoints(recorded);
    arvexsim::setQueueCapacity(1);

    QList<int> marked;
    bool armOnMarkedPoint = true;
    QTimer sampler;
    connect(&sampler, &QTimer::timeout, this, [&] {
        const int row = markedRow();
        if (row < 0 || (!marked.isEmpty() && marked.last() == row))
            return;
        marked << row;
        const Pose arm = arvexsim::currentPose();
        const PlaybackPoint &point = recorded.at(row);
        armOnMarkedPoint = armOnMarkedPoint && std::hypot(arm.x - point.x, arm.y - point.y) < 1
            && std::abs(arm.z - point.z) < 1;
    });
    sampler.start(0);
    runWith(nullptr);
    QVERIFY(marked.size() >= 2);
    QTRY_COMPARE_WITH_TIMEOUT(marked, QList<int>({ 0, 1, 2 }), 10000);
    QVERIFY(armOnMarkedPoint);
    QVERIFY(table()->visualRect(table()->model()->index(2, 0)).isValid());

    QTest::qWait(500);
    QCOMPARE(markedRow(), 2);
    clickSave();
    QCOMPARE(markedRow(), -1);
}

// Each F10 feeds the row after the marked one and marks it once the arm is there.
void tst_PlaybackRun::stepWalksAndWraps()
{
    recordThreeRows();
    PlaybackPoints recorded;
    table()->getPoints(recorded);
    arvexsim::clearCalls();
    for (int row : { 0, 1, 2, 0 }) {
        QVERIFY(table()->stepAction()->isEnabled());
        pressKeys(QApplication::focusWidget(), QKeySequence(Qt::Key_F10));
        QTRY_COMPARE_WITH_TIMEOUT(markedRow(), row, 10000);
    }
    // Run to this row moves the mark as well, so that the next step goes on from its row.
    chooseFromTableMenu(table(), 1, QStringLiteral("Run to this row"));
    QTRY_COMPARE_WITH_TIMEOUT(markedRow(), 1, 10000);
    // Step comes back with a pose reading of its own, which a slow machine may take a while for.
    QTRY_VERIFY_WITH_TIMEOUT(table()->stepAction()->isEnabled(), 10000);
    pressKeys(QApplication::focusWidget(), QKeySequence(Qt::Key_F10));
    QTRY_COMPARE_WITH_TIMEOUT(markedRow(), 2, 10000);
    compareAccepted({ 0, 1, 2, 0, 1, 2 }, recorded);

    // Like Start, not without a loop count.
    child<QLineEdit>(panel(), "loop")->clear();
    QVERIFY(!table()->stepAction()->isEnabled());
    pressKeys(QApplication::focusWidget(), QKeySequence(Qt::Key_F10));
    QTest::qWait(100);
    QCOMPARE(int(offeredPoints(true).size()), 6);
}

void tst_PlaybackRun::markVisitsEveryRowInOrder_data()
{
    QTest::addColumn<int>("fromRow"); // -1 for Start
    QTest::addColumn<QList<int>>("marks");

    QTest::newRow("Start, two loops") << -1 << QList<int> { 0, 1, 2, 3, 4, 5, 0, 1, 2, 3, 4, 5 };
    QTest::newRow("Play from row 4") << 3 << QList<int> { 3, 4, 5, 0, 1, 2, 3, 4, 5 };
}

void tst_PlaybackRun::markVisitsEveryRowInOrder()
{
    QFETCH(int, fromRow);
    QFETCH(QList<int>, marks);
    loadSixRowTable();
    child<QLineEdit>(panel(), "loop")->setText(QStringLiteral("2"));
    QList<int> marked;
    QTimer sampler;
    recordMarks(marked, sampler);
    if (fromRow < 0)
        runWith(nullptr);
    else
        chooseFromTableMenu(table(), fromRow, QStringLiteral("Play from this row"));
    QTRY_COMPARE_WITH_TIMEOUT(marked.size(), marks.size(), 60000);
    QCOMPARE(marked, marks);
}

// Presses quicker than the arm: each one either feeds the next row or finds Step disabled.
void tst_PlaybackRun::stepOnePressOneRow()
{
    loadSixRowTable();
    PlaybackPoints points;
    table()->getPoints(points);
    QList<int> marked;
    QTimer sampler;
    recordMarks(marked, sampler);
    arvexsim::clearCalls();
    int pressesThatCouldAct = 0;
    for (int press = 0; press < 10; ++press) {
        pressesThatCouldAct += table()->stepAction()->isEnabled() ? 1 : 0;
        pressStep();
        QTest::qWait(60);
    }
    QTRY_VERIFY_WITH_TIMEOUT(table()->stepAction()->isEnabled(), 10000);
    QList<int> stepped;
    for (int row = 0; row < pressesThatCouldAct; ++row)
        stepped << row;
    compareAccepted(stepped, points);
    // The mark follows the pose reading that enabled Step; on a loaded machine it may come a
    // sampling later.
    QTRY_COMPARE(marked, stepped);

    // Past the last row, Step starts again at the first and says so.
    QCOMPARE(playbackStatus(), QString());
    for (int row = pressesThatCouldAct; row <= 6; ++row) {
        pressStep();
        QTRY_VERIFY_WITH_TIMEOUT(table()->stepAction()->isEnabled(), 10000);
    }
    QCOMPARE(marked.last(), 0);
    QCOMPARE(
        playbackStatus(), QStringLiteral("Step went past the last row and starts again at row 1."));
}

// Started anyway, a row out of reach is dropped by the controller: the user is told, and the
// next step goes on after it.
void tst_PlaybackRun::stepToARowTheArmSkips()
{
    loadSixRowTable();
    PlaybackPoints points;
    table()->getPoints(points);
    points[1].x = 900;
    table()->setPoints(points);
    arvexsim::clearCalls();
    QList<int> marked;
    QTimer sampler;
    recordMarks(marked, sampler);

    pressStep();
    QTRY_VERIFY_WITH_TIMEOUT(table()->stepAction()->isEnabled(), 10000);
    onNextModal<QMessageBox>(
        [](QMessageBox *box) {
            // Answered once the question has the keyboard, as a user would.
            QTRY_VERIFY(box->isAncestorOf(QApplication::focusWidget()));
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_S, Qt::AltModifier);
        },
        window.get());
    pressStep();
    QTRY_COMPARE_WITH_TIMEOUT(playbackStatus(),
        QStringLiteral("The arm did not go to row 2: the controller skipped its point."), 10000);
    QVERIFY(table()->stepAction()->isEnabled());
    pressStep();
    QTRY_VERIFY_WITH_TIMEOUT(table()->stepAction()->isEnabled(), 10000);
    compareAccepted({ 0, 1, 2 }, points);
    QCOMPARE(marked, QList<int>({ 0, 2 }));
    QCOMPARE(playbackStatus(), QString());
}

void tst_PlaybackRun::playFromRow_data()
{
    QTest::addColumn<int>("stopAfter"); // points accepted before Stop is clicked; 0 for never
    QTest::addColumn<QList<int>>("rowsPlayed");

    QTest::newRow("from row 2 to the end, then whole loops") << 0 << QList<int> { 1, 2, 0, 1, 2 };
    QTest::newRow("Stop") << 2 << QList<int> { 1, 2 };
}

void tst_PlaybackRun::playFromRow()
{
    QFETCH(int, stopAfter);
    QFETCH(QList<int>, rowsPlayed);
    recordThreeRows();
    PlaybackPoints recorded;
    table()->getPoints(recorded);
    child<QLineEdit>(panel(), "loop")->setText(QStringLiteral("2"));
    arvexsim::setQueueCapacity(1);
    arvexsim::clearCalls();

    QTimer stopper;
    connect(&stopper, &QTimer::timeout, this, [&] {
        if (int(offeredPoints(true).size()) < stopAfter)
            return;
        stopper.stop();
        QTest::mouseClick(button("stopBtn"), Qt::LeftButton);
    });
    if (stopAfter > 0)
        stopper.start(10);
    chooseFromTableMenu(table(), 1, QStringLiteral("Play from this row"));

    QTRY_COMPARE_WITH_TIMEOUT(button("startBtn")->text(), QStringLiteral("Start"), 20000);
    compareAccepted(rowsPlayed, recorded);
    QVERIFY(!button("stopBtn")->isEnabled());
    QVERIFY(table()->isEnabled());
}

QTEST_MAIN(tst_PlaybackRun)
#include "tst_playbackrun.moc"
