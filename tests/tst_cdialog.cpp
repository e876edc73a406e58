// Tests of CDialog: the dimming layer over the main window and the order of its result signals.
#include "widgets/cdialog.h"

#include <QtTest>

class tst_CDialog : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void dimsTheMainWindow();
    void resultSignals_data();
    void resultSignals();

private:
    QWidget *mainWindow = nullptr;
};

void tst_CDialog::init()
{
    mainWindow = new QWidget;
    mainWindow->setFixedSize(1280, 720);
    QPalette white = mainWindow->palette();
    white.setColor(QPalette::Window, Qt::white);
    mainWindow->setPalette(white);
    mainWindow->show();
    QVERIFY(QTest::qWaitForWindowExposed(mainWindow));
}

void tst_CDialog::cleanup()
{
    delete mainWindow;
}

void tst_CDialog::dimsTheMainWindow()
{
    auto *dialog = new CDialog(mainWindow);
    QCOMPARE(mainWindow->grab().toImage().pixelColor(640, 360), QColor(Qt::white));
    dialog->show();
    QCOMPARE(dialog->geometry(), QRect(0, 0, 1280, 720));
    // Black at alpha 128 over white, in every corner.
    const QImage dimmed = mainWindow->grab().toImage();
    for (const QPoint &pos : { QPoint(0, 0), QPoint(1279, 0), QPoint(0, 719), QPoint(1279, 719) })
        QVERIFY(qAbs(dimmed.pixelColor(pos).lightness() - 127) <= 1);
}

void tst_CDialog::resultSignals_data()
{
    QTest::addColumn<QByteArray>("slot");
    QTest::addColumn<int>("doneResult");
    QTest::addColumn<QStringList>("signalsEmitted");

    QTest::newRow("accept") << QByteArray("accept") << 0
                            << QStringList { "accepted", "finished 1" };
    QTest::newRow("reject") << QByteArray("reject") << 0
                            << QStringList { "rejected", "finished 0" };
    QTest::newRow("done(7)") << QByteArray("done") << 7 << QStringList { "finished 7" };
    QTest::newRow("done(1)") << QByteArray("done") << 1 << QStringList { "finished 1" };
}

void tst_CDialog::resultSignals()
{
    QFETCH(QByteArray, slot);
    QFETCH(int, doneResult);
    QFETCH(QStringList, signalsEmitted);

    auto *dialog = new CDialog(mainWindow);
    dialog->show();
    // Each signal finds the dialog already hidden.
    QStringList emitted;
    const auto record = [&](const QString &name) {
        emitted << name + (dialog->isVisible() ? " while visible" : "");
    };
    connect(dialog, &CDialog::accepted, [&] { record("accepted"); });
    connect(dialog, &CDialog::rejected, [&] { record("rejected"); });
    connect(dialog, &CDialog::finished,
        [&](int result) { record(QString("finished %1").arg(result)); });

    if (slot == "done")
        QMetaObject::invokeMethod(dialog, slot, Q_ARG(int, doneResult));
    else
        QMetaObject::invokeMethod(dialog, slot);
    QCOMPARE(emitted, signalsEmitted);
}

QTEST_MAIN(tst_CDialog)
#include "tst_cdialog.moc"
