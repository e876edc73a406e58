// Tests of the busy scope: the window keeps handling events through long work, and the busy
// dialog covers it once the work has taken half a second.
#include "widgets/cbusyscope.h"
#include "widgets/cshowbusyindicatordialog.h"

#include <QElapsedTimer>
#include <QtTest>

#include <memory>

class tst_CBusyScope : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void longWorkShowsTheDialog_data();
    void longWorkShowsTheDialog();

private:
    std::unique_ptr<QWidget> window;
};

void tst_CBusyScope::init()
{
    window = std::make_unique<QWidget>();
    window->setFixedSize(1280, 720);
}

void tst_CBusyScope::cleanup()
{
    window.reset();
}

void tst_CBusyScope::longWorkShowsTheDialog_data()
{
    QTest::addColumn<bool>("windowShown");
    QTest::addColumn<int>("workMs");

    QTest::newRow("long work") << true << 800;
    QTest::newRow("hidden window, as at quit") << false << 800;
}

void tst_CBusyScope::longWorkShowsTheDialog()
{
    QFETCH(bool, windowShown);
    QFETCH(int, workMs);

    if (windowShown) {
        window->show();
        QVERIFY(QTest::qWaitForWindowExposed(window.get()));
    }
    int ticks = 0;
    QTimer ticker;
    connect(&ticker, &QTimer::timeout, [&ticks] { ++ticks; });
    ticker.start(10);

    qint64 firstShownMs = -1;
    QElapsedTimer work;
    work.start();
    {
        CBusyScope busy(window.get());
        while (work.elapsed() < workMs) {
            busy.keepAlive();
            auto *dialog = window->findChild<CShowBusyIndicatorDialog *>();
            if (firstShownMs < 0 && dialog && dialog->isVisible())
                firstShownMs = work.elapsed();
        }
    }

    // Events are handled while the window is shown, and never while it is hidden; the dialog
    // waits half a second.
    if (windowShown) {
        QVERIFY(ticks > 0);
        QVERIFY2(firstShownMs >= 500, qPrintable(QString::number(firstShownMs)));
    } else {
        QCOMPARE(ticks, 0);
        QCOMPARE(firstShownMs, qint64(-1));
    }
    // The dialog goes with the scope.
    QCOMPARE(window->findChildren<CShowBusyIndicatorDialog *>().size(), 0);
}

QTEST_MAIN(tst_CBusyScope)
#include "tst_cbusyscope.moc"
