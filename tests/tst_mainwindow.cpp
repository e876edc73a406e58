// Tests of the main window: start-up state, the connection results and the firmware hand-over.
#include "mainwindowtesting.h"

#include "widgets/cshownewfeaturesdialog.h"
#include "widgets/cshowresultdialog.h"

#include <QLabel>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

using namespace mainwindowtesting;

class tst_MainWindow : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void startupState();
    void titleCarriesInstalledVersion();
    void connectionResults_data();
    void connectionResults();
    void tryAgainRepeatsTheAttempt();
    void connectionSetUpCallsInOrder();
    void poseFieldsFollowTheArm();
    void disconnectAndReconnect();
    void firmwareNoticeFollowsUpgradeFlag();
    void upgradeStoresFlagOnlyWhenUtilityStarts();

private:
    CShowResultDialog *resultDialog(const MainWindow &window) const;
    QString dialogText(const QWidget *dialog) const;
};

void tst_MainWindow::initTestCase()
{
    Q_INIT_RESOURCE(resources);
    prepareProgramFolder();
}

void tst_MainWindow::init()
{
    arvexsim::reset();
    COptions::instance()->setUpgrade(1);
}

void tst_MainWindow::startupState()
{
    MainWindow window;
    QCOMPARE(window.size(), QSize(1280, 720));
    QVERIFY(window.windowFlags() & Qt::FramelessWindowHint);
    QVERIFY(!window.contentWidget()->isEnabled());

    const QStringList enabled { "E&xit", "&Connect", "&Upgrade firmware", "&Language..." };
    const QStringList disabled { "&Disconnect", "&Reset", "&Initial Pose...", "Config &Teach...",
        "Config &Playback...", "EEG..." };
    for (const QString &text : enabled)
        QVERIFY2(action(&window, text) && action(&window, text)->isEnabled(), qPrintable(text));
    for (const QString &text : disabled)
        QVERIFY2(action(&window, text) && !action(&window, text)->isEnabled(), qPrintable(text));

    // Nothing reaches the controller before the event loop turns.
    QVERIFY(arvexsim::calls().empty());
    QVERIFY(window.findChild<QTimer *>(QStringLiteral("delayedInitTimer"))->isActive());
}

void tst_MainWindow::titleCarriesInstalledVersion()
{
    QTemporaryDir dir;
    QFile file(dir.filePath(QStringLiteral("components.xml")));
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("<Packages><Package><Name>ArvexClient</Name><Version>2.4.1</Version></Package>"
               "</Packages>");
    file.close();

    const QString previous = QDir::currentPath();
    QDir::setCurrent(dir.path());
    {
        MainWindow window;
        QCOMPARE(window.windowTitle(), QStringLiteral("Arvex Client v2.4.1"));
    }
    QDir::setCurrent(QCoreApplication::applicationDirPath());
    {
        MainWindow window;
        QCOMPARE(window.windowTitle(), QStringLiteral("Arvex Client v"));
    }
    QDir::setCurrent(previous);
}

void tst_MainWindow::connectionResults_data()
{
    QTest::addColumn<int>("result");
    QTest::addColumn<QString>("title");
    QTest::addColumn<QString>("headline");
    QTest::addColumn<QStringList>("buttons");
    QTest::addColumn<bool>("connected");

    const QStringList errorButtons { "Cancel", "Try Again" };
    const QStringList warningButtons { "Confirm" };
    QTest::newRow("connected") << 0 << QString() << QString() << QStringList() << true;
    QTest::newRow("rear arm sensor") << 1 << "WARNING"
                                     << "Warning4" << warningButtons << true;
    QTest::newRow("fore arm sensor") << 2 << "WARNING"
                                     << "Warning5" << warningButtons << true;
    QTest::newRow("both sensors") << 3 << "WARNING"
                                  << "Warning6" << warningButtons << true;
    QTest::newRow("not found") << 4 << "ERROR"
                               << "Error1" << errorButtons << false;
    QTest::newRow("port busy") << 5 << "ERROR"
                               << "Error2" << errorButtons << false;
    QTest::newRow("no data") << 6 << "ERROR"
                             << "Error3" << errorButtons << false;
}

CShowResultDialog *tst_MainWindow::resultDialog(const MainWindow &window) const
{
    return window.findChild<CShowResultDialog *>();
}

QString tst_MainWindow::dialogText(const QWidget *dialog) const
{
    QString text;
    for (const QLabel *label : dialog->findChildren<QLabel *>())
        text += label->text();
    for (const QWidget *widget : dialog->findChildren<QWidget *>())
        text += widget->windowTitle();
    return text;
}

void tst_MainWindow::connectionResults()
{
    QFETCH(int, result);
    QFETCH(QString, title);
    QFETCH(QString, headline);
    QFETCH(QStringList, buttons);
    QFETCH(bool, connected);

    arvexsim::setConnectResult(result);
    auto window = createWindow();
    QTRY_COMPARE(int(arvexsim::callsOf("ConnectArvex").size()), 1);
    QTRY_VERIFY(!window->findChild<QTimer *>(QStringLiteral("delayedInitTimer"))->isActive());

    QCOMPARE(window->contentWidget()->isEnabled(), connected);
    QCOMPARE(action(window.get(), "&Connect")->isEnabled(), !connected);
    QCOMPARE(action(window.get(), "&Disconnect")->isEnabled(), connected);

    CShowResultDialog *dialog = resultDialog(*window);
    if (headline.isEmpty()) {
        QVERIFY(!dialog);
        return;
    }
    QVERIFY(dialog);
    QVERIFY(dialog->isVisible());
    const QString text = dialogText(dialog);
    QVERIFY2(text.contains(title), qPrintable(text));
    QVERIFY2(text.contains(headline), qPrintable(text));
    QVERIFY(text.contains(QStringLiteral("for support.</p>")));
    QStringList buttonTexts;
    for (const QPushButton *button : dialog->findChildren<QPushButton *>())
        if (!button->text().isEmpty())
            buttonTexts << button->text();
    QCOMPARE(buttonTexts, buttons);

    // A warning leaves the panels usable behind it.
    if (connected)
        QVERIFY(!arvexsim::callsOf("SetCmdTimeout").empty());
}

void tst_MainWindow::tryAgainRepeatsTheAttempt()
{
    arvexsim::setConnectResult(4);
    auto window = createWindow();
    QTRY_VERIFY(resultDialog(*window));

    arvexsim::setConnectResult(0);
    QPushButton *tryAgain = nullptr;
    for (QPushButton *button : resultDialog(*window)->findChildren<QPushButton *>())
        if (button->text() == QLatin1String("Try Again"))
            tryAgain = button;
    QVERIFY(tryAgain);
    QTest::mouseClick(tryAgain, Qt::LeftButton);

    QTRY_VERIFY(window->contentWidget()->isEnabled());
    QCOMPARE(int(arvexsim::callsOf("ConnectArvex").size()), 2);
    QTRY_VERIFY(!resultDialog(*window));

    // Cancel leaves the client disconnected.
    arvexsim::setConnectResult(5);
    QMetaObject::invokeMethod(window.get(), "disconnectArvex");
    action(window.get(), "&Connect")->trigger();
    QTRY_VERIFY(resultDialog(*window));
    for (QPushButton *button : resultDialog(*window)->findChildren<QPushButton *>())
        if (button->text() == QLatin1String("Cancel"))
            QTest::mouseClick(button, Qt::LeftButton);
    QTRY_VERIFY(!resultDialog(*window));
    QTest::qWait(50);
    QCOMPARE(int(arvexsim::callsOf("ConnectArvex").size()), 3);
    QVERIFY(!window->contentWidget()->isEnabled());
    QVERIFY(action(window.get(), "&Connect")->isEnabled());
}

void tst_MainWindow::connectionSetUpCallsInOrder()
{
    auto window = createWindow();
    QVERIFY(waitUntilConnected(window.get()));

    const std::vector<arvexsim::Call> calls = commandCalls();
    const QStringList expected { "ConnectArvex", "SetCmdTimeout", "SetJogStaticParams",
        "SetPlaybackStaticParams", "SetJogInstantCmd", "SetJogDynamicParams",
        "SetPlaybackDynamicParams" };
    QCOMPARE(functionNames(calls), expected);
    QCOMPARE(calls.at(1).intArg, 3000);
    QCOMPARE(calls.at(4).as<JogInstantCmd>().cmd, int(JogPumpOff));

    // PeriodicTask starts after the connection and keeps running.
    const auto all = arvexsim::calls();
    QCOMPARE(all.front().function, std::string("ConnectArvex"));
    const size_t before = arvexsim::callsOf("PeriodicTask").size();
    QTRY_VERIFY(arvexsim::callsOf("PeriodicTask").size() > before + 10);
}

void tst_MainWindow::poseFieldsFollowTheArm()
{
    auto window = createWindow();
    QVERIFY(waitUntilConnected(window.get()));
    QWidget *panel = window->contentWidget();
    auto *x = child<QLineEdit>(panel, "x");
    auto *joint1 = child<QLineEdit>(panel, "joint1Angle");
    QTRY_COMPARE(x->text(), QString::number(arvexsim::currentPose().x, 'f', 1));
    const QString startX = x->text();
    const QString startJoint1 = joint1->text();

    // Holding "Y+" in Linear mode moves the tool and turns the base.
    auto *button = child<QPushButton>(panel, "longArmAddBtn");
    QTest::mousePress(button, Qt::LeftButton);
    QTRY_VERIFY(joint1->text() != startJoint1);
    QTest::mouseRelease(button, Qt::LeftButton);
    QCOMPARE(x->text(), startX);

    const Pose pose = arvexsim::currentPose();
    QTRY_COMPARE(child<QLineEdit>(panel, "y")->text(), QString::number(pose.y, 'f', 1));
    QCOMPARE(child<QLineEdit>(panel, "rHead")->text(), QString::number(pose.rHead, 'f', 3));
    QCOMPARE(child<QLineEdit>(panel, "isGrab")->text(), QStringLiteral("false"));
}

void tst_MainWindow::disconnectAndReconnect()
{
    auto window = createWindow();
    QVERIFY(waitUntilConnected(window.get()));
    action(window.get(), "&Disconnect")->trigger();
    QVERIFY(!window->contentWidget()->isEnabled());
    QVERIFY(action(window.get(), "&Connect")->isEnabled());
    QCOMPARE(commandCalls().back().function, std::string("DisconnectArvex"));

    // No timer calls the library once it is disconnected.
    arvexsim::clearCalls();
    QTest::qWait(300);
    QVERIFY(arvexsim::calls().empty());

    action(window.get(), "&Connect")->trigger();
    QTRY_VERIFY(window->contentWidget()->isEnabled());
    QVERIFY(!action(window.get(), "&Connect")->isEnabled());
}

void tst_MainWindow::firmwareNoticeFollowsUpgradeFlag()
{
    COptions::instance()->setUpgrade(0);
    {
        MainWindow window;
        window.show();
        auto *notice = window.findChild<CShowNewFeaturesDialog *>();
        QVERIFY(notice);
        QVERIFY(notice->isVisible());
    }
    COptions::instance()->setUpgrade(1);
    MainWindow window;
    QVERIFY(!window.findChild<CShowNewFeaturesDialog *>());
}

void tst_MainWindow::upgradeStoresFlagOnlyWhenUtilityStarts()
{
    const QString utility
        = QCoreApplication::applicationDirPath() + QStringLiteral("/ArvexDownloadUtil");
    QFile::remove(utility);
    COptions::instance()->setUpgrade(0);
    {
        auto window = createWindow();
        QTest::ignoreMessage(
            QtCriticalMsg, QRegularExpression(QStringLiteral("ArvexDownloadUtil")));
        action(window.get(), "&Upgrade firmware")->trigger();
        QVERIFY(!window->isVisible());
        QCOMPARE(COptions::instance()->upgrade(), 0);
        QCOMPARE(commandCalls().back().function, std::string("DisconnectArvex"));
    }

    QFile script(utility);
    QVERIFY(script.open(QIODevice::WriteOnly));
    script.write("#!/bin/sh\nexit 0\n");
    script.close();
    script.setPermissions(script.permissions() | QFileDevice::ExeOwner);
    {
        auto window = createWindow();
        action(window.get(), "&Upgrade firmware")->trigger();
        QCOMPARE(COptions::instance()->upgrade(), 1);
    }
    QFile::remove(utility);
}

QTEST_MAIN(tst_MainWindow)
#include "tst_mainwindow.moc"
