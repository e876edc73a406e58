// Tests of the arm view: opened from the menu, it draws the arm where the controller reports it,
// over the arm's reach and the table's points.
#include "mainwindowtesting.h"

#include "armkinematics.h"
#include "armview/carmview.h"
#include "playback/cplaybacktableview.h"
#include "widgets/ccombobox.h"

#include <QApplication>
#include <QHeaderView>
#include <QImage>
#include <QMenu>
#include <QTimer>
#include <QtTest>

#include <cmath>

using namespace mainwindowtesting;

class tst_ArmView : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();
    void followsJog_data();
    void followsJog();
    void shadesReach_data();
    void shadesReach();
    void drawsPointsAndSelectedRow();
    void pointPastSideViewStaysOutOfTopView();
    void keysTypedIntoItLeaveTheTable();
    void drawsPathInPlaybackOrder();

private:
    // Opens the view as the user does: the title bar's menu button, then the entry's key.
    CArmView *openArmView();
    CPlaybackTableView *table() const
    {
        return child<CPlaybackTableView>(playbackPanelOf(*window), "playbackTableView");
    }

    std::unique_ptr<MainWindow> window;
};

namespace {

// The centre of the pixels near `colour` within `radius` of `around`; null when there are none.
QPointF centreOfColour(const QImage &image, const QColor &colour, const QPointF &around, int radius)
{
    QPointF sum;
    int count = 0;
    for (int y = int(around.y()) - radius; y <= int(around.y()) + radius; ++y)
        for (int x = int(around.x()) - radius; x <= int(around.x()) + radius; ++x) {
            if (!image.rect().contains(x, y))
                continue;
            const QColor pixel = image.pixelColor(x, y);
            if (std::abs(pixel.red() - colour.red()) + std::abs(pixel.green() - colour.green())
                    + std::abs(pixel.blue() - colour.blue())
                < 60) {
                sum += QPointF(x + 0.5, y + 0.5);
                ++count;
            }
        }
    return count == 0 ? QPointF() : sum / count;
}

bool near(const QPointF &a, const QPointF &b, double pixels)
{
    return !a.isNull() && QLineF(a, b).length() <= pixels;
}

QColor colourAt(const QImage &image, const QPointF &at)
{
    return image.pixelColor(at.toPoint());
}

} // namespace

void tst_ArmView::initTestCase()
{
    Q_INIT_RESOURCE(resources);
    prepareProgramFolder();
}

void tst_ArmView::init()
{
    arvexsim::reset();
    arvexsim::setTimeScale(4.0);
    window = createWindow();
    QVERIFY(waitUntilConnected(window.get()));
}

void tst_ArmView::cleanup()
{
    window.reset();
}

CArmView *tst_ArmView::openArmView()
{
    QTimer::singleShot(0, this, [] {
        if (auto *menu = qobject_cast<QMenu *>(QApplication::activePopupWidget()))
            QTest::keyClick(menu, Qt::Key_V);
    });
    QTest::mouseClick(window->findChild<QPushButton *>(QStringLiteral("downBtn")), Qt::LeftButton);
    auto *armViewWindow = window->findChild<QWidget *>(QStringLiteral("armViewWindow"));
    if (!armViewWindow || !QTest::qWaitForWindowExposed(armViewWindow))
        return nullptr;
    return armViewWindow->findChild<CArmView *>();
}

void tst_ArmView::followsJog_data()
{
    QTest::addColumn<QString>("jogButton");
    QTest::newRow("Joint1+") << QStringLiteral("baseAngleAddBtn");
    QTest::newRow("Joint1-") << QStringLiteral("baseAngleSubBtn");
    QTest::newRow("Joint2+") << QStringLiteral("longArmAddBtn");
    QTest::newRow("Joint3-") << QStringLiteral("shortArmSubBtn");
    QTest::newRow("Joint4+") << QStringLiteral("rHeadAddBtn");
}

void tst_ArmView::followsJog()
{
    QFETCH(QString, jogButton);
    CArmView *view = openArmView();
    QVERIFY(view);

    QWidget *teach = teachPanelOf(*window);
    child<CComboBox>(teach, "jogMode")->setCurrentIndex(0);
    auto *button = child<QPushButton>(teach, jogButton);
    QTest::mousePress(button, Qt::LeftButton);
    QTest::qWait(400);
    QTest::mouseRelease(button, Qt::LeftButton);

    // Once the arm rests and the pose timer has read it, the view shows the tool where the
    // controller says it is: its Cartesian pose, not the joint angles the view draws from.
    QWidget *panel = playbackPanelOf(*window);
    const auto field
        = [&](const char *name) { return child<QLineEdit>(panel, name)->text().toDouble(); };
    QTRY_VERIFY(std::abs(field("joint1Angle") - arvexsim::currentPose().joint1Angle) < 1e-3
        && std::abs(field("joint2Angle") - arvexsim::currentPose().joint2Angle) < 1e-3
        && std::abs(field("joint3Angle") - arvexsim::currentPose().joint3Angle) < 1e-3
        && std::abs(field("joint4Angle") - arvexsim::currentPose().joint4Angle) < 1e-3);
    QTRY_VERIFY(std::abs(view->jointAngles().joint1 - arvexsim::currentPose().joint1Angle) < 1e-3);
    const Pose pose = arvexsim::currentPose();
    QVERIFY(std::abs(pose.joint1Angle) + std::abs(pose.joint2Angle - 30)
            + std::abs(pose.joint3Angle - 45) + std::abs(pose.joint4Angle)
        > 1.0);

    const QImage image = view->grab().toImage();
    const QPointF side = view->sideViewPosition(std::hypot(pose.x, pose.y), pose.z);
    const QPointF top = view->topViewPosition(pose.x, pose.y);
    QVERIFY(near(centreOfColour(image, CArmView::toolColor(), side, 12), side, 1.5));
    QVERIFY(near(centreOfColour(image, CArmView::toolColor(), top, 12), top, 1.5));
}

void tst_ArmView::shadesReach_data()
{
    QTest::addColumn<bool>("sideView");
    QTest::addColumn<QPointF>("position");
    QTest::addColumn<bool>("shaded");

    const CartesianPose far = ArmKinematics::forward({ 0, 60, 20, 0 });
    QTest::newRow("side, stretched forward") << true << QPointF(far.x, far.z) << true;
    QTest::newRow("side, above the reach") << true << QPointF(300, 130) << false;
    QTest::newRow("side, under the shoulder") << true << QPointF(60, -140) << false;
    QTest::newRow("top, to the left front") << false << QPointF(200, 100) << true;
    QTest::newRow("top, behind the base") << false << QPointF(-250, 0) << false;
    QTest::newRow("top, too close to the base") << false << QPointF(0, -30) << false;
}

void tst_ArmView::shadesReach()
{
    QFETCH(bool, sideView);
    QFETCH(QPointF, position);
    QFETCH(bool, shaded);
    CArmView *view = openArmView();
    QVERIFY(view);

    const QImage image = view->grab().toImage();
    const QPointF at = sideView ? view->sideViewPosition(position.x(), position.y())
                                : view->topViewPosition(position.x(), position.y());
    QCOMPARE(colourAt(image, at) == CArmView::reachColor(), shaded);
}

void tst_ArmView::drawsPointsAndSelectedRow()
{
    const CartesianPose first = ArmKinematics::forward({ 40, 50, 10, 0 });
    const CartesianPose second = ArmKinematics::forward({ -60, 20, 70, 0 });
    table()->setPoints(
        { PlaybackPoint { MOVJ, 0, float(first.x), float(first.y), float(first.z), 0, 0, 0 },
            PlaybackPoint { MOVJ, 0, float(second.x), float(second.y), float(second.z), 0, 0, 0 },
            PlaybackPoint { MOVJ, 0, 300, 0, 130, 0, 0, 0 } });
    CArmView *view = openArmView();
    QVERIFY(view);

    const auto topOf
        = [&](const CartesianPose &pose) { return view->topViewPosition(pose.x, pose.y); };
    QImage image = view->grab().toImage();
    QVERIFY(colourAt(image, topOf(first)).value() < 100);
    QVERIFY(colourAt(image, topOf(second)).value() < 100);
    QVERIFY(near(
        centreOfColour(image, CArmView::outOfReachColor(), view->sideViewPosition(300, 130), 8),
        view->sideViewPosition(300, 130), 1.0));
    QVERIFY(centreOfColour(image, CArmView::highlightColor(), topOf(second), 10).isNull());

    // The user clicks the second row's header: its point is ringed.
    QHeaderView *header = table()->verticalHeader();
    QTest::mouseClick(header->viewport(), Qt::LeftButton, Qt::NoModifier,
        QPoint(header->width() / 2, header->sectionViewportPosition(1) + 5));
    QTRY_VERIFY(
        near(centreOfColour(view->grab().toImage(), CArmView::highlightColor(), topOf(second), 10),
            topOf(second), 1.0));
    QVERIFY(centreOfColour(view->grab().toImage(), CArmView::highlightColor(), topOf(first), 10)
                .isNull());

    // Deleting it takes its dot away. The click made the window the active one.
    window->activateWindow();
    QTRY_COMPARE(QApplication::activeWindow(), window.get());
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Delete);
    QTRY_COMPARE(colourAt(view->grab().toImage(), topOf(second)), CArmView::reachColor());
    QVERIFY(colourAt(view->grab().toImage(), topOf(first)).value() < 100);
}

void tst_ArmView::pointPastSideViewStaysOutOfTopView()
{
    CArmView *view = openArmView();
    QVERIFY(view);
    // Far enough out that the side view would put it in the middle of the top view.
    double radial = 300;
    while (view->sideViewPosition(radial, 0).x() < view->width() * 0.75)
        radial += 10;
    const CartesianPose reachable = ArmKinematics::forward({ 40, 50, 10, 0 });
    table()->setPoints({ PlaybackPoint { MOVJ, 0, float(reachable.x), float(reachable.y),
                             float(reachable.z), 0, 0, 0 },
        PlaybackPoint { MOVJ, 0, float(radial), 0, 0, 0, 0, 0 } });
    // Once the reachable point shows, the far one has been drawn too.
    QTRY_VERIFY(
        colourAt(view->grab().toImage(), view->topViewPosition(reachable.x, reachable.y)).value()
        < 100);
    QVERIFY(centreOfColour(
        view->grab().toImage(), CArmView::outOfReachColor(), view->sideViewPosition(radial, 0), 8)
                .isNull());
}

void tst_ArmView::keysTypedIntoItLeaveTheTable()
{
    const CartesianPose reachable = ArmKinematics::forward({ 40, 50, 10, 0 });
    const PlaybackPoint point { MOVJ, 0, float(reachable.x), float(reachable.y), float(reachable.z),
        0, 0, 0 };
    table()->setPoints({ point, point });
    table()->setFocus();
    table()->selectRow(0);
    pressKeys(QApplication::focusWidget(), QKeySequence::Copy);
    CArmView *view = openArmView();
    QVERIFY(view);
    view->window()->activateWindow();
    QTRY_COMPARE(QApplication::activeWindow(), view->window());

    QWidget *target = QApplication::focusWidget() ? QApplication::focusWidget() : view->window();
    QCOMPARE(target->window(), view->window());
    pressKeys(target, QKeySequence(Qt::Key_Delete));
    QTest::qWait(50);
    QCOMPARE(table()->model()->rowCount(), 2);
    pressKeys(target, QKeySequence::Paste);
    QTest::qWait(50);
    QCOMPARE(table()->model()->rowCount(), 2);
}

// A MOVL runs straight from the point before; a JUMP back rises by the jump height first.
void tst_ArmView::drawsPathInPlaybackOrder()
{
    const CartesianPose low = ArmKinematics::forward({ 0, 20, 60, 0 });
    const CartesianPose far = ArmKinematics::forward({ 0, 60, 20, 0 });
    const auto point = [](int style, const CartesianPose &pose) {
        return PlaybackPoint { uint8_t(style), 0, float(pose.x), float(pose.y), float(pose.z), 0, 0,
            0 };
    };
    table()->setPoints({ point(MOVJ, low), point(MOVL, far), point(JUMP, low) });
    CArmView *view = openArmView();
    QVERIFY(view);
    const double jumpHeight = COptions::instance()->playbackParams().jumpHeight;

    const QImage image = view->grab().toImage();
    const QPointF straight
        = (view->sideViewPosition(low.x, low.z) + view->sideViewPosition(far.x, far.z)) / 2;
    QVERIFY(near(centreOfColour(image, CArmView::pathColor(), straight, 3), straight, 2.0));
    const QPointF lifted
        = view->sideViewPosition((low.x + far.x) / 2, std::max(low.z, far.z) + jumpHeight);
    QVERIFY(!centreOfColour(image, CArmView::pathColor(), lifted, 4).isNull());
}

QTEST_MAIN(tst_ArmView)
#include "tst_armview.moc"
