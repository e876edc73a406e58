// Tests of the arm's kinematic model: forward and inverse agree over the joint limits and the
// workspace, and what lies outside the reach is refused.
#include "armkinematics.h"

#include <QtTest>

#include <cmath>
#include <limits>

namespace {

double distanceBetween(const CartesianPose &a, const CartesianPose &b)
{
    return std::hypot(std::hypot(a.x - b.x, a.y - b.y), a.z - b.z);
}

} // namespace

class tst_ArmKinematics : public QObject
{
    Q_OBJECT

private slots:
    void forwardAndInverseAgreeOverJointGrid();
    void inverseAndForwardAgreeOverCartesianGrid();
    void reachability_data();
    void reachability();
};

void tst_ArmKinematics::forwardAndInverseAgreeOverJointGrid()
{
    int checked = 0;
    for (double j1 = -135; j1 <= 135; j1 += 15)
        for (double j2 = 0; j2 <= 85; j2 += 5)
            for (double j3 = 0; j3 <= 90; j3 += 5)
                for (double j4 = -150; j4 <= 150; j4 += 50) {
                    const JointAngles joints { j1, j2, j3, j4 };
                    const CartesianPose pose = ArmKinematics::forward(joints);
                    const auto solved = ArmKinematics::inverse(pose);
                    QVERIFY2(solved,
                        qPrintable(QStringLiteral("%1 %2 %3 %4").arg(j1).arg(j2).arg(j3).arg(j4)));
                    QVERIFY(distanceBetween(ArmKinematics::forward(*solved), pose) < 0.01);
                    QVERIFY(std::abs(solved->joint1 - j1) < 1e-6
                        && std::abs(solved->joint2 - j2) < 1e-6
                        && std::abs(solved->joint3 - j3) < 1e-6
                        && std::abs(solved->joint4 - j4) < 1e-6);
                    ++checked;
                }
    QCOMPARE(checked, 19 * 18 * 19 * 7);
}

void tst_ArmKinematics::inverseAndForwardAgreeOverCartesianGrid()
{
    int reachable = 0;
    double highest = -1000, lowest = 1000, farthest = 0;
    for (double x = -320; x <= 320; x += 10)
        for (double y = -280; y <= 280; y += 10)
            for (double z = -140; z <= 140; z += 10) {
                const CartesianPose pose { x, y, z, 30 };
                const auto joints = ArmKinematics::inverse(pose);
                if (!joints)
                    continue;
                ++reachable;
                QVERIFY(ArmKinematics::withinLimits(*joints));
                const CartesianPose back = ArmKinematics::forward(*joints);
                QVERIFY(distanceBetween(back, pose) < 0.01);
                QVERIFY(std::abs(back.rHead - 30) < 1e-9);
                highest = std::max(highest, z);
                lowest = std::min(lowest, z);
                farthest = std::max(farthest, x);
            }
    // The workspace is on the scale of the table's coordinate ranges.
    QVERIFY(reachable > 20000);
    QCOMPARE(highest, 130.0);
    QCOMPARE(lowest, -130.0);
    QCOMPARE(farthest, 310.0);
}

void tst_ArmKinematics::reachability_data()
{
    QTest::addColumn<double>("x");
    QTest::addColumn<double>("y");
    QTest::addColumn<double>("z");
    QTest::addColumn<bool>("reachable");
    QTest::newRow("in front") << 300.0 << 0.0 << 0.0 << true;
    QTest::newRow("to the side") << 0.0 << 279.0 << 0.0 << true;
    QTest::newRow("far corner") << -200.0 << 200.0 << 0.0 << true;
    QTest::newRow("low") << 200.0 << 0.0 << -130.0 << true;
    QTest::newRow("beyond reach") << 330.0 << 0.0 << 0.0 << false;
    QTest::newRow("behind the base") << -250.0 << 0.0 << 0.0 << false;
    QTest::newRow("on the base axis") << 0.0 << 0.0 << 0.0 << false;
    QTest::newRow("above the top") << 185.0 << 0.0 << 140.0 << false;
    QTest::newRow("not a number") << std::numeric_limits<double>::quiet_NaN() << 0.0 << 0.0
                                  << false;
}

void tst_ArmKinematics::reachability()
{
    QFETCH(double, x);
    QFETCH(double, y);
    QFETCH(double, z);
    QFETCH(bool, reachable);
    QCOMPARE(bool(ArmKinematics::inverse({ x, y, z, 0 })), reachable);
}

QTEST_APPLESS_MAIN(tst_ArmKinematics)
#include "tst_armkinematics.moc"
