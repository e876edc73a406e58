// Tests that every dialog over the main window is modal: while one is open, keys, shortcuts and
// clicks reach nothing behind it, and the arm is told nothing.
#include "mainwindowtesting.h"

#include "playback/cplaybacktableview.h"
#include "widgets/cshowbusyindicatordialog.h"
#include "widgets/cshownewfeaturesdialog.h"
#include "widgets/cshowresultdialog.h"
#include "widgets/cwidget.h"

#include <QApplication>
#include <QClipboard>
#include <QMenu>
#include <QSignalSpy>
#include <QTimer>
#include <QWindow>
#include <QtTest>

using namespace mainwindowtesting;

class tst_ModalDialogs : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();
    void nothingBehindTakesInput_data();
    void nothingBehindTakesInput();
    void dimsTheWindowBehind_data();
    void dimsTheWindowBehind();
    void focusReturnsWhenTheDialogCloses();
    void topmostOfTwoDialogsTakesInput();
    void noticeKeepsTheFocusWhileAnotherWindowIsActive();
    void escapeClosesAsCancel_data();
    void escapeClosesAsCancel();

private:
    CDialog *open(const QString &dialog);
    CPlaybackTableView *table() const
    {
        return child<CPlaybackTableView>(playbackPanelOf(*window), "playbackTableView");
    }
    // Where the dialog's focus is, or the window when nothing has it.
    QWidget *keyTarget() const
    {
        return QApplication::focusWidget() ? QApplication::focusWidget() : window.get();
    }
    // A click where the window shows `widget`, routed by the window as a real click is.
    void clickThroughWindow(const QWidget *widget);

    std::unique_ptr<MainWindow> window;
};

void tst_ModalDialogs::initTestCase()
{
    Q_INIT_RESOURCE(resources);
    prepareProgramFolder();
}

void tst_ModalDialogs::init()
{
    arvexsim::reset();
    window = createWindow();
    QVERIFY(waitUntilConnected(window.get()));
    QVERIFY(QTest::qWaitForWindowActive(window.get()));
    exitActionWithKey(window.get());
    auto *saveBtn = child<QPushButton>(playbackPanelOf(*window), "saveBtn");
    QTest::mouseClick(saveBtn, Qt::LeftButton);
    QTest::mouseClick(saveBtn, Qt::LeftButton);
    QCOMPARE(table()->model()->rowCount(), 2);
}

void tst_ModalDialogs::cleanup()
{
    window.reset();
}

CDialog *tst_ModalDialogs::open(const QString &dialog)
{
    const QMap<QString, QString> actions { { "initial pose", "&Initial Pose..." },
        { "teach parameters", "Config &Teach..." },
        { "playback parameters", "Config &Playback..." }, { "language", "&Language..." },
        { "eeg", "EEG..." } };
    if (actions.contains(dialog)) {
        action(window.get(), actions.value(dialog))->trigger();
        const auto dialogs = window->findChildren<CDialog *>();
        return dialogs.isEmpty() ? nullptr : dialogs.last();
    }
    // The other dialogs are built and shown as their openers do.
    CDialog *opened = nullptr;
    if (dialog == QLatin1String("error result"))
        opened = new CShowResultDialog(0, window.get());
    else if (dialog == QLatin1String("warning result"))
        opened = new CShowResultDialog(1, window.get());
    else if (dialog == QLatin1String("busy"))
        opened = new CShowBusyIndicatorDialog(window.get());
    else
        opened = new CShowNewFeaturesDialog(window.get());
    opened->show();
    return opened;
}

void tst_ModalDialogs::clickThroughWindow(const QWidget *widget)
{
    const QPoint centre = widget->mapTo(window.get(), widget->rect().center());
    QTest::mouseClick(window->windowHandle(), Qt::LeftButton, {}, centre);
}

void tst_ModalDialogs::nothingBehindTakesInput_data()
{
    QTest::addColumn<QString>("dialog");
    for (const char *dialog : { "error result", "warning result", "busy", "notice", "initial pose",
             "teach parameters", "playback parameters", "language" })
        QTest::newRow(dialog) << QString::fromLatin1(dialog);
}

void tst_ModalDialogs::dimsTheWindowBehind_data()
{
    nothingBehindTakesInput_data();
}

void tst_ModalDialogs::dimsTheWindowBehind()
{
    QFETCH(QString, dialog);
    // Outside every dialog's frame: the title bar, the panels' white ground and their border.
    const QList<QPoint> outside { { 100, 20 }, { 5, 100 }, { 640, 700 }, { 1275, 400 } };
    const QImage before = window->grab().toImage();
    CDialog *opened = open(dialog);
    QVERIFY(opened && opened->isVisible());
    const QImage after = window->grab().toImage();
    for (const QPoint &pos : outside) {
        for (const CWidget *frame : opened->findChildren<CWidget *>())
            QVERIFY(!frame->geometry().contains(pos));
        const QColor was = before.pixelColor(pos);
        const QColor is = after.pixelColor(pos);
        // Black at half opacity halves every channel.
        for (const auto &channels : { qMakePair(was.red(), is.red()),
                 qMakePair(was.green(), is.green()), qMakePair(was.blue(), is.blue()) })
            QVERIFY2(qAbs(channels.first / 2 - channels.second) <= 2,
                qPrintable(QString("(%1, %2) was %3, is %4")
                               .arg(pos.x())
                               .arg(pos.y())
                               .arg(was.name(), is.name())));
    }
}

void tst_ModalDialogs::nothingBehindTakesInput()
{
    QFETCH(QString, dialog);
    QWidget *teachPanel = teachPanelOf(*window);
    QWidget *playbackPanel = playbackPanelOf(*window);
    auto *jogButton = child<QPushButton>(teachPanel, "baseAngleAddBtn");
    auto *pumpOnBtn = child<QPushButton>(teachPanel, "pumpOnBtn");
    // The user was on the table with a row selected and a row in the clipboard.
    table()->setFocus();
    table()->selectRow(0);
    pressKeys(keyTarget(), QKeySequence::Copy);
    QVERIFY(!QApplication::clipboard()->text().isEmpty());

    CDialog *opened = open(dialog);
    QVERIFY(opened && opened->isVisible());
    arvexsim::clearCalls();
    // A menu opened by mistake would block the test; it is noted and closed.
    bool menuOpened = false;
    QTimer popupCloser;
    connect(&popupCloser, &QTimer::timeout, this, [&] {
        if (QWidget *popup = QApplication::activePopupWidget()) {
            menuOpened = true;
            popup->close();
        }
    });
    popupCloser.start(50);

    const auto focusInside = [&] {
        return !QApplication::focusWidget() || opened->isAncestorOf(QApplication::focusWidget());
    };
    QVERIFY(focusInside());
    for (int i = 0; i < 15; ++i) {
        QTest::keyClick(keyTarget(), Qt::Key_Tab);
        QVERIFY(focusInside());
    }
    for (int i = 0; i < 15; ++i) {
        QTest::keyClick(keyTarget(), Qt::Key_Backtab);
        QVERIFY(focusInside());
    }
    for (const QKeySequence &keys :
        { QKeySequence(QKeySequence::Paste), QKeySequence(QKeySequence::Cut),
            QKeySequence(Qt::Key_Delete), QKeySequence(Qt::Key_Insert),
            QKeySequence(Qt::CTRL | Qt::Key_Down), action(window.get(), "E&xit")->shortcut() })
        pressKeys(keyTarget(), keys);

    // Input addressed to the widgets behind, as if the focus had stayed there.
    QTest::keyClick(jogButton, Qt::Key_Space);
    QTest::keyClick(table(), Qt::Key_Delete);
    QTest::mouseClick(pumpOnBtn, Qt::LeftButton);
    // Clicks where the window shows widgets behind the dialog.
    clickThroughWindow(pumpOnBtn);
    clickThroughWindow(child<QWidget>(playbackPanel, "velocityRatio"));
    clickThroughWindow(window->findChild<QWidget *>(QStringLiteral("downBtn")));
    QTest::qWait(600);

    QVERIFY(!menuOpened);
    QVERIFY(window->isVisible());
    QVERIFY(opened->isVisible());
    QCOMPARE(table()->model()->rowCount(), 2);
    QVERIFY(!pumpOnBtn->isChecked());
    QVERIFY2(commandCalls().empty(), qPrintable(functionNames(commandCalls()).join(", ")));
}

void tst_ModalDialogs::focusReturnsWhenTheDialogCloses()
{
    QWidget *before = QApplication::focusWidget();
    QVERIFY(before && window->isAncestorOf(before));
    CDialog *opened = open(QStringLiteral("teach parameters"));
    QVERIFY(opened->isAncestorOf(QApplication::focusWidget()));
    auto *closeBtn = opened->findChild<QPushButton *>(QStringLiteral("closeBtn"));
    QVERIFY(closeBtn);
    QTest::mouseClick(closeBtn, Qt::LeftButton);
    QVERIFY(!opened->isVisible());
    QCOMPARE(QApplication::focusWidget(), before);
}

void tst_ModalDialogs::topmostOfTwoDialogsTakesInput()
{
    CDialog *lower = open(QStringLiteral("playback parameters"));
    CDialog *upper = open(QStringLiteral("warning result"));
    QVERIFY(upper->isAncestorOf(QApplication::focusWidget()));
    for (int i = 0; i < 10; ++i) {
        QTest::keyClick(keyTarget(), Qt::Key_Tab);
        QVERIFY(upper->isAncestorOf(QApplication::focusWidget()));
    }
    // "Confirm" closes the upper one; the lower one then has the focus and takes input.
    QPushButton *confirm = nullptr;
    for (QPushButton *button : upper->findChildren<QPushButton *>())
        if (button->text() == QLatin1String("Confirm"))
            confirm = button;
    QVERIFY(confirm);
    QTest::mouseClick(confirm, Qt::LeftButton);
    QVERIFY(!upper->isVisible());
    QVERIFY(lower->isAncestorOf(QApplication::focusWidget()));
    QWidget *before = QApplication::focusWidget();
    QTest::keyClick(keyTarget(), Qt::Key_Tab);
    QVERIFY(QApplication::focusWidget() != before);
    QVERIFY(lower->isAncestorOf(QApplication::focusWidget()));
}

void tst_ModalDialogs::noticeKeepsTheFocusWhileAnotherWindowIsActive()
{
    // The notice opens at start; the connection completes while the user is in another window.
    COptions::instance()->setUpgrade(0);
    auto started = std::make_unique<MainWindow>();
    COptions::instance()->setUpgrade(1);
    started->show();
    window->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(window.get()));
    QVERIFY(waitUntilConnected(started.get()));

    started->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(started.get()));
    auto *notice = started->findChild<CShowNewFeaturesDialog *>();
    QVERIFY(notice && notice->isVisible());
    QVERIFY(notice->isAncestorOf(QApplication::focusWidget()));
    for (int i = 0; i < 5; ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QVERIFY(notice->isAncestorOf(QApplication::focusWidget()));
    }
}

void tst_ModalDialogs::escapeClosesAsCancel_data()
{
    QTest::addColumn<QString>("dialog");
    QTest::addColumn<bool>("closes");
    for (const char *dialog : { "error result", "warning result", "notice", "initial pose",
             "teach parameters", "playback parameters", "language", "eeg" })
        QTest::newRow(dialog) << QString::fromLatin1(dialog) << true;
    // Nothing can be cancelled while the client waits for the controller.
    QTest::newRow("busy") << QStringLiteral("busy") << false;
}

void tst_ModalDialogs::escapeClosesAsCancel()
{
    QFETCH(QString, dialog);
    QFETCH(bool, closes);
    CDialog *opened = open(dialog);
    QVERIFY(opened && opened->isVisible());
    arvexsim::clearCalls();
    QSignalSpy rejected(opened, SIGNAL(rejected()));
    QTest::keyClick(keyTarget(), Qt::Key_Escape);
    QCOMPARE(rejected.count(), closes ? 1 : 0);
    QCOMPARE(opened->isVisible(), !closes);
    QVERIFY(window->isVisible());
    QVERIFY2(commandCalls().empty(), qPrintable(functionNames(commandCalls()).join(", ")));
}

QTEST_MAIN(tst_ModalDialogs)
#include "tst_modaldialogs.moc"
