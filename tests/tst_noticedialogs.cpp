// Tests of the result, firmware notice and busy dialogs and of the busy indicator they spin.
#include "widgets/busyindicator.h"
#include "widgets/cshowbusyindicatordialog.h"
#include "widgets/cshownewfeaturesdialog.h"
#include "widgets/cshowresultdialog.h"
#include "widgets/cwidget.h"

#include <QDesktopServices>
#include <QLabel>
#include <QPushButton>
#include <QtTest>

class tst_NoticeDialogs : public QObject
{
    Q_OBJECT

public slots:
    void openUrl(const QUrl &url) { openedUrls << url; }

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void resultForms_data();
    void resultForms();
    void answers_data();
    void answers();
    void resultMailLinkOpensOutside();
    void noticeText_data();
    void noticeText();
    void busyDialog();
    void indicatorStyles_data();
    void indicatorStyles();
    void indicatorTurns();
    void indicatorKeepsItsColour();

private:
    QStringList buttonTexts(CDialog *dialog) const;
    // Drawn pixels: those that differ from the top left corner.
    static QRect drawnRect(const QImage &image);

    QWidget *mainWindow = nullptr;
    QList<QUrl> openedUrls;
    QString noticePath;
};

void tst_NoticeDialogs::initTestCase()
{
    Q_INIT_RESOURCE(resources);
    noticePath = QCoreApplication::applicationDirPath() + "/hex/ArvexFirmwareFeatures.html";
    QVERIFY(QDir().mkpath(QFileInfo(noticePath).path()));
    QDesktopServices::setUrlHandler("mailto", this, "openUrl");
}

void tst_NoticeDialogs::init()
{
    mainWindow = new QWidget;
    mainWindow->setFixedSize(1280, 720);
    mainWindow->show();
    QVERIFY(QTest::qWaitForWindowExposed(mainWindow));
}

void tst_NoticeDialogs::cleanup()
{
    delete mainWindow;
    QFile::remove(noticePath);
}

QStringList tst_NoticeDialogs::buttonTexts(CDialog *dialog) const
{
    QStringList texts;
    for (QPushButton *button : dialog->findChildren<QPushButton *>()) {
        if (button->isVisible())
            texts << (button->text().isEmpty() ? QString("close") : button->text());
    }
    return texts;
}

QRect tst_NoticeDialogs::drawnRect(const QImage &image)
{
    QRect drawn;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (image.pixel(x, y) != image.pixel(0, 0))
                drawn |= QRect(x, y, 1, 1);
        }
    }
    return drawn;
}

void tst_NoticeDialogs::resultForms_data()
{
    QTest::addColumn<int>("mode");
    QTest::addColumn<QString>("title");
    QTest::addColumn<QStringList>("buttons");

    QTest::newRow("error") << 0 << "ERROR" << QStringList { "close", "Cancel", "Try Again" };
    QTest::newRow("warning") << 1 << "WARNING" << QStringList { "close", "Confirm" };
    QTest::newRow("other mode") << 5 << "WARNING" << QStringList { "close", "Confirm" };
}

void tst_NoticeDialogs::resultForms()
{
    QFETCH(int, mode);
    QFETCH(QString, title);
    QFETCH(QStringList, buttons);

    auto *dialog = new CShowResultDialog(mode, mainWindow);
    dialog->show();
    QCOMPARE(dialog->findChild<CWidget *>()->findChild<QLabel *>()->text(), title);
    QCOMPARE(buttonTexts(dialog), buttons);
}

void tst_NoticeDialogs::answers_data()
{
    QTest::addColumn<int>("form");
    QTest::addColumn<QString>("button");
    QTest::addColumn<QStringList>("signalsEmitted");

    const QStringList accepted { "accepted", "finished 1" };
    const QStringList rejected { "rejected", "finished 0" };
    // Forms 0 and 1 are the result dialog's modes, 2 is the firmware notice.
    QTest::newRow("error: Try Again") << 0 << "Try Again" << accepted;
    QTest::newRow("error: Cancel") << 0 << "Cancel" << rejected;
    QTest::newRow("error: close button") << 0 << "" << rejected;
    QTest::newRow("warning: Confirm") << 1 << "Confirm" << rejected;
    QTest::newRow("warning: close button") << 1 << "" << rejected;
    QTest::newRow("notice: Upgrade my firmware") << 2 << "Upgrade my firmware" << accepted;
    QTest::newRow("notice: Remind me later") << 2 << "Remind me later" << rejected;
    QTest::newRow("notice: close button") << 2 << "" << rejected;
}

void tst_NoticeDialogs::answers()
{
    QFETCH(int, form);
    QFETCH(QString, button);
    QFETCH(QStringList, signalsEmitted);

    CDialog *dialog = form == 2 ? static_cast<CDialog *>(new CShowNewFeaturesDialog(mainWindow))
                                : new CShowResultDialog(form, mainWindow);
    dialog->show();
    QStringList emitted;
    connect(dialog, &CDialog::accepted, [&] { emitted << "accepted"; });
    connect(dialog, &CDialog::rejected, [&] { emitted << "rejected"; });
    connect(dialog, &CDialog::finished,
        [&](int result) { emitted << QString("finished %1").arg(result); });

    const auto buttons = dialog->findChildren<QPushButton *>();
    const auto target = std::find_if(buttons.begin(), buttons.end(), [&](QPushButton *candidate) {
        return candidate->isVisible() && candidate->text() == button;
    });
    QVERIFY(target != buttons.end());
    QTest::mouseClick(*target, Qt::LeftButton);
    QCOMPARE(emitted, signalsEmitted);
    QVERIFY(!dialog->isVisible());
}

void tst_NoticeDialogs::resultMailLinkOpensOutside()
{
    auto *dialog = new CShowResultDialog(0, mainWindow);
    dialog->setResult("<a href='mailto:support@arvex.example'>support@arvex.example</a>");
    dialog->setTips("<p>Check the <b>USB</b> cable.</p>");
    dialog->show();
    QCOMPARE(dialog->findChild<QLabel *>("tipsLabel")->textFormat(), Qt::RichText);

    QTest::mouseClick(dialog->findChild<QLabel *>("resultLabel"), Qt::LeftButton, {}, { 10, 10 });
    QCOMPARE(openedUrls, QList<QUrl> { QUrl("mailto:support@arvex.example") });
}

void tst_NoticeDialogs::noticeText_data()
{
    QTest::addColumn<bool>("fileExists");
    QTest::addColumn<QByteArray>("fileBytes");
    QTest::addColumn<QString>("shownText");

    const QByteArray html = "<p>Smoother <b>jogging</b> \xc2\xb0</p>";
    QTest::newRow("notice file") << true << html << QString::fromUtf8(html);
    QTest::newRow("zero byte ends it")
        << true << html + QByteArray("\0<p>hidden</p>", 14) << QString::fromUtf8(html);
    QTest::newRow("no notice file") << false << QByteArray() << QString();
}

void tst_NoticeDialogs::noticeText()
{
    QFETCH(bool, fileExists);
    QFETCH(QByteArray, fileBytes);
    QFETCH(QString, shownText);

    QFile file(noticePath);
    if (fileExists) {
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(fileBytes);
        file.close();
    }
    auto *dialog = new CShowNewFeaturesDialog(mainWindow);
    dialog->show();
    QCOMPARE(dialog->findChild<CWidget *>()->windowTitle(), QString("Important Upgrading Notice"));
    QCOMPARE(dialog->findChild<QLabel *>("featuresLabel")->text(), shownText);
    QCOMPARE(
        buttonTexts(dialog), (QStringList { "close", "Upgrade my firmware", "Remind me later" }));
}

void tst_NoticeDialogs::busyDialog()
{
    auto *dialog = new CShowBusyIndicatorDialog(mainWindow);
    dialog->show();
    auto *indicator = dialog->findChild<BusyIndicator *>();
    const QRect shown(indicator->mapTo(mainWindow, QPoint()), indicator->size());
    QVERIFY(mainWindow->rect().contains(shown));

    // Not yet turned: the leading rectangle, opaque white, stands straight up over the dimmed
    // window.
    const QImage image = mainWindow->grab(shown).toImage();
    QCOMPARE(image.pixelColor(shown.width() / 2, 3), QColor(Qt::white));
    QVERIFY(image.pixelColor(0, 0).lightness() < 140);
}

// The indicators below stay hidden and are painted by grab(): with no event loop turning, their
// timers cannot move them in the middle of a test.
void tst_NoticeDialogs::indicatorStyles_data()
{
    QTest::addColumn<int>("style");
    QTest::addColumn<QSize>("size");
    QTest::addColumn<QRect>("drawnWithin");

    QTest::newRow("rectangles") << 0 << QSize(80, 80) << QRect(0, 0, 80, 80);
    QTest::newRow("dots") << 1 << QSize(80, 80) << QRect(0, 0, 80, 80);
    QTest::newRow("arc") << 2 << QSize(80, 80) << QRect(0, 0, 80, 80);
    QTest::newRow("arc, centred in 120 x 80") << 2 << QSize(120, 80) << QRect(20, 0, 80, 80);
    QTest::newRow("unknown style 5") << 5 << QSize(80, 80) << QRect();
}

void tst_NoticeDialogs::indicatorStyles()
{
    QFETCH(int, style);
    QFETCH(QSize, size);
    QFETCH(QRect, drawnWithin);

    BusyIndicator indicator;
    QCOMPARE(indicator.indicatorStyle(), int(BusyIndicator::Arc));
    indicator.setIndicatorStyle(style);
    indicator.resize(size);
    const QRect drawn = drawnRect(indicator.grab().toImage());
    QCOMPARE(drawn.isValid(), drawnWithin.isValid());
    if (drawn.isValid())
        QVERIFY(drawnWithin.contains(drawn) && drawn.width() >= drawnWithin.width() - 8);
}

void tst_NoticeDialogs::indicatorTurns()
{
    BusyIndicator indicator;
    indicator.resize(80, 80);
    indicator.setIndicatorStyle(BusyIndicator::Rectangles);
    const QImage start = indicator.grab().toImage();
    // Its timer turns it, also while it is hidden.
    QTRY_VERIFY_WITH_TIMEOUT(indicator.grab().toImage() != start, 1000);
}

void tst_NoticeDialogs::indicatorKeepsItsColour()
{
    BusyIndicator red;
    BusyIndicator green;
    for (BusyIndicator *indicator : { &red, &green }) {
        indicator->resize(80, 80);
        indicator->setIndicatorStyle(BusyIndicator::Rectangles);
    }
    red.setColor(Qt::red);
    green.setColor(Qt::green);
    // Equal size, angle and style: the leading rectangle stands straight up in either colour.
    QCOMPARE(red.grab().toImage().pixelColor(40, 3), QColor(Qt::red));
    QCOMPARE(green.grab().toImage().pixelColor(40, 3), QColor(Qt::green));
    green.setColor(Qt::blue);
    QCOMPARE(green.grab().toImage().pixelColor(40, 3), QColor(Qt::blue));
}

QTEST_MAIN(tst_NoticeDialogs)
#include "tst_noticedialogs.moc"
