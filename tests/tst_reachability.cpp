// Tests of the marks of the table's rows out of the arm's reach and of the question they raise
// when Start is clicked.
#include "mainwindowtesting.h"
#include "modaltesting.h"
#include "tabletesting.h"

#include "armkinematics.h"
#include "playback/cplaybacktablemodel.h"
#include "playback/cplaybacktableview.h"

#include <QApplication>
#include <QClipboard>
#include <QHeaderView>
#include <QMessageBox>
#include <QMimeData>
#include <QTimer>
#include <QtTest>

using namespace mainwindowtesting;
using namespace modaltesting;
using namespace tabletesting;

class tst_Reachability : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();
    void bothSidesOfEveryLimit_data();
    void bothSidesOfEveryLimit();
    void answers_data();
    void answers();
    void longListIsShortened();
    void markFollowsRowUntilInReach();
    void marksFollowEveryChange_data();
    void marksFollowEveryChange();

private:
    CPlaybackTableView *table() const
    {
        return child<CPlaybackTableView>(playbackPanelOf(*window), "playbackTableView");
    }
    CPlaybackTableModel *model() const
    {
        return qobject_cast<CPlaybackTableModel *>(table()->model());
    }
    bool rowTinted(int row) const
    {
        return model()->headerData(row, Qt::Vertical, Qt::BackgroundRole).isValid();
    }
    // One character a row: 'x' where the row header is tinted, '.' where not.
    QString tints() const;
    // The same worked out anew from the texts the rows show.
    QString reachOfShownTexts() const;
    // Gives the table the keyboard, as a click into the window would.
    void focusTable();
    // Clicks Start and answers the question, if one comes, with the key; returns its text.
    QString clickStartAnswering(int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier);
    int offeredPointCount() const { return int(arvexsim::callsOf("SetPlaybackBufferCmd").size()); }

    std::unique_ptr<MainWindow> window;
};

namespace {

// The point the table holds for the tool at these joint angles, rounded as the pose fields are.
PlaybackPoint pointAt(const JointAngles &joints)
{
    const CartesianPose pose = ArmKinematics::forward(joints);
    const auto rounded = [](double value, int decimals) {
        return QString::number(value, 'f', decimals).toFloat();
    };
    return PlaybackPoint { MOVJ, 0, rounded(pose.x, 1), rounded(pose.y, 1), rounded(pose.z, 1),
        rounded(pose.rHead, 3), 0, 0 };
}

const PlaybackPoint homePoint = pointAt(ArmKinematics::home());
const PlaybackPoint beyondReach = pointAt({ 0, 30, 100, 0 });

} // namespace

void tst_Reachability::initTestCase()
{
    Q_INIT_RESOURCE(resources);
    prepareProgramFolder();
}

void tst_Reachability::init()
{
    arvexsim::reset();
    arvexsim::setTimeScale(20.0);
    // Room for every point at once, so that each point sent is offered exactly once.
    arvexsim::setQueueCapacity(32);
    window = createWindow();
    QVERIFY(waitUntilConnected(window.get()));
    arvexsim::clearCalls();
}

void tst_Reachability::cleanup()
{
    window.reset();
}

QString tst_Reachability::clickStartAnswering(int key, Qt::KeyboardModifiers modifiers)
{
    QString question;
    // Runs inside the question's own event loop; gone with the click when none comes.
    QObject clicking;
    onNextModal<QMessageBox>(
        [&](QMessageBox *box) {
            // The user answers once the question has the keyboard focus.
            QTRY_VERIFY(box->isAncestorOf(QApplication::focusWidget()));
            question = box->text();
            QTest::keyClick(QApplication::focusWidget(), Qt::Key(key), modifiers);
        },
        &clicking);
    QTest::mouseClick(child<QPushButton>(playbackPanelOf(*window), "startBtn"), Qt::LeftButton);
    return question;
}

void tst_Reachability::bothSidesOfEveryLimit_data()
{
    QTest::addColumn<int>("joint");
    QTest::addColumn<double>("angle");
    QTest::addColumn<bool>("reachable");

    const ArmKinematics::Range ranges[] = { ArmKinematics::Joint1Range, ArmKinematics::Joint2Range,
        ArmKinematics::Joint3Range, ArmKinematics::Joint4Range };
    // Far enough from the limit for the rounding of the table's texts not to cross it.
    const double margin = 2.0;
    for (int joint = 0; joint < 4; ++joint) {
        const ArmKinematics::Range range = ranges[joint];
        const QByteArray name = "joint" + QByteArray::number(joint + 1);
        QTest::newRow(name + " above min") << joint << range.min + margin << true;
        QTest::newRow(name + " below min") << joint << range.min - margin << false;
        QTest::newRow(name + " below max") << joint << range.max - margin << true;
        QTest::newRow(name + " above max") << joint << range.max + margin << false;
    }
}

void tst_Reachability::bothSidesOfEveryLimit()
{
    QFETCH(int, joint);
    QFETCH(double, angle);
    QFETCH(bool, reachable);

    JointAngles joints = ArmKinematics::home();
    double *angles[] = { &joints.joint1, &joints.joint2, &joints.joint3, &joints.joint4 };
    *angles[joint] = angle;
    table()->setPoints({ homePoint, pointAt(joints) });

    const QString question = clickStartAnswering(Qt::Key_Escape);

    QCOMPARE(question.isEmpty(), reachable);
    QCOMPARE(rowTinted(1), !reachable);
    QVERIFY(!rowTinted(0));
    if (reachable) {
        QCOMPARE(offeredPointCount(), 2);
    } else {
        QVERIFY2(question.contains(QLatin1String(": 2.")), qPrintable(question));
        QCOMPARE(offeredPointCount(), 0);
    }
    QCOMPARE(
        child<QPushButton>(playbackPanelOf(*window), "startBtn")->text(), QStringLiteral("Start"));
}

void tst_Reachability::answers_data()
{
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("modifiers");
    QTest::addColumn<bool>("runs");

    QTest::newRow("Escape cancels") << int(Qt::Key_Escape) << int(Qt::NoModifier) << false;
    QTest::newRow("Enter takes the default, cancel")
        << int(Qt::Key_Return) << int(Qt::NoModifier) << false;
    QTest::newRow("Alt+S starts anyway") << int(Qt::Key_S) << int(Qt::AltModifier) << true;
}

void tst_Reachability::answers()
{
    QFETCH(int, key);
    QFETCH(int, modifiers);
    QFETCH(bool, runs);

    table()->setPoints({ beyondReach, homePoint, beyondReach });
    const QString question = clickStartAnswering(key, Qt::KeyboardModifiers(modifiers));

    QVERIFY2(question.contains(QLatin1String(": 1, 3.")), qPrintable(question));
    // Starting anyway hands every point to the controller, which decides what to do with them.
    QCOMPARE(offeredPointCount(), runs ? 3 : 0);
    QVERIFY(rowTinted(0) && !rowTinted(1) && rowTinted(2));

    // What the user sees: the headers' ground, right of their numbers.
    QHeaderView *header = table()->verticalHeader();
    const QImage headers = header->viewport()->grab().toImage();
    const auto groundOf = [&](int row) {
        return headers.pixelColor(header->width() - 4, header->sectionViewportPosition(row) + 4);
    };
    const auto tinted = [](const QColor &ground) { return ground.red() - ground.green() > 40; };
    QVERIFY(tinted(groundOf(0)) && !tinted(groundOf(1)) && tinted(groundOf(2)));
}

void tst_Reachability::longListIsShortened()
{
    PlaybackPoints points(10, beyondReach);
    points[0] = homePoint;
    points[3] = homePoint;
    table()->setPoints(points);

    const QString question = clickStartAnswering(Qt::Key_Escape);

    QVERIFY2(question.contains(QLatin1String(": 2, 3, 5, 6, 7 and 3 more.")), qPrintable(question));
}

void tst_Reachability::markFollowsRowUntilInReach()
{
    table()->setPoints({ beyondReach, beyondReach, homePoint });
    clickStartAnswering(Qt::Key_Escape);
    QVERIFY(rowTinted(0) && rowTinted(1));

    // Back in the window, the reachable last row moves up between the two others; the marks
    // stay with their rows.
    focusTable();
    table()->selectRow(2);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Up, Qt::ControlModifier);
    QVERIFY(rowTinted(0) && !rowTinted(1) && rowTinted(2));

    // The user types home's place into the first row, which brings it within reach.
    typeIntoCell(table(), 0, CPlaybackTableModel::XColumn, QString::number(homePoint.x, 'f', 1));
    typeIntoCell(table(), 0, CPlaybackTableModel::ZColumn, QString::number(homePoint.z, 'f', 1));
    QVERIFY(!rowTinted(0));
    QVERIFY(rowTinted(2));
}

QString tst_Reachability::tints() const
{
    QString marks;
    for (int row = 0; row < model()->rowCount(); ++row)
        marks += QLatin1Char(rowTinted(row) ? 'x' : '.');
    return marks;
}

QString tst_Reachability::reachOfShownTexts() const
{
    QString marks;
    for (int row = 0; row < model()->rowCount(); ++row) {
        const auto shown
            = [&](int column) { return model()->index(row, column).data().toString().toDouble(); };
        const bool reachable = bool(ArmKinematics::inverse(
            { shown(CPlaybackTableModel::XColumn), shown(CPlaybackTableModel::YColumn),
                shown(CPlaybackTableModel::ZColumn), shown(CPlaybackTableModel::RHeadColumn) }));
        marks += QLatin1Char(reachable ? '.' : 'x');
    }
    return marks;
}

void tst_Reachability::focusTable()
{
    window->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(window.get()));
    table()->setFocus();
    QTRY_COMPARE(QApplication::focusWidget(), table());
}

void tst_Reachability::marksFollowEveryChange_data()
{
    QTest::addColumn<QString>("change");
    QTest::addColumn<QString>("marksAfter");
    QTest::addColumn<QString>("askedRows");

    // The table starts as home, beyond reach, home: ".x.".
    QTest::newRow("edited") << "edit"
                            << "xx."
                            << ": 1, 2.";
    QTest::newRow("pasted") << "paste"
                            << "x.."
                            << ": 1.";
    QTest::newRow("imported") << "import"
                              << "xx.x"
                              << ": 1, 2, 4.";
}

// Whatever changes the rows, their marks are those of the points they show, and the question
// before a run names the marked rows.
void tst_Reachability::marksFollowEveryChange()
{
    QFETCH(QString, change);
    QFETCH(QString, marksAfter);
    QFETCH(QString, askedRows);

    table()->setPoints({ homePoint, beyondReach, homePoint });
    QCOMPARE(tints(), QStringLiteral(".x."));
    focusTable();
    // Far above the reach at home's place: the arm rises no higher than its rear arm is long.
    const QString tooHigh = QStringLiteral("139");
    QTemporaryDir dir;
    if (change == QLatin1String("edit")) {
        typeIntoCell(table(), 0, CPlaybackTableModel::ZColumn, tooHigh + QStringLiteral(".0"));
    } else if (change == QLatin1String("paste")) {
        const QString home
            = QStringLiteral("MOVJ\tfalse\t%1\t%2\t%3\t%4\t0\t0").arg(homePoint.x).arg(homePoint.y);
        QApplication::clipboard()->setText(home.arg(tooHigh).arg(homePoint.rHead) + "\r\n"
            + home.arg(homePoint.z).arg(homePoint.rHead) + "\r\n"
            + home.arg(homePoint.z).arg(homePoint.rHead));
        table()->selectRow(0);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_V, Qt::ControlModifier);
    } else {
        const QString path = dir.filePath(QStringLiteral("points.xml"));
        CPlaybackManager::instance()->writePoints(
            path, { beyondReach, beyondReach, homePoint, beyondReach });
        QMimeData mimeData;
        mimeData.setUrls({ QUrl::fromLocalFile(path) });
        const QPoint centre = table()->viewport()->rect().center();
        QDragEnterEvent enter(centre, Qt::CopyAction, &mimeData, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(table()->viewport(), &enter);
        QDropEvent drop(centre, Qt::CopyAction, &mimeData, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(table()->viewport(), &drop);
    }
    QCOMPARE(tints(), marksAfter);
    QCOMPARE(tints(), reachOfShownTexts());

    focusTable();
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(tints(), QStringLiteral(".x."));
    QCOMPARE(tints(), reachOfShownTexts());
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Y, Qt::ControlModifier);
    QCOMPARE(tints(), marksAfter);
    QCOMPARE(tints(), reachOfShownTexts());

    const QString question = clickStartAnswering(Qt::Key_Escape);
    QVERIFY2(question.contains(askedRows), qPrintable(question));
    QCOMPARE(offeredPointCount(), 0);
}

QTEST_MAIN(tst_Reachability)
#include "tst_reachability.moc"
