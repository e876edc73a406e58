// Tests of the simulated controller library: jogging, the playback queue, the call log.
#include "ArvexDll.h"
#include "armkinematics.h"
#include "arvexsimtesting.h"
#include "playback/playbackpoint.h"

#include <QElapsedTimer>
#include <QtTest>

#include <algorithm>
#include <cmath>
#include <limits>
#include <thread>

namespace {
const float NotANumber = std::numeric_limits<float>::quiet_NaN();

// GetPose may write one float more than the record holds.
struct PoseBuffer
{
    Pose pose;
    float spare;
};

Pose readPose()
{
    PoseBuffer buffer {};
    GetPose(&buffer.pose);
    return buffer.pose;
}

int jog(int cmd, uint8_t isJoint = 0)
{
    JogInstantCmd command { isJoint, cmd };
    return SetJogInstantCmd(&command);
}

int offer(int motionStyle, float x, float y, float z, float rHead = 0, float pauseTime = 0,
    uint8_t isGrab = 0, float gripper = 0)
{
    PlaybackPoint point { static_cast<uint8_t>(motionStyle), isGrab, x, y, z, rHead, gripper,
        pauseTime };
    return SetPlaybackBufferCmd(&point);
}

// Runs the queue dry in steps of `step` simulated seconds; false if it is still busy after `limit`.
bool runQueue(double step = 0.01, double limit = 60)
{
    for (double time = 0; time < limit; time += step) {
        if (arvexsim::queuedPoints() == 0)
            return true;
        arvexsim::advance(step);
    }
    return arvexsim::queuedPoints() == 0;
}

double distanceBetween(const CartesianPose &a, const CartesianPose &b)
{
    return std::sqrt(
        (a.x - b.x) * (a.x - b.x) + (a.y - b.y) * (a.y - b.y) + (a.z - b.z) * (a.z - b.z));
}

bool samePose(const Pose &a, const Pose &b)
{
    return std::memcmp(&a, &b, sizeof(Pose)) == 0;
}

CartesianPose cartesianOf(const Pose &pose)
{
    return { pose.x, pose.y, pose.z, pose.rHead };
}

void setPlaybackRates(float velocity, float acceleration, float jumpHeight = 20)
{
    PlaybackStaticParams params { velocity, acceleration, velocity, acceleration, velocity,
        acceleration, 0, jumpHeight };
    SetPlaybackStaticParams(&params);
    PlaybackDynamicParams ratios { 100, 100 };
    SetPlaybackDynamicParams(&ratios);
}

enum Quantity { Joint1, Joint2, Joint3, Joint4, X, Y, Z, RHead, Gripper };

float quantityOf(const Pose &pose, int quantity)
{
    const float values[] = { pose.joint1Angle, pose.joint2Angle, pose.joint3Angle, pose.joint4Angle,
        pose.x, pose.y, pose.z, pose.rHead, pose.gripper };
    return values[quantity];
}
} // namespace

class tst_ArvexSim : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void getPoseIsConsistent();

    void connectionResult_data();
    void connectionResult();
    void environmentChoosesResultAndCapacity();
    void connectBlocksForTheDelay();

    void jogMovesAtJogSpeed_data();
    void jogMovesAtJogSpeed();
    void jogStopsAtLimits_data();
    void jogStopsAtLimits();
    void jogWaitsForTheQueue();

    void queueRefusesWhenFullAndDrains();
    void queueHoldsTwoPointsByDefault();
    void moveReachesItsTarget_data();
    void moveReachesItsTarget();
    void moveTakesItsProfileTime_data();
    void moveTakesItsProfileTime();
    void movlKeepsAStraightLine();
    void jumpLiftsByTheJumpHeight_data();
    void jumpLiftsByTheJumpHeight();
    void jumpLiftStopsAtTheReach_data();
    void jumpLiftStopsAtTheReach();
    void jumpReachesEveryPointMovjReaches();
    void pointIsHeldForItsPauseTime();
    void unreachablePointIsSkipped_data();
    void unreachablePointIsSkipped();
    void unusableParametersStillFinishMoves();
    void refuseOffers_data();
    void refuseOffers();

    void callLogKeepsCallsInOrder();
    void periodicTaskFollowsTheClock();
    void disconnectAndResetStopTheArm();
    void initialPose_data();
    void initialPose();
    void missingRecordsAreRefused();
};

void tst_ArvexSim::init()
{
    arvexsim::reset();
    QCOMPARE(ConnectArvex(), 0);
}

void tst_ArvexSim::cleanup()
{
    qunsetenv("ARVEX_SIM_CONNECT_RESULT");
    qunsetenv("ARVEX_SIM_QUEUE_CAPACITY");
}

void tst_ArvexSim::getPoseIsConsistent()
{
    const CartesianPose home = ArmKinematics::forward(ArmKinematics::home());
    Pose pose = readPose();
    QCOMPARE(pose.x, float(home.x));
    QCOMPARE(pose.isGrab, 0.0f);

    QCOMPARE(offer(MOVJ, 150, -200, -40, 25), 0);
    QVERIFY(runQueue());
    pose = readPose();
    const JointAngles joints { pose.joint1Angle, pose.joint2Angle, pose.joint3Angle,
        pose.joint4Angle };
    QVERIFY(distanceBetween(ArmKinematics::forward(joints), cartesianOf(pose)) < 0.01);
    QVERIFY(std::abs(pose.rHead - (pose.joint1Angle + pose.joint4Angle)) < 0.001);
    QVERIFY(distanceBetween(cartesianOf(pose), { 150, -200, -40, 25 }) < 0.01);

    // The record is filled as it is, without advancing the arm.
    QVERIFY(samePose(pose, arvexsim::currentPose()));
}

void tst_ArvexSim::connectionResult_data()
{
    QTest::addColumn<int>("result");
    QTest::addColumn<bool>("connected");
    for (int result = 0; result <= 6; ++result)
        QTest::addRow("result %d", result) << result << (result <= 3);
}

void tst_ArvexSim::connectionResult()
{
    QFETCH(int, result);
    QFETCH(bool, connected);
    arvexsim::reset();
    arvexsim::setConnectResult(result);
    QCOMPARE(ConnectArvex(), result);

    QCOMPARE(offer(MOVJ, 200, 0, 0) == 0, connected);
    QCOMPARE(arvexsim::queuedPoints(), connected ? 1 : 0);
    PoseBuffer buffer {};
    buffer.pose.x = -1;
    QCOMPARE(GetPose(&buffer.pose) == 0, connected);
    QCOMPARE(buffer.pose.x != -1, connected);
    QCOMPARE(PeriodicTask() == 0, connected);
    // A refused connection is still logged, like every call.
    QCOMPARE(int(arvexsim::callsOf("ConnectArvex").size()), 1);
    QCOMPARE(arvexsim::callsOf("ConnectArvex").front().result, result);
}

void tst_ArvexSim::environmentChoosesResultAndCapacity()
{
    qputenv("ARVEX_SIM_CONNECT_RESULT", "5");
    qputenv("ARVEX_SIM_QUEUE_CAPACITY", "2");
    arvexsim::reset();
    QCOMPARE(ConnectArvex(), 5);

    // The test hook overrides the environment.
    arvexsim::setConnectResult(2);
    QCOMPARE(ConnectArvex(), 2);
    QCOMPARE(offer(MOVJ, 200, 0, 0), 0);
    QCOMPARE(offer(MOVJ, 210, 0, 0), 0);
    QVERIFY(offer(MOVJ, 220, 0, 0) != 0);
}

void tst_ArvexSim::connectBlocksForTheDelay()
{
    arvexsim::setConnectDelay(300);
    QElapsedTimer timer;
    timer.start();
    QCOMPARE(ConnectArvex(), 0);
    QVERIFY(timer.elapsed() >= 300);
}

void tst_ArvexSim::jogMovesAtJogSpeed_data()
{
    QTest::addColumn<int>("isJoint");
    QTest::addColumn<int>("cmd");
    QTest::addColumn<int>("quantity");
    QTest::addColumn<double>("velocity"); // after the 50 % ratio
    QTest::addColumn<double>("acceleration");
    // Joint rates 40 and 80, servo 30 and 60, linear 50 and 100, ratio 50 %.
    QTest::newRow("Joint1+") << 1 << int(JogAxis1Plus) << int(Joint1) << 20.0 << 80.0;
    QTest::newRow("Joint2-") << 1 << int(JogAxis2Minus) << int(Joint2) << -20.0 << 80.0;
    QTest::newRow("Joint3+") << 1 << int(JogAxis3Plus) << int(Joint3) << 20.0 << 80.0;
    QTest::newRow("Joint4-") << 1 << int(JogAxis4Minus) << int(Joint4) << -15.0 << 60.0;
    QTest::newRow("X+") << 0 << int(JogAxis1Plus) << int(X) << 25.0 << 100.0;
    QTest::newRow("Y-") << 0 << int(JogAxis2Minus) << int(Y) << -25.0 << 100.0;
    QTest::newRow("Z+") << 0 << int(JogAxis3Plus) << int(Z) << 25.0 << 100.0;
    QTest::newRow("R+") << 0 << int(JogAxis4Plus) << int(RHead) << 15.0 << 60.0;
    QTest::newRow("Gripper+ linear") << 0 << int(JogGripperPlus) << int(Gripper) << 15.0 << 60.0;
    QTest::newRow("Gripper- axis") << 1 << int(JogGripperMinus) << int(Gripper) << -15.0 << 60.0;
}

void tst_ArvexSim::jogMovesAtJogSpeed()
{
    QFETCH(int, isJoint);
    QFETCH(int, cmd);
    QFETCH(int, quantity);
    QFETCH(double, velocity);
    QFETCH(double, acceleration);
    JogStaticParams params { 40, 80, 30, 60, 50, 100 };
    QCOMPARE(SetJogStaticParams(&params), 0);
    JogDynamicParams ratio { 50 };
    QCOMPARE(SetJogDynamicParams(&ratio), 0);

    const Pose start = readPose();
    QCOMPARE(jog(cmd, uint8_t(isJoint)), 0);
    for (int step = 0; step < 100; ++step)
        arvexsim::advance(0.01);
    // One second: the speed ramps up at the acceleration, then holds.
    const double expected
        = velocity - std::copysign(velocity * velocity / (2 * acceleration), velocity);
    const Pose held = readPose();
    QVERIFY2(std::abs(quantityOf(held, quantity) - quantityOf(start, quantity) - expected) < 1e-3,
        qPrintable(QString::number(quantityOf(held, quantity) - quantityOf(start, quantity))));

    // A Cartesian jog moves along its axis only.
    if (quantity >= X && quantity <= RHead) {
        for (int other = X; other <= RHead; ++other)
            if (other != quantity)
                QVERIFY(std::abs(quantityOf(held, other) - quantityOf(start, other)) < 1e-3);
    }

    // Letting go stops the arm at once.
    QCOMPARE(jog(JogStop, uint8_t(isJoint)), 0);
    arvexsim::advance(2.0);
    QVERIFY(samePose(held, arvexsim::currentPose()));
}

void tst_ArvexSim::jogStopsAtLimits_data()
{
    QTest::addColumn<int>("isJoint");
    QTest::addColumn<int>("cmd");
    QTest::addColumn<int>("quantity");
    QTest::addColumn<double>("limit"); // NaN: the edge of the workspace
    QTest::newRow("Joint1-") << 1 << int(JogAxis1Minus) << int(Joint1) << -135.0;
    QTest::newRow("Joint2+") << 1 << int(JogAxis2Plus) << int(Joint2) << 85.0;
    QTest::newRow("Joint3-") << 1 << int(JogAxis3Minus) << int(Joint3) << 0.0;
    QTest::newRow("Joint4+") << 1 << int(JogAxis4Plus) << int(Joint4) << 150.0;
    QTest::newRow("Gripper+") << 1 << int(JogGripperPlus) << int(Gripper) << 70.0;
    QTest::newRow("X+") << 0 << int(JogAxis1Plus) << int(X) << qQNaN();
    QTest::newRow("X-") << 0 << int(JogAxis1Minus) << int(X) << qQNaN();
    QTest::newRow("Z+") << 0 << int(JogAxis3Plus) << int(Z) << qQNaN();
    QTest::newRow("Z-") << 0 << int(JogAxis3Minus) << int(Z) << qQNaN();
}

void tst_ArvexSim::jogStopsAtLimits()
{
    QFETCH(int, isJoint);
    QFETCH(int, cmd);
    QFETCH(int, quantity);
    QFETCH(double, limit);
    QCOMPARE(jog(cmd, uint8_t(isJoint)), 0);
    arvexsim::advance(30);
    const Pose stopped = readPose();
    arvexsim::advance(1);
    QVERIFY(samePose(stopped, arvexsim::currentPose()));

    if (!std::isnan(limit)) {
        QCOMPARE(quantityOf(stopped, quantity), float(limit));
        return;
    }
    // The tool stops on the edge of the workspace: a tenth of a millimetre on is out of reach.
    const JointAngles joints { stopped.joint1Angle, stopped.joint2Angle, stopped.joint3Angle,
        stopped.joint4Angle };
    CartesianPose beyond = ArmKinematics::forward(joints);
    QVERIFY(distanceBetween(beyond, cartesianOf(stopped)) < 0.01);
    const double direction = (cmd - JogAxis1Plus) % 2 == 0 ? 1 : -1;
    (quantity == X ? beyond.x : beyond.z) += 0.1 * direction;
    QVERIFY(!ArmKinematics::inverse(beyond));
}

void tst_ArvexSim::jogWaitsForTheQueue()
{
    QCOMPARE(offer(MOVJ, 200, 50, 0), 0);
    QVERIFY(jog(JogAxis1Plus) != 0);
    // The end tool and the laser are switched at any time.
    QCOMPARE(jog(JogPumpOn), 0);
    QCOMPARE(readPose().isGrab, 1.0f);
    QCOMPARE(jog(JogLaserOn), 0);
    QVERIFY(arvexsim::laserOn());
    QCOMPARE(jog(JogLaserOff), 0);
    QVERIFY(!arvexsim::laserOn());
    QVERIFY(runQueue());
    QCOMPARE(jog(JogAxis1Plus, 1), 0);
    QVERIFY(jog(99) != 0);

    // A point offered during a jog waits until the jog ends.
    QCOMPARE(offer(MOVJ, 200, 50, 0), 0);
    const Pose before = readPose();
    arvexsim::advance(0.5);
    QVERIFY(readPose().joint1Angle > before.joint1Angle);
    QCOMPARE(arvexsim::queuedPoints(), 1);
    QCOMPARE(jog(JogStop), 0);
    QVERIFY(runQueue());
}

void tst_ArvexSim::queueRefusesWhenFullAndDrains()
{
    arvexsim::setQueueCapacity(3);
    QCOMPARE(offer(MOVJ, 200, 0, 0), 0);
    QCOMPARE(offer(MOVJ, 200, 100, 0), 0);
    QCOMPARE(offer(MOVJ, 200, -100, 0), 0);
    QVERIFY(offer(MOVJ, 250, 0, 0) != 0);
    QCOMPARE(arvexsim::queuedPoints(), 3);

    int accepted = 0;
    for (int step = 0; step < 1000 && accepted < 3; ++step) {
        arvexsim::advance(0.05);
        if (offer(MOVJ, 200 + accepted, 0, 0) == 0)
            ++accepted;
    }
    QCOMPARE(accepted, 3);
    QVERIFY(runQueue());
    QVERIFY(std::abs(readPose().x - 202) < 0.01);
}

void tst_ArvexSim::queueHoldsTwoPointsByDefault()
{
    QCOMPARE(offer(MOVJ, 200, 0, 0), 0);
    QCOMPARE(offer(MOVJ, 200, 100, 0), 0);
    QVERIFY(offer(MOVJ, 200, -100, 0) != 0);
    QCOMPARE(arvexsim::queuedPoints(), 2);
}

void tst_ArvexSim::moveReachesItsTarget_data()
{
    QTest::addColumn<int>("motionStyle");
    QTest::newRow("JUMP") << 0;
    QTest::newRow("MOVJ") << 1;
    QTest::newRow("MOVL") << 2;
}

void tst_ArvexSim::moveReachesItsTarget()
{
    QFETCH(int, motionStyle);
    QCOMPARE(offer(motionStyle, 250, 80, -30, -40, 0, 1, 35.5f), 0);
    QVERIFY(runQueue());
    const Pose pose = readPose();
    QVERIFY(distanceBetween(cartesianOf(pose), { 250, 80, -30, 0 }) < 0.01);
    QVERIFY(std::abs(pose.rHead - -40) < 1e-3);
    const JointAngles expected = *ArmKinematics::inverse({ 250, 80, -30, -40 });
    QVERIFY(std::abs(pose.joint2Angle - expected.joint2) < 1e-3);
    QVERIFY(std::abs(pose.joint4Angle - expected.joint4) < 1e-3);
    // The end tool follows the point once it is reached.
    QCOMPARE(pose.isGrab, 1.0f);
    QCOMPARE(pose.gripper, 35.5f);
}

void tst_ArvexSim::moveTakesItsProfileTime_data()
{
    QTest::addColumn<float>("velocity");
    QTest::addColumn<float>("acceleration");
    QTest::addColumn<double>("duration");
    // 100 mm: accelerate, cruise and brake; or too short to reach the velocity.
    QTest::newRow("trapezoid") << 100.0f << 1000.0f << 1.1;
    QTest::newRow("triangle") << 1000.0f << 100.0f << 2.0;
}

void tst_ArvexSim::moveTakesItsProfileTime()
{
    QFETCH(float, velocity);
    QFETCH(float, acceleration);
    QFETCH(double, duration);
    setPlaybackRates(velocity, acceleration);
    QCOMPARE(offer(MOVL, 250, 0, 0), 0);
    QVERIFY(runQueue());
    QCOMPARE(offer(MOVL, 150, 0, 0), 0);

    arvexsim::advance(duration / 2);
    QVERIFY(std::abs(readPose().x - 200) < 0.01); // half way at half time
    arvexsim::advance(duration / 2 - 0.01);
    QCOMPARE(arvexsim::queuedPoints(), 1);
    QVERIFY(readPose().x > 150.0f);
    arvexsim::advance(0.02);
    QCOMPARE(arvexsim::queuedPoints(), 0);
    QVERIFY(std::abs(readPose().x - 150) < 0.01);
}

void tst_ArvexSim::movlKeepsAStraightLine()
{
    QCOMPARE(offer(MOVJ, 120, 200, 60, 10), 0);
    QVERIFY(runQueue());
    QCOMPARE(offer(MOVL, 260, -120, -80, 70), 0);
    const CartesianPose from { 120, 200, 60, 10 };
    const CartesianPose to { 260, -120, -80, 70 };
    const double length = distanceBetween(from, to);
    double lastAlong = 0;
    int samples = 0;
    while (arvexsim::queuedPoints() > 0 && samples < 10000) {
        arvexsim::advance(0.002);
        const CartesianPose at = cartesianOf(readPose());
        // Distance from the line through both points, and progress along it.
        const double along = ((at.x - from.x) * (to.x - from.x) + (at.y - from.y) * (to.y - from.y)
                                 + (at.z - from.z) * (to.z - from.z))
            / length;
        const double offLine
            = std::sqrt(std::max(0.0, std::pow(distanceBetween(at, from), 2) - along * along));
        QVERIFY2(offLine < 0.01, qPrintable(QString::number(offLine)));
        QVERIFY(along >= lastAlong - 1e-3);
        // The head turns in step with the tool's travel.
        QVERIFY(std::abs(at.rHead - (10 + 60 * along / length)) < 0.01);
        lastAlong = along;
        ++samples;
    }
    QVERIFY(samples > 10);
    QCOMPARE(arvexsim::queuedPoints(), 0);
}

void tst_ArvexSim::jumpLiftsByTheJumpHeight_data()
{
    QTest::addColumn<float>("jumpHeight");
    QTest::addColumn<float>("startZ");
    QTest::addColumn<float>("targetZ");
    QTest::addColumn<double>("top");
    QTest::newRow("20 mm, level") << 20.0f << 0.0f << 0.0f << 20.0;
    QTest::newRow("50 mm, level") << 50.0f << -40.0f << -40.0f << 10.0;
    QTest::newRow("no lift") << 0.0f << 0.0f << 0.0f << 0.0;
    QTest::newRow("up to a higher point") << 20.0f << -50.0f << 30.0f << 50.0;
    QTest::newRow("down to a lower point") << 20.0f << 30.0f << -50.0f << 50.0;
}

void tst_ArvexSim::jumpLiftsByTheJumpHeight()
{
    QFETCH(float, jumpHeight);
    QFETCH(float, startZ);
    QFETCH(float, targetZ);
    QFETCH(double, top);
    setPlaybackRates(200, 400, jumpHeight);
    // Both points lie at one distance from the base axis, so the travel keeps its height.
    QCOMPARE(offer(MOVJ, 200, 100, startZ), 0);
    QVERIFY(runQueue());
    QCOMPARE(offer(JUMP, 200, -100, targetZ), 0);
    double highest = startZ;
    bool travelledBelowTop = false;
    while (arvexsim::queuedPoints() > 0) {
        arvexsim::advance(0.005);
        const Pose pose = readPose();
        highest = std::max<double>(highest, pose.z);
        travelledBelowTop = travelledBelowTop || (std::abs(pose.y) < 99.99f && pose.z < top - 0.01);
    }
    QVERIFY2(std::abs(highest - top) < 0.01, qPrintable(QString::number(highest)));
    QVERIFY(!travelledBelowTop);
    QVERIFY(distanceBetween(cartesianOf(readPose()), { 200, -100, targetZ, 0 }) < 0.01);
}

// The highest z reachable straight above (x, y, z), found on a 0.01 mm grid without the
// simulator's path search.
double highestReachableAbove(double x, double y, double z, double rHead, double limit)
{
    double highest = z;
    while (highest + 0.01 <= limit && ArmKinematics::inverse({ x, y, highest + 0.01, rHead }))
        highest += 0.01;
    return highest;
}

// Plays a JUMP from the current pose; returns the highest z passed and whether it ended at the
// target without skipping it.
bool playJump(const CartesianPose &target, double &highest)
{
    highest = readPose().z;
    if (offer(JUMP, target.x, target.y, target.z, target.rHead) != 0)
        return false;
    while (arvexsim::queuedPoints() > 0) {
        arvexsim::advance(0.005);
        highest = std::max<double>(highest, readPose().z);
    }
    return arvexsim::skippedPoints().empty()
        && distanceBetween(cartesianOf(readPose()), target) < 0.01;
}

void tst_ArvexSim::jumpLiftStopsAtTheReach_data()
{
    QTest::addColumn<QVector<float>>("start");
    QTest::addColumn<QVector<float>>("target");
    // Lifting 20 mm above 120 mm leaves the reach on both sides.
    QTest::newRow("near the top") << QVector<float> { 185, 0, 120 }
                                  << QVector<float> { 200, 0, 100 };
    QTest::newRow("from near the top")
        << QVector<float> { 200, 0, 100 } << QVector<float> { 185, 0, 120 };
    QTest::newRow("down from near the top")
        << QVector<float> { 185, 0, 120 } << QVector<float> { 250, 0, -40 };
}

void tst_ArvexSim::jumpLiftStopsAtTheReach()
{
    QFETCH(QVector<float>, start);
    QFETCH(QVector<float>, target);
    setPlaybackRates(200, 400, 20);
    QCOMPARE(offer(MOVJ, start[0], start[1], start[2]), 0);
    QVERIFY(runQueue());
    const double top = std::max(start[2], target[2]) + 20.0;
    QVERIFY(!ArmKinematics::inverse({ start[0], start[1], top, 0 })
        || !ArmKinematics::inverse({ target[0], target[1], top, 0 }));

    double highest = 0;
    QVERIFY(playJump({ target[0], target[1], target[2], 0 }, highest));
    const double expected = std::max(highestReachableAbove(start[0], start[1], start[2], 0, top),
        highestReachableAbove(target[0], target[1], target[2], 0, top));
    QVERIFY2(std::abs(highest - expected) < 0.02,
        qPrintable(QStringLiteral("%1 %2").arg(highest).arg(expected)));
}

void tst_ArvexSim::jumpReachesEveryPointMovjReaches()
{
    const auto freshArm = [] {
        arvexsim::reset();
        QCOMPARE(ConnectArvex(), 0);
        setPlaybackRates(1000, 4000, 50);
    };
    int reached = 0;
    int outOfReach = 0;
    for (float x = -300; x <= 300; x += 60)
        for (float y = -270; y <= 270; y += 90)
            for (float z = -120; z <= 120; z += 40) {
                const CartesianPose target { x, y, z, 0 };
                freshArm();
                QCOMPARE(offer(MOVJ, x, y, z), 0);
                QVERIFY(runQueue());
                const bool movjReached = arvexsim::skippedPoints().empty();
                QCOMPARE(movjReached, bool(ArmKinematics::inverse(target)));

                freshArm();
                const CartesianPose home = cartesianOf(readPose());
                double highest = 0;
                const bool jumpReached = playJump(target, highest);
                const QString where = QStringLiteral("%1 %2 %3").arg(x).arg(y).arg(z);
                QVERIFY2(jumpReached == movjReached, qPrintable(where));
                if (!movjReached) {
                    QCOMPARE(int(arvexsim::skippedPoints().size()), 1);
                    ++outOfReach;
                    continue;
                }
                // The tool passes at least as high as the higher end of the jump.
                QVERIFY2(highest >= std::max(home.z, double(z)) - 0.01,
                    qPrintable(where + QStringLiteral(": %1").arg(highest)));
                ++reached;
            }
    QVERIFY(reached > 50);
    QVERIFY(outOfReach > 50);
}

void tst_ArvexSim::pointIsHeldForItsPauseTime()
{
    setPlaybackRates(1000, 10000);
    QCOMPARE(offer(MOVJ, 200, 0, 0, 0, 2.5f, 1, -20), 0);
    QCOMPARE(offer(MOVJ, 220, 0, 0), 0);
    arvexsim::advance(0.5);
    const Pose arrived = readPose();
    QVERIFY(std::abs(arrived.x - 200) < 0.01);
    QCOMPARE(arrived.isGrab, 1.0f);
    QCOMPARE(arrived.gripper, -20.0f);
    arvexsim::advance(1.9);
    QCOMPARE(arvexsim::queuedPoints(), 2);
    QVERIFY(std::abs(readPose().x - 200) < 0.01);
    arvexsim::advance(0.2);
    QVERIFY(readPose().x > 200.01f);
    QVERIFY(runQueue());
    QCOMPARE(readPose().isGrab, 0.0f);
}

void tst_ArvexSim::unreachablePointIsSkipped_data()
{
    QTest::addColumn<QVector<float>>("start");
    QTest::addColumn<int>("motionStyle");
    QTest::addColumn<QVector<float>>("target");
    QTest::newRow("MOVJ beyond reach")
        << QVector<float> { 0, 250, 0 } << int(MOVJ) << QVector<float> { 400, 0, 0 };
    QTest::newRow("MOVL through the base axis")
        << QVector<float> { 0, 250, 0 } << int(MOVL) << QVector<float> { 0, -250, 0 };
    QTest::newRow("JUMP beyond reach")
        << QVector<float> { 0, 250, 0 } << int(JUMP) << QVector<float> { 330, 0, 0 };
    QTest::newRow("not a number") << QVector<float> { 0, 250, 0 } << int(MOVJ)
                                  << QVector<float> { NotANumber, 0, 0 };
    QTest::newRow("unknown motion style")
        << QVector<float> { 0, 250, 0 } << 7 << QVector<float> { 200, 0, 0 };
}

void tst_ArvexSim::unreachablePointIsSkipped()
{
    QFETCH(QVector<float>, start);
    QFETCH(int, motionStyle);
    QFETCH(QVector<float>, target);
    QCOMPARE(offer(MOVJ, start[0], start[1], start[2]), 0);
    QVERIFY(runQueue());
    QVERIFY(arvexsim::skippedPoints().empty());

    // Taken like any point, so that the client does not offer it for ever.
    QCOMPARE(offer(motionStyle, target[0], target[1], target[2]), 0);
    QCOMPARE(offer(MOVJ, 220, 30, -10), 0);
    QVERIFY(runQueue());
    QVERIFY(distanceBetween(cartesianOf(readPose()), { 220, 30, -10, 0 }) < 0.01);
    const auto skipped = arvexsim::skippedPoints();
    QCOMPARE(int(skipped.size()), 1);
    QCOMPARE(int(skipped.front().motionStyle), motionStyle);
}

void tst_ArvexSim::unusableParametersStillFinishMoves()
{
    PlaybackStaticParams zeros {};
    SetPlaybackStaticParams(&zeros);
    PlaybackDynamicParams ratios { 0, NotANumber };
    SetPlaybackDynamicParams(&ratios);
    QCOMPARE(offer(MOVL, 200, 0, 0), 0);
    arvexsim::advance(10000);
    QCOMPARE(arvexsim::queuedPoints(), 0);
}

void tst_ArvexSim::refuseOffers_data()
{
    QTest::addColumn<int>("refusals");
    QTest::addColumn<QVector<int>>("accepted");
    QTest::newRow("none") << 0 << QVector<int> { 1, 1, 1, 1 };
    QTest::newRow("two") << 2 << QVector<int> { 0, 0, 1, 1 };
    QTest::newRow("all") << -1 << QVector<int> { 0, 0, 0, 0 };
}

void tst_ArvexSim::refuseOffers()
{
    QFETCH(int, refusals);
    QFETCH(QVector<int>, accepted);
    arvexsim::setQueueCapacity(accepted.size());
    arvexsim::setRefuseOffers(refusals);
    QVector<int> results;
    for (int offerIndex = 0; offerIndex < accepted.size(); ++offerIndex)
        results << (offer(MOVJ, 200 + offerIndex, 0, 0) == 0 ? 1 : 0);
    QCOMPARE(results, accepted);
    QCOMPARE(arvexsim::queuedPoints(), int(std::count(accepted.begin(), accepted.end(), 1)));
}

void tst_ArvexSim::callLogKeepsCallsInOrder()
{
    QCOMPARE(SetCmdTimeout(3000), 0);
    JogStaticParams params { 1, 2, 3, 4, 5, 6 };
    SetJogStaticParams(&params);
    jog(JogPumpOff, 1);
    for (int call = 0; call < 3; ++call)
        PeriodicTask();
    const Pose pose = readPose();
    offer(MOVL, 210, 5, 5, 0, 1.5f);

    const auto calls = arvexsim::calls();
    QStringList names;
    for (const arvexsim::Call &call : calls)
        names << QString::fromStdString(call.function);
    QCOMPARE(names,
        QStringList({ "ConnectArvex", "SetCmdTimeout", "SetJogStaticParams", "SetJogInstantCmd",
            "PeriodicTask", "PeriodicTask", "PeriodicTask", "GetPose", "SetPlaybackBufferCmd" }));
    QCOMPARE(calls.at(1).intArg, 3000);
    QVERIFY(calls.at(1).record.empty());
    QCOMPARE(calls.at(2).as<JogStaticParams>().linearAcceleration, 6.0f);
    QCOMPARE(int(calls.at(2).record.size()), int(sizeof(JogStaticParams)));
    QCOMPARE(calls.at(3).as<JogInstantCmd>().cmd, int(JogPumpOff));
    QCOMPARE(int(calls.at(3).as<JogInstantCmd>().isJoint), 1);
    QVERIFY(samePose(calls.at(7).as<Pose>(), pose));
    QCOMPARE(calls.at(8).as<PlaybackPoint>().pauseTime, 1.5f);
    QCOMPARE(calls.at(8).result, 0);

    QCOMPARE(int(arvexsim::callsOf("PeriodicTask").size()), 3);
    QCOMPARE(int(arvexsim::callsOf("SetPlaybackBufferCmd").size()), 1);
    arvexsim::clearCalls();
    QVERIFY(arvexsim::calls().empty());
}

void tst_ArvexSim::periodicTaskFollowsTheClock()
{
    JogStaticParams params { 10, 1000, 10, 1000, 10, 1000 };
    SetJogStaticParams(&params);
    JogDynamicParams ratio { 100 };
    SetJogDynamicParams(&ratio);
    arvexsim::setTimeScale(10);
    PeriodicTask();
    QCOMPARE(jog(JogAxis1Plus, 1), 0);

    // Without PeriodicTask the arm does not move, however long the wait.
    const float start = readPose().joint1Angle;
    std::this_thread::sleep_for(std::chrono::milliseconds(50));
    QCOMPARE(readPose().joint1Angle, start);

    // 100°/s of simulated time for a little more than 50 ms of clock time.
    QElapsedTimer timer;
    timer.start();
    PeriodicTask();
    while (timer.elapsed() < 50) {
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
        PeriodicTask();
    }
    const double moved = readPose().joint1Angle - start;
    QVERIFY2(moved > 4.0 && moved < 100.0 * timer.elapsed() / 1000.0 + 10,
        qPrintable(QString::number(moved)));

    // A long silence counts as a short step only.
    const float beforeGap = readPose().joint1Angle;
    std::this_thread::sleep_for(std::chrono::milliseconds(400));
    PeriodicTask();
    QVERIFY(readPose().joint1Angle - beforeGap <= 10.0f + 1e-3f);
}

void tst_ArvexSim::disconnectAndResetStopTheArm()
{
    QCOMPARE(offer(MOVJ, 250, 0, 0), 0);
    QCOMPARE(offer(MOVJ, 250, 100, 0), 0);
    arvexsim::advance(0.1);
    QCOMPARE(DisconnectArvex(), 0);
    QCOMPARE(arvexsim::queuedPoints(), 0);
    QVERIFY(jog(JogAxis1Plus) != 0);
    QVERIFY(ResetArvex() != 0);

    // Reconnecting finds the arm where it was left.
    const Pose left = arvexsim::currentPose();
    QCOMPARE(ConnectArvex(), 0);
    QVERIFY(samePose(left, arvexsim::currentPose()));

    jog(JogPumpOn);
    jog(JogAxis2Plus, 1);
    arvexsim::advance(0.5);
    QCOMPARE(ResetArvex(), 0);
    arvexsim::advance(1);
    const Pose home = readPose();
    const JointAngles homeJoints = ArmKinematics::home();
    QCOMPARE(home.joint2Angle, float(homeJoints.joint2));
    QCOMPARE(home.joint3Angle, float(homeJoints.joint3));
    QCOMPARE(home.isGrab, 0.0f);
}

void tst_ArvexSim::initialPose_data()
{
    QTest::addColumn<float>("longArm");
    QTest::addColumn<float>("shortArm");
    QTest::addColumn<bool>("taken");
    QTest::newRow("within the limits") << 10.0f << 20.0f << true;
    QTest::newRow("rear arm too far") << 90.0f << 20.0f << false;
    QTest::newRow("fore arm below zero") << 10.0f << -5.0f << false;
    QTest::newRow("not a number") << NotANumber << 20.0f << false;
}

void tst_ArvexSim::initialPose()
{
    QFETCH(float, longArm);
    QFETCH(float, shortArm);
    QFETCH(bool, taken);
    const Pose before = readPose();
    InitialPose pose { longArm, shortArm };
    QCOMPARE(SetInitialPose(&pose) == 0, taken);
    const Pose after = readPose();
    QCOMPARE(after.joint2Angle, taken ? longArm : before.joint2Angle);
    QCOMPARE(after.joint3Angle, taken ? shortArm : before.joint3Angle);
    QCOMPARE(after.joint1Angle, before.joint1Angle);
}

void tst_ArvexSim::missingRecordsAreRefused()
{
    QVERIFY(GetPose(nullptr) != 0);
    QVERIFY(SetJogInstantCmd(nullptr) != 0);
    QVERIFY(SetJogDynamicParams(nullptr) != 0);
    QVERIFY(SetJogStaticParams(nullptr) != 0);
    QVERIFY(SetPlaybackStaticParams(nullptr) != 0);
    QVERIFY(SetPlaybackDynamicParams(nullptr) != 0);
    QVERIFY(SetInitialPose(nullptr) != 0);
    QVERIFY(SetPlaybackBufferCmd(nullptr) != 0);
    QCOMPARE(arvexsim::queuedPoints(), 0);
    QCOMPARE(int(arvexsim::calls().size()), 9);
}

QTEST_GUILESS_MAIN(tst_ArvexSim)
#include "tst_arvexsim.moc"
