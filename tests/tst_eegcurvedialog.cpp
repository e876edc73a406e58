// Tests of the EEG curve dialog and the attention rule, fed through a pseudo-terminal headset.
#include "eeg/ceegcurvedialog.h"
#include "eegtesting.h"
#include "mainwindowtesting.h"
#include "playback/cplaybacktableview.h"

#include <QLabel>
#include <QMessageBox>
#include <QSignalSpy>
#include <QTimer>
#include <QtTest>
#include <qcustomplot.h>

using namespace mainwindowtesting;
using eegtesting::frame;

class tst_EEGCurveDialog : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();
    void dialogOverWindow();
    void ruleClicksStart_data();
    void ruleClicksStart();
    void qualifyingFramesPauseAndResumeRun();
    void chartKeepsLastSixteenSeconds();
    void draggedLeftAxisKept();
    void reopeningStartsEmpty();
    void framesBehindQuestionPressNothing();
    // Last: it unplugs the headset.
    void statusLineFollowsTheHeadset();

private:
    CEEGCurveDialog *openDialog();
    QCustomPlot *plot() const { return window->findChild<QCustomPlot *>(); }
    QPushButton *playbackButton(const char *name) const
    {
        return child<QPushButton>(playbackPanelOf(*window), name);
    }
    // Writes frames and waits until the link has delivered them.
    void send(const QByteArray &frames);
    int offeredPoints() const { return int(arvexsim::callsOf("SetPlaybackBufferCmd").size()); }

    eegtesting::PtyWriter headset;
    std::unique_ptr<MainWindow> window;
};

void tst_EEGCurveDialog::initTestCase()
{
    Q_INIT_RESOURCE(resources);
    prepareProgramFolder();
    QVERIFY(headset.isOpen());
    qputenv("ARVEX_EEG_PORT", headset.slaveName().toLocal8Bit());
}

void tst_EEGCurveDialog::init()
{
    arvexsim::reset();
    window = createWindow();
    QVERIFY(waitUntilConnected(window.get()));
    // One point in the table, so that Start is enabled; a pose the arm can reach.
    QTRY_VERIFY(child<QLineEdit>(playbackPanelOf(*window), "x")->text() != QLatin1String("0.0"));
    QTest::mouseClick(playbackButton("saveBtn"), Qt::LeftButton);
    QVERIFY(playbackButton("startBtn")->isEnabled());
    arvexsim::clearCalls();
}

void tst_EEGCurveDialog::cleanup()
{
    window.reset();
    headset.readAll();
}

CEEGCurveDialog *tst_EEGCurveDialog::openDialog()
{
    action(window.get(), "EEG...")->trigger();
    return window->findChild<CEEGCurveDialog *>();
}

void tst_EEGCurveDialog::send(const QByteArray &frames)
{
    QSignalSpy spy(CEEGManager::instance(), SIGNAL(newFrame(CEEGManager::EEGData)));
    QVERIFY(headset.write(frames));
    QTRY_COMPARE(spy.count(), frames.size() / 36);
}

void tst_EEGCurveDialog::dialogOverWindow()
{
    CEEGCurveDialog *dialog = openDialog();
    QVERIFY(dialog);
    QVERIFY(dialog->isVisible());
    QCOMPARE(dialog->geometry(), QRect(0, 0, 1280, 720));
    auto *frameWindow = dialog->findChild<CWidget *>();
    QCOMPARE(frameWindow->geometry(), QRect(240, 99, 800, 522));
    QCOMPARE(frameWindow->findChild<QLabel *>()->text(), QStringLiteral("EEG Curve"));
    QCOMPARE(plot()->size(), QSize(800, 480));
    QCOMPARE(plot()->graphCount(), 3);
    const QStringList names { "Noise", "Attention", "Mediation" };
    const QList<QColor> fills { QColor(245, 145, 138), QColor(145, 195, 138),
        QColor(145, 145, 238) };
    for (int i = 0; i < 3; ++i) {
        QCOMPARE(plot()->graph(i)->name(), names.at(i));
        QCOMPARE(plot()->graph(i)->brush().color(), fills.at(i));
        QCOMPARE(plot()->graph(i)->dataCount(), 0);
    }
    QCOMPARE(plot()->yAxis->range(), QCPRange(0, 210));
    QCOMPARE(plot()->yAxis2->range(), QCPRange(0, 210));
}

void tst_EEGCurveDialog::ruleClicksStart_data()
{
    QTest::addColumn<bool>("dialogOpen");
    QTest::addColumn<int>("noise");
    QTest::addColumn<int>("attention");
    QTest::addColumn<bool>("clicks");
    QTest::newRow("attention 90") << true << 0 << 90 << false;
    QTest::newRow("attention 91") << true << 0 << 91 << true;
    QTest::newRow("attention 255") << true << 0 << 255 << true;
    QTest::newRow("noise 1") << true << 1 << 100 << false;
    QTest::newRow("dialog closed") << false << 0 << 100 << false;
}

void tst_EEGCurveDialog::ruleClicksStart()
{
    QFETCH(bool, dialogOpen);
    QFETCH(int, noise);
    QFETCH(int, attention);
    QFETCH(bool, clicks);
    if (dialogOpen)
        QVERIFY(openDialog());
    send(frame(noise, attention, 40));
    QTest::qWait(100);
    // A click starts a run of the one point, which the arm receives.
    QCOMPARE(offeredPoints() > 0, clicks);
    QCOMPARE(playbackButton("startBtn")->text(), QStringLiteral("Start"));
    if (dialogOpen)
        QTRY_COMPARE(plot()->graph(1)->dataCount(), 1);
}

void tst_EEGCurveDialog::qualifyingFramesPauseAndResumeRun()
{
    child<QLineEdit>(playbackPanelOf(*window), "loop")->setText(QStringLiteral("1000000"));
    arvexsim::setQueueCapacity(1);
    QVERIFY(openDialog());

    QStringList texts { playbackButton("startBtn")->text() };
    QTimer sampler;
    connect(&sampler, &QTimer::timeout, this, [&] {
        if (texts.last() != playbackButton("startBtn")->text())
            texts << playbackButton("startBtn")->text();
    });
    sampler.start(0);
    // The first frame starts the run inside its delivery; the next ones arrive inside the run.
    int chartedDuringRun = -1;
    QTimer::singleShot(500, this, [&] { headset.write(frame(0, 95, 1)); });
    QTimer::singleShot(1000, this, [&] { headset.write(frame(0, 95, 2)); });
    // The dialog keeps clicks from the window behind it: the user closes it, then stops the run.
    QTimer::singleShot(1500, this, [&] {
        chartedDuringRun = plot()->graph(1)->dataCount();
        auto *dialog = window->findChild<CEEGCurveDialog *>();
        QTest::mouseClick(dialog->findChild<QPushButton *>("closeBtn"), Qt::LeftButton);
        QTest::mouseClick(playbackButton("stopBtn"), Qt::LeftButton);
    });
    QVERIFY(headset.write(frame(0, 95, 0)));
    QTRY_VERIFY_WITH_TIMEOUT(texts.size() >= 5, 5000);
    sampler.stop();

    QCOMPARE(texts, QStringList({ "Start", "Pause", "Resume", "Pause", "Start" }));
    // The frames that came during the run were charted in it.
    QCOMPARE(chartedDuringRun, 2);
    QVERIFY(offeredPoints() > 0);
}

void tst_EEGCurveDialog::chartKeepsLastSixteenSeconds()
{
    QVERIFY(openDialog());
    int sent = 0;
    QTimer writer;
    connect(&writer, &QTimer::timeout, this, [&] {
        headset.write(frame(sent % 3, 0, sent % 200));
        ++sent;
    });
    writer.start(100);
    QTest::qWait(20000);
    writer.stop();
    QTRY_COMPARE(plot()->graph(2)->dataCount() > 0, true);
    QTest::qWait(200);

    const double lastKey = plot()->graph(0)->data()->constEnd()[-1].key;
    for (int i = 0; i < 3; ++i) {
        const QCPGraph *graph = plot()->graph(i);
        // About 160 of the 200 frames: the first four seconds' are gone, the rest kept. A loaded
        // machine may have sent fewer, never more than 16 seconds' worth.
        QVERIFY2(graph->dataCount() >= 100 && graph->dataCount() <= 162
                && graph->dataCount() < sent - 30,
            qPrintable(QStringLiteral("%1 of %2").arg(graph->dataCount()).arg(sent)));
        QVERIFY(graph->data()->constBegin()->key >= lastKey - 16);
        QVERIFY(graph->data()->constBegin()->key < lastKey - 15);
    }
    QCOMPARE(plot()->graph(2)->data()->constEnd()[-1].value, double((sent - 1) % 200));
    const QCPRange range = plot()->xAxis->range();
    QVERIFY(qAbs(range.lower - (lastKey - 15.75)) < 1e-6);
    QVERIFY(qAbs(range.upper - (lastKey + 0.25)) < 1e-6);
    QCOMPARE(plot()->xAxis2->range(), range);
    plot()->replot();
    QCOMPARE(plot()->xAxis2->tickVector(), plot()->xAxis->tickVector());
}

void tst_EEGCurveDialog::draggedLeftAxisKept()
{
    QVERIFY(openDialog());
    send(frame(0, 50, 50));
    QVERIFY(QTest::qWaitForWindowExposed(window.get()));
    // Drag the chart 100 pixels down with the left button held.
    const QPoint from = plot()->axisRect()->rect().center();
    const QPoint to = from + QPoint(0, 100);
    QMouseEvent press(QEvent::MouseButtonPress, from, Qt::LeftButton, Qt::LeftButton, {});
    QApplication::sendEvent(plot(), &press);
    QMouseEvent move(QEvent::MouseMove, to, Qt::NoButton, Qt::LeftButton, {});
    QApplication::sendEvent(plot(), &move);
    QMouseEvent release(QEvent::MouseButtonRelease, to, Qt::LeftButton, Qt::NoButton, {});
    QApplication::sendEvent(plot(), &release);
    const QCPRange dragged = plot()->yAxis->range();
    QVERIFY(dragged.lower > 1.0);
    QCOMPARE(plot()->yAxis2->range(), dragged);

    send(frame(0, 60, 60));
    QTRY_COMPARE(plot()->graph(1)->dataCount(), 2);
    QCOMPARE(plot()->yAxis->range(), dragged);
    QCOMPARE(plot()->yAxis2->range(), dragged);
}

void tst_EEGCurveDialog::reopeningStartsEmpty()
{
    QPointer<CEEGCurveDialog> first = openDialog();
    send(frame(0, 10, 10) + frame(0, 20, 20));
    QCOMPARE(plot()->graph(0)->dataCount(), 2);
    QTest::mouseClick(first->findChild<QPushButton *>("closeBtn"), Qt::LeftButton);
    QTRY_VERIFY(first.isNull());
    send(frame(0, 100, 30));
    QCOMPARE(offeredPoints(), 0);

    QVERIFY(openDialog());
    for (int i = 0; i < 3; ++i)
        QCOMPARE(plot()->graph(i)->dataCount(), 0);
}

void tst_EEGCurveDialog::framesBehindQuestionPressNothing()
{
    child<CPlaybackTableView>(playbackPanelOf(*window), "playbackTableView")
        ->setPoints({ PlaybackPoint { MOVJ, 0, 900, 0, 0, 0, 0, 0 } });
    QVERIFY(openDialog());
    // The first frame asks whether to start anyway; the next comes while the question is open.
    int questions = -1;
    int charted = -1;
    bool secondSent = false;
    QTimer watcher;
    connect(&watcher, &QTimer::timeout, this, [&] {
        QList<QMessageBox *> open;
        for (QWidget *widget : QApplication::topLevelWidgets())
            if (auto *box = qobject_cast<QMessageBox *>(widget); box && box->isVisible())
                open << box;
        if (open.isEmpty())
            return;
        if (!secondSent) {
            secondSent = headset.write(frame(0, 95, 2));
            return;
        }
        // The second frame either opened a second question or reached the chart.
        if (open.size() == 1 && plot()->graph(1)->dataCount() == 0)
            return;
        watcher.stop();
        questions = open.size();
        charted = plot()->graph(1)->dataCount();
        for (QMessageBox *box : open)
            QTest::keyClick(box, Qt::Key_Escape);
    });
    watcher.start(20);
    QVERIFY(headset.write(frame(0, 95, 1)));
    QTRY_VERIFY_WITH_TIMEOUT(questions >= 0, 10000);
    QCOMPARE(questions, 1);
    QCOMPARE(charted, 1);
    QTRY_COMPARE(plot()->graph(1)->dataCount(), 2);
    QCOMPARE(offeredPoints(), 0);
    QCOMPARE(playbackButton("startBtn")->text(), QStringLiteral("Start"));
}

void tst_EEGCurveDialog::statusLineFollowsTheHeadset()
{
    QVERIFY(openDialog());
    auto *status = plot()->findChild<QCPTextElement *>(QStringLiteral("linkStatus"));
    QVERIFY(status);
    send(frame(0, 10, 10));
    QCOMPARE(status->text(),
        QStringLiteral("Receiving frames from the headset on %1").arg(headset.slaveName()));
    headset.close();
    QTRY_COMPARE(status->text(),
        QStringLiteral(
            "The headset on %1 was lost: it was unplugged, or its port stopped answering.")
            .arg(headset.slaveName()));
}

QTEST_MAIN(tst_EEGCurveDialog)
#include "tst_eegcurvedialog.moc"
