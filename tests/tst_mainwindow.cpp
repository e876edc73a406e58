// Tests of the main window: start-up state, the connection results and the firmware hand-over.
#include "mainwindowtesting.h"
#include "modaltesting.h"

#include "widgets/cshownewfeaturesdialog.h"
#include "widgets/cshowresultdialog.h"

#include <QLabel>
#include <QMessageBox>
#include <QSlider>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>
#include <qcustomplot.h>

using namespace mainwindowtesting;
using namespace modaltesting;

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
    void firmwareNoticeInStoredLanguage_data();
    void firmwareNoticeInStoredLanguage();
    void upgradeHandsOverToTheUtility();
    void utilityThatCannotStartKeepsClient_data();
    void utilityThatCannotStartKeepsClient();
    void pendingRatioGoesOutBeforeDisconnect_data();
    void pendingRatioGoesOutBeforeDisconnect();
    void exitShortcutWithMenuClosed();
    void eegDialogSaysNoHeadsetFound();

private:
    CShowResultDialog *resultDialog(const MainWindow &window) const;
    QString dialogText(const QWidget *dialog) const;
    QString utilityPath() const;
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
    COptions::instance()->setLanguage(0);
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

void tst_MainWindow::firmwareNoticeInStoredLanguage_data()
{
    QTest::addColumn<int>("language");
    QTest::addColumn<bool>("translationShipped");
    QTest::addColumn<QString>("shown");

    QTest::newRow("English") << 0 << true << "ArvexFirmwareFeatures.html";
    QTest::newRow("Simplified") << 1 << true << "ArvexFirmwareFeatures_zh_CN.html";
    QTest::newRow("Traditional") << 2 << true << "ArvexFirmwareFeatures_zh_TW.html";
    QTest::newRow("Simplified not shipped") << 1 << false << "ArvexFirmwareFeatures.html";
}

// Each notice file holds its own name; the translation of the row's language may be missing.
void tst_MainWindow::firmwareNoticeInStoredLanguage()
{
    QFETCH(int, language);
    QFETCH(bool, translationShipped);
    QFETCH(QString, shown);

    const QDir hex(QCoreApplication::applicationDirPath() + "/hex");
    for (const char *name : { "ArvexFirmwareFeatures.html", "ArvexFirmwareFeatures_zh_CN.html",
             "ArvexFirmwareFeatures_zh_TW.html" }) {
        QFile file(hex.filePath(name));
        file.remove();
        if (!translationShipped && QByteArray(name).contains("zh_CN"))
            continue;
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(name);
    }
    COptions::instance()->setLanguage(language);
    COptions::instance()->setUpgrade(0);
    MainWindow window;
    window.show();
    const auto *notice = window.findChild<CShowNewFeaturesDialog *>();
    QCOMPARE(notice->findChild<QLabel *>("featuresLabel")->text(), shown);
}

QString tst_MainWindow::utilityPath() const
{
    return QCoreApplication::applicationDirPath() + QStringLiteral("/ArvexDownloadUtil");
}

void tst_MainWindow::upgradeHandsOverToTheUtility()
{
#ifndef Q_OS_UNIX
    QSKIP("The stand-in utility is a shell script.");
#endif
    // A stand-in utility that notes its arguments.
    const QString argumentsFile = utilityPath() + QStringLiteral(".args");
    QFile::remove(argumentsFile);
    QFile script(utilityPath());
    QVERIFY(script.open(QIODevice::WriteOnly));
    script.write(QStringLiteral("#!/bin/sh\necho \"$@\" > '%1'\n").arg(argumentsFile).toUtf8());
    script.close();
    script.setPermissions(script.permissions() | QFileDevice::ExeOwner);

    COptions::instance()->setUpgrade(0);
    auto window = createWindow();
    QVERIFY(waitUntilConnected(window.get()));
    action(window.get(), "&Upgrade firmware")->trigger();
    QVERIFY(!window->isVisible());
    QCOMPARE(COptions::instance()->upgrade(), 1);
    QCOMPARE(arvexsim::calls().back().function, std::string("DisconnectArvex"));
    const auto argumentsGiven = [&] {
        QFile arguments(argumentsFile);
        return arguments.open(QIODevice::ReadOnly) ? arguments.readAll().trimmed() : QByteArray();
    };
    QTRY_COMPARE(argumentsGiven(), QByteArray("--auto"));
    QFile::remove(utilityPath());
    QFile::remove(argumentsFile);
}

void tst_MainWindow::utilityThatCannotStartKeepsClient_data()
{
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<bool>("executable");
    QTest::newRow("missing") << QByteArray() << false;
    QTest::newRow("not executable") << QByteArray("#!/bin/sh\nexit 0\n") << false;
    QTest::newRow("not a program") << QByteArray("neither a script nor a binary\n") << true;
}

void tst_MainWindow::utilityThatCannotStartKeepsClient()
{
    QFETCH(QByteArray, content);
    QFETCH(bool, executable);
    QFile::remove(utilityPath());
    if (!content.isEmpty()) {
        QFile file(utilityPath());
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(content);
        file.close();
        if (executable)
            file.setPermissions(file.permissions() | QFileDevice::ExeOwner);
    }

    COptions::instance()->setUpgrade(0);
    auto window = createWindow();
    QVERIFY(waitUntilConnected(window.get()));
    arvexsim::clearCalls();

    // The user chooses "Upgrade my firmware" on the notice.
    auto *notice = window->findChild<CShowNewFeaturesDialog *>();
    QVERIFY(notice && notice->isVisible());
    QPushButton *upgradeButton = nullptr;
    for (QPushButton *button : notice->findChildren<QPushButton *>())
        if (button->text() == QLatin1String("Upgrade my firmware"))
            upgradeButton = button;
    QVERIFY(upgradeButton);
    QString shownText;
    onNextModal<QMessageBox>(
        [&](QMessageBox *box) {
            shownText = box->text();
            QTest::mouseClick(box->button(QMessageBox::Ok), Qt::LeftButton);
        },
        window.get());
    QTest::mouseClick(upgradeButton, Qt::LeftButton);

    QVERIFY2(shownText.contains(QDir::toNativeSeparators(utilityPath())), qPrintable(shownText));
    QVERIFY(window->isVisible());
    QVERIFY(window->contentWidget()->isEnabled());
    QVERIFY(action(window.get(), "&Disconnect")->isEnabled());
    QVERIFY(commandCalls().empty());
    QCOMPARE(COptions::instance()->upgrade(), 0);
    QFile::remove(utilityPath());
}

void tst_MainWindow::pendingRatioGoesOutBeforeDisconnect_data()
{
    QTest::addColumn<int>("panelIndex");
    QTest::addColumn<QString>("sliderName");
    QTest::newRow("jog velocity") << 0 << "velocityRatio";
    QTest::newRow("playback velocity") << 1 << "velocityRatio";
    QTest::newRow("playback acceleration") << 1 << "accelerationRatio";
}

void tst_MainWindow::pendingRatioGoesOutBeforeDisconnect()
{
    QFETCH(int, panelIndex);
    QFETCH(QString, sliderName);
    auto window = createWindow();
    QVERIFY(waitUntilConnected(window.get()));
    auto *slider = child<QSlider>(panelOf(*window, panelIndex), sliderName);
    const int before = slider->value();
    // A click beside the handle moves it by a page, away from the nearer end.
    const int clickX = before > 50 ? 2 : slider->width() - 2;
    QTest::mouseClick(slider, Qt::LeftButton, {}, QPoint(clickX, slider->height() / 2));
    QVERIFY(slider->value() != before);
    arvexsim::clearCalls();

    action(window.get(), "&Disconnect")->trigger();
    QTest::qWait(700);
    const std::vector<arvexsim::Call> calls = arvexsim::calls();
    const QString function = panelIndex == 0 ? "SetJogDynamicParams" : "SetPlaybackDynamicParams";
    QCOMPARE(functionNames(calls), QStringList({ function, "DisconnectArvex" }));
    float sent = 0;
    float stored = 0;
    if (panelIndex == 0) {
        sent = calls.front().as<JogDynamicParams>().velocityRatio;
        stored = COptions::instance()->jogParams().velocityRatio;
    } else {
        const auto params = calls.front().as<PlaybackDynamicParams>();
        const PlaybackParams storedParams = COptions::instance()->playbackParams();
        const bool velocity = sliderName == QLatin1String("velocityRatio");
        sent = velocity ? params.velocityRatio : params.accelerationRatio;
        stored = velocity ? storedParams.velocityRatio : storedParams.accelerationRatio;
    }
    QCOMPARE(sent, float(slider->value()));
    QCOMPARE(stored, float(slider->value()));
}

void tst_MainWindow::exitShortcutWithMenuClosed()
{
    auto window = createWindow();
    QVERIFY(waitUntilConnected(window.get()));
    QVERIFY(QTest::qWaitForWindowActive(window.get()));
    QWidget *target = QApplication::focusWidget() ? QApplication::focusWidget() : window.get();
    pressKeys(target, exitActionWithKey(window.get())->shortcut());
    QVERIFY(!window->isVisible());
}

void tst_MainWindow::eegDialogSaysNoHeadsetFound()
{
    // This machine has no CP210x bridge, and no port is named instead.
    qunsetenv("ARVEX_EEG_PORT");
    auto window = createWindow();
    QVERIFY(waitUntilConnected(window.get()));
    action(window.get(), "EEG...")->trigger();
    auto *status = window->findChild<QCPTextElement *>(QStringLiteral("linkStatus"));
    QVERIFY(status);
    QCOMPARE(status->text(),
        QStringLiteral("No headset found: no serial port is described as \"CP210x\". Set "
                       "ARVEX_EEG_PORT to the headset's port."));
}

QTEST_MAIN(tst_MainWindow)
#include "tst_mainwindow.moc"
