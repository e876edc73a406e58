// Tests of the TEACH panel: what each button sends to the arm, the end tool and the jog speed.
#include "mainwindowtesting.h"

#include "widgets/ccombobox.h"

#include <QFile>
#include <QMenu>
#include <QRadioButton>
#include <QSlider>
#include <QSpinBox>
#include <QTableView>
#include <QTimer>
#include <QtTest>

using namespace mainwindowtesting;

namespace {
bool posesDiffer(const Pose &a, const Pose &b)
{
    return std::memcmp(&a, &b, sizeof(Pose)) != 0;
}
} // namespace

class tst_TeachPanel : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();
    void jogButtonSendsCommand_data();
    void jogButtonSendsCommand();
    void modeChangeWhileHeld();
    void endTypeAndPump();
    void pumpButtonsShowOffAfterReconnect();
    void focusStartsOnJogMode();
    void gripperButtons();
    void sliderDragSendsOnce();
    void spinBoxRange();
    void storedRatioClamped_data();
    void storedRatioClamped();

private:
    QWidget *panel() const { return teachPanelOf(*window); }
    void setJogMode(int index);
    std::vector<JogInstantCmd> jogCommands() const;

    std::unique_ptr<MainWindow> window;
};

void tst_TeachPanel::initTestCase()
{
    Q_INIT_RESOURCE(resources);
    prepareProgramFolder();
}

void tst_TeachPanel::init()
{
    arvexsim::reset();
    window = createWindow();
    QVERIFY(waitUntilConnected(window.get()));
    arvexsim::clearCalls();
}

void tst_TeachPanel::cleanup()
{
    window.reset();
}

void tst_TeachPanel::setJogMode(int index)
{
    child<CComboBox>(panel(), "jogMode")->setCurrentIndex(index);
}

std::vector<JogInstantCmd> tst_TeachPanel::jogCommands() const
{
    std::vector<JogInstantCmd> commands;
    for (const arvexsim::Call &call : arvexsim::callsOf("SetJogInstantCmd"))
        commands.push_back(call.as<JogInstantCmd>());
    return commands;
}

void tst_TeachPanel::jogButtonSendsCommand_data()
{
    QTest::addColumn<QString>("button");
    QTest::addColumn<int>("mode");
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("command");

    struct Row
    {
        const char *button, *axis, *linear;
        int command;
    };
    const Row rows[]
        = { { "baseAngleAddBtn", "Joint1+", "X+", 1 }, { "baseAngleSubBtn", "Joint1-", "X-", 2 },
              { "longArmAddBtn", "Joint2+", "Y+", 3 }, { "longArmSubBtn", "Joint2-", "Y-", 4 },
              { "shortArmAddBtn", "Joint3+", "Z+", 5 }, { "shortArmSubBtn", "Joint3-", "Z-", 6 },
              { "rHeadAddBtn", "Joint4+", "R+", 7 }, { "rHeadSubBtn", "Joint4-", "R-", 8 } };
    for (const Row &row : rows) {
        QTest::addRow("%s axis", row.axis) << row.button << 0 << row.axis << row.command;
        QTest::addRow("%s linear", row.linear) << row.button << 1 << row.linear << row.command;
    }
}

void tst_TeachPanel::jogButtonSendsCommand()
{
    QFETCH(QString, button);
    QFETCH(int, mode);
    QFETCH(QString, text);
    QFETCH(int, command);

    setJogMode(mode);
    auto *jogButton = child<QPushButton>(panel(), button);
    QCOMPARE(jogButton->text(), text);
    const Pose before = arvexsim::currentPose();

    QTest::mousePress(jogButton, Qt::LeftButton);
    QCOMPARE(int(jogCommands().size()), 1);
    QCOMPARE(int(jogCommands().front().isJoint), mode == 0 ? 1 : 0);
    QCOMPARE(jogCommands().front().cmd, command);

    // The arm really moves while the button is held.
    QTRY_VERIFY(posesDiffer(before, arvexsim::currentPose()));

    QTest::mouseRelease(jogButton, Qt::LeftButton);
    QCOMPARE(int(jogCommands().size()), 2);
    QCOMPARE(int(jogCommands().back().isJoint), mode == 0 ? 1 : 0);
    QCOMPARE(jogCommands().back().cmd, 0);
}

void tst_TeachPanel::modeChangeWhileHeld()
{
    auto *button = child<QPushButton>(panel(), "baseAngleAddBtn");
    QTest::mousePress(button, Qt::LeftButton);
    setJogMode(0);
    QCOMPARE(button->text(), QStringLiteral("Joint1+"));
    QCOMPARE(int(jogCommands().size()), 1);
    QTest::mouseRelease(button, Qt::LeftButton);
    QCOMPARE(int(jogCommands().size()), 2);
    QCOMPARE(jogCommands().back().cmd, 0);
}

void tst_TeachPanel::endTypeAndPump()
{
    auto *pumpOn = child<QPushButton>(panel(), "pumpOnBtn");
    auto *pumpOff = child<QPushButton>(panel(), "pumpOffBtn");
    QVERIFY(pumpOff->isChecked());
    QVERIFY(pumpOn->isEnabled());
    QVERIFY(!child<QPushButton>(panel(), "gripperAddBtn")->isEnabled());

    QTest::mouseClick(pumpOn, Qt::LeftButton);
    QVERIFY(pumpOn->isChecked() && !pumpOff->isChecked());
    QCOMPARE(jogCommands().back().cmd, 9);
    QTRY_COMPARE(arvexsim::currentPose().isGrab, 1.0f);
    QTest::mouseClick(pumpOff, Qt::LeftButton);
    QCOMPARE(jogCommands().back().cmd, 10);
    QCOMPARE(int(jogCommands().size()), 2);
}

void tst_TeachPanel::pumpButtonsShowOffAfterReconnect()
{
    auto *pumpOn = child<QPushButton>(panel(), "pumpOnBtn");
    auto *pumpOff = child<QPushButton>(panel(), "pumpOffBtn");
    QTest::mouseClick(pumpOn, Qt::LeftButton);
    QVERIFY(pumpOn->isChecked());

    action(window.get(), "&Disconnect")->trigger();
    action(window.get(), "&Connect")->trigger();
    QVERIFY(waitUntilConnected(window.get()));
    QCOMPARE(jogCommands().back().cmd, 10);
    QVERIFY(pumpOff->isChecked());
    QVERIFY(!pumpOn->isChecked());
}

void tst_TeachPanel::focusStartsOnJogMode()
{
    QVERIFY(QTest::qWaitForWindowActive(window.get()));
    QVERIFY(child<CComboBox>(panel(), "jogMode")->hasFocus());

    // Space there neither opens the window's menu nor reaches the arm.
    bool menuOpened = false;
    QTimer::singleShot(200, this, [&] {
        if (QWidget *popup = QApplication::activePopupWidget()) {
            menuOpened = qobject_cast<QMenu *>(popup) != nullptr;
            popup->close();
        }
    });
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
    QTest::qWait(300);
    QVERIFY(!menuOpened);
    QVERIFY(jogCommands().empty());
}

void tst_TeachPanel::gripperButtons()
{
    QRadioButton *gripperRadio = nullptr;
    for (QRadioButton *radio : panel()->findChildren<QRadioButton *>())
        if (radio->text() == QLatin1String("Gripper"))
            gripperRadio = radio;
    QVERIFY(gripperRadio);
    QTest::mouseClick(gripperRadio, Qt::LeftButton);
    QVERIFY(!child<QPushButton>(panel(), "pumpOnBtn")->isEnabled());
    QVERIFY(!child<QPushButton>(panel(), "pumpOffBtn")->isEnabled());

    setJogMode(0);
    const float gripperBefore = arvexsim::currentPose().gripper;
    auto *add = child<QPushButton>(panel(), "gripperAddBtn");
    QVERIFY(add->isEnabled());
    QTest::mousePress(add, Qt::LeftButton);
    QTRY_VERIFY(arvexsim::currentPose().gripper > gripperBefore);
    QTest::mouseRelease(add, Qt::LeftButton);
    // The pose field shows the gripper the arm reports, and a saved point takes it.
    const QString opened = QString::number(arvexsim::currentPose().gripper, 'f', 3);
    QWidget *playback = playbackPanelOf(*window);
    QTRY_COMPARE(child<QLineEdit>(playback, "gripper")->text(), opened);
    QTest::mouseClick(child<QPushButton>(playback, "saveBtn"), Qt::LeftButton);
    auto *table = child<QTableView>(playback, "playbackTableView");
    QCOMPARE(table->model()->index(0, 6).data().toString(), opened);
    auto *sub = child<QPushButton>(panel(), "gripperSubBtn");
    QTest::mousePress(sub, Qt::LeftButton);
    QTest::mouseRelease(sub, Qt::LeftButton);

    const std::vector<JogInstantCmd> commands = jogCommands();
    QCOMPARE(int(commands.size()), 4);
    const int expected[] = { 11, 0, 12, 0 };
    for (int i = 0; i < 4; ++i) {
        QCOMPARE(commands.at(i).cmd, expected[i]);
        QCOMPARE(int(commands.at(i).isJoint), 1);
    }
}

void tst_TeachPanel::sliderDragSendsOnce()
{
    auto *slider = child<QSlider>(panel(), "velocityRatio");
    slider->setValue(10);
    QTRY_COMPARE(int(arvexsim::callsOf("SetJogDynamicParams").size()), 1);
    arvexsim::clearCalls();

    slider->setFocus();
    QElapsedTimer sinceDrag;
    for (int value = 10; value < 60; ++value) {
        QTest::keyClick(slider, Qt::Key_Right);
        QTest::qWait(5);
    }
    sinceDrag.start();
    QCOMPARE(slider->value(), 60);
    QCOMPARE(panel()->findChild<QSpinBox *>()->value(), 60);
    QVERIFY(arvexsim::callsOf("SetJogDynamicParams").empty());

    QTRY_COMPARE(int(arvexsim::callsOf("SetJogDynamicParams").size()), 1);
    QVERIFY(sinceDrag.elapsed() >= 400);
    QCOMPARE(arvexsim::callsOf("SetJogDynamicParams").front().as<JogDynamicParams>().velocityRatio,
        60.0f);
    QTest::qWait(600);
    QCOMPARE(int(arvexsim::callsOf("SetJogDynamicParams").size()), 1);

    QFile file(QCoreApplication::applicationDirPath() + QStringLiteral("/file/JogParams.json"));
    QVERIFY(file.open(QIODevice::ReadOnly));
    QVERIFY(file.readAll().contains("\"velocityRatio\": 60"));
}

void tst_TeachPanel::spinBoxRange()
{
    auto *spinBox = panel()->findChild<QSpinBox *>();
    auto *slider = child<QSlider>(panel(), "velocityRatio");
    for (const char *typed : { "101", "0" }) {
        QTest::keyClick(spinBox, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClicks(spinBox, QLatin1String(typed));
        QTest::keyClick(spinBox, Qt::Key_Enter);
        QVERIFY2(spinBox->value() >= 1 && spinBox->value() <= 100, typed);
        QCOMPARE(slider->value(), spinBox->value());
    }
}

void tst_TeachPanel::storedRatioClamped_data()
{
    QTest::addColumn<QByteArray>("stored"); // the number in JogParams.json
    QTest::addColumn<int>("shown");

    QTest::newRow("in range, truncated") << QByteArray("37.9") << 37;
    QTest::newRow("top, truncated") << QByteArray("100.7") << 100;
    QTest::newRow("below the range") << QByteArray("0.5") << 1;
    QTest::newRow("beyond an int") << QByteArray("1e10") << 100;
    QTest::newRow("beyond a float") << QByteArray("1e39") << 100;
    QTest::newRow("far below") << QByteArray("-3e9") << 1;
}

// A hand-edited file may hold any number; the slider shows it within its range, and the arm
// gets that value at connection.
void tst_TeachPanel::storedRatioClamped()
{
    QFETCH(QByteArray, stored);
    QFETCH(int, shown);

    window.reset();
    arvexsim::reset();
    const float before = COptions::instance()->jogParams().velocityRatio;
    COptions::instance()->setJogVelocityRatio(
        COptions::jogParamsFromText("{\"velocityRatio\": " + stored + "}").velocityRatio);
    window = createWindow();
    QCOMPARE(child<QSlider>(panel(), "velocityRatio")->value(), shown);
    QCOMPARE(panel()->findChild<QSpinBox *>()->value(), shown);
    QVERIFY(waitUntilConnected(window.get()));
    QCOMPARE(arvexsim::callsOf("SetJogDynamicParams").back().as<JogDynamicParams>().velocityRatio,
        float(shown));
    COptions::instance()->setJogVelocityRatio(before);
}

QTEST_MAIN(tst_TeachPanel)
#include "tst_teachpanel.moc"
