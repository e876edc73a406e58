// Tests of the update dialogs: the progress dialog's refusal to close, the update list with its
// size texts, and the choices of the update dialog with the run-elevated check box.
#include "updatetesting.h"

#include "progressdialog.h"
#include "updateinfodialog.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QSignalSpy>
#include <QTreeWidget>
#include <QtTest>

using namespace updatetesting;
using UpdateKit::ProgressDialog;
using UpdateKit::UpdateInfoDialog;
using UpdateKit::Updater;

namespace {

QList<Updater::UpdateInfo> twoUpdates()
{
    return { { "ArvexClient", QVersionNumber(1, 2, 0), 2048 },
        { "ArvexDownloadUtil", QVersionNumber(1, 0, 3), 5 * 1024 * 1024 + 300 * 1024 } };
}

void pressKey(QWidget *window, Qt::Key key)
{
    window->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(window));
    QVERIFY(QApplication::focusWidget());
    QTest::keyClick(QApplication::focusWidget(), key);
}

} // namespace

class tst_UpdateDialogs : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void sizeText_data();
    void sizeText();
    void listShowsRowsSizesAndTooltips();
    void progressDialogIgnoresEnterAndEscape();
    void progressDialogCancelsOnce_data();
    void progressDialogCancelsOnce();
    void progressDialogHides();
    void choices_data();
    void choices();
    void shortForm_data();
    void shortForm();

private:
    // Performs the steps one by one on whatever modal window is on top when each step is due.
    void runSteps(QStringList steps);
    QStringList shownMessages;
};

void tst_UpdateDialogs::initTestCase()
{
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
}

void tst_UpdateDialogs::sizeText_data()
{
    QTest::addColumn<quint64>("bytes");
    QTest::addColumn<QString>("text");

    QTest::newRow("0") << quint64(0) << "0 Bytes";
    QTest::newRow("1023") << quint64(1023) << "1,023 Bytes";
    QTest::newRow("1024") << quint64(1024) << "1.00 KiB";
    QTest::newRow("1536") << quint64(1536) << "1.50 KiB";
    QTest::newRow("2048") << quint64(2048) << "2.00 KiB";
    QTest::newRow("just below 1 MiB") << quint64(1048575) << "1,024.00 KiB";
    QTest::newRow("1048576") << quint64(1048576) << "1.00 MiB";
    QTest::newRow("5.5 MiB") << quint64(5767168) << "5.50 MiB";
    QTest::newRow("1 GiB") << quint64(1024) * 1024 * 1024 << "1.00 GiB";
    QTest::newRow("1024 GiB") << quint64(1024) * 1024 * 1024 * 1024 << "1,024.00 GiB";
    QTest::newRow("largest") << quint64(18446744073709551615ULL) << "17,179,869,184.00 GiB";
}

void tst_UpdateDialogs::sizeText()
{
    QFETCH(quint64, bytes);
    QFETCH(QString, text);
    QCOMPARE(UpdateInfoDialog::sizeText(bytes), text);
}

void tst_UpdateDialogs::listShowsRowsSizesAndTooltips()
{
    QStringList rows;
    QStringList tooltips;
    QString header;
    onNextModal<UpdateInfoDialog>([&](UpdateInfoDialog *dialog) {
        header = dialog->findChild<QLabel *>("headerLabel")->text();
        auto *list = dialog->findChild<QTreeWidget *>("updateListTreeWidget");
        for (int row = 0; row < list->topLevelItemCount(); ++row) {
            const QTreeWidgetItem *item = list->topLevelItem(row);
            rows << item->text(0) + '|' + item->text(1) + '|' + item->text(2);
            tooltips << item->toolTip(2);
        }
        dialog->close();
    });
    bool runAsAdmin = true;
    QCoreApplication::instance()->setProperty("applicationDisplayName", "Arvex Client");
    QGuiApplication::setApplicationDisplayName("Arvex Client");
    QCOMPARE(UpdateInfoDialog::showUpdateInfo(twoUpdates(), runAsAdmin, true, true),
        UpdateInfoDialog::NoInstall);
    QCOMPARE(header, QString("Updates for Arvex Client are available!"));
    QCOMPARE(
        rows, (QStringList { "ArvexClient|1.2.0|2.00 KiB", "ArvexDownloadUtil|1.0.3|5.29 MiB" }));
    QCOMPARE(tooltips, (QStringList { "2,048 Bytes", "5,550,080 Bytes" }));
}

void tst_UpdateDialogs::progressDialogIgnoresEnterAndEscape()
{
    ProgressDialog dialog;
    QSignalSpy canceled(&dialog, &ProgressDialog::canceled);
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    QCOMPARE(dialog.windowTitle(), QString("Check for Updates"));
    QCOMPARE(dialog.findChild<QLabel *>("label")->text(), QString("Checking for updates…"));

    pressKey(&dialog, Qt::Key_Escape);
    pressKey(&dialog, Qt::Key_Return);
    pressKey(&dialog, Qt::Key_Enter);
    QTest::qWait(50);
    QVERIFY(dialog.isVisible());
    QCOMPARE(canceled.count(), 0);
    QVERIFY(dialog.findChild<QDialogButtonBox *>("buttonBox")->isEnabled());
}

void tst_UpdateDialogs::progressDialogCancelsOnce_data()
{
    QTest::addColumn<bool>("byCloseButton");
    QTest::newRow("Cancel button") << false;
    QTest::newRow("window close button") << true;
}

void tst_UpdateDialogs::progressDialogCancelsOnce()
{
    QFETCH(bool, byCloseButton);

    ProgressDialog dialog;
    QSignalSpy canceled(&dialog, &ProgressDialog::canceled);
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    auto *buttonBox = dialog.findChild<QDialogButtonBox *>("buttonBox");
    QPushButton *cancelButton = buttonBox->button(QDialogButtonBox::Cancel);

    for (int attempt = 0; attempt < 2; ++attempt) {
        if (byCloseButton)
            dialog.close();
        else
            QTest::mouseClick(cancelButton, Qt::LeftButton);
    }
    QCOMPARE(canceled.count(), 1);
    QVERIFY(dialog.isVisible());
    QVERIFY(!buttonBox->isEnabled());
    QCOMPARE(dialog.findChild<QLabel *>("label")->text(), QString("Canceling update check…"));
}

void tst_UpdateDialogs::progressDialogHides()
{
    ProgressDialog dialog;
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    dialog.hide(QMessageBox::Critical);
    QVERIFY(!dialog.isVisible());
}

void tst_UpdateDialogs::runSteps(QStringList steps)
{
    onNextModal<QWidget>([this, steps](QWidget *modal) mutable {
        const QString step = steps.takeFirst();
        if (!steps.isEmpty())
            runSteps(steps);
        auto *box = qobject_cast<QMessageBox *>(modal);
        if (box)
            shownMessages << box->windowTitle() + ": " + box->text();
        if (step == "untick") {
            clickCheckBox(modal->findChild<QCheckBox *>("runAdminCheckBox"));
        } else if (step == "close") {
            modal->close();
        } else if (step == "escape") {
            pressKey(modal, Qt::Key_Escape);
        } else if (step == "enter") {
            pressKey(modal, Qt::Key_Return);
        } else if (step == "yes" || step == "no" || step == "ok") {
            QVERIFY(box);
            const auto button = step == "yes" ? QMessageBox::Yes
                : step == "no"                ? QMessageBox::No
                                              : QMessageBox::Ok;
            QTest::mouseClick(box->button(button), Qt::LeftButton);
        } else {
            QTest::mouseClick(modal->findChild<QPushButton *>(step), Qt::LeftButton);
        }
    });
}

void tst_UpdateDialogs::choices_data()
{
    QTest::addColumn<QStringList>("steps");
    QTest::addColumn<bool>("editable");
    QTest::addColumn<int>("result");
    QTest::addColumn<bool>("runAsAdmin");
    QTest::addColumn<QStringList>("messages");

    const QString askNow = "Install Now: Close the application and install updates?";
    const QString onExit = "Install On Exit: Updates will be installed on exit. The maintenance "
                           "tool will be started as soon as you close the application!";
    using D = UpdateInfoDialog;
    QTest::newRow("close button") << QStringList { "untick", "close" } << true << int(D::NoInstall)
                                  << true << QStringList();
    QTest::newRow("escape") << QStringList { "untick", "escape" } << true << int(D::NoInstall)
                            << true << QStringList();
    QTest::newRow("install later") << QStringList { "untick", "skipButton" } << true
                                   << int(D::NoInstall) << true << QStringList();
    QTest::newRow("install now, yes") << QStringList { "acceptButton", "yes" } << true
                                      << int(D::InstallNow) << true << QStringList { askNow };
    QTest::newRow("enter is install now") << QStringList { "enter", "yes" } << true
                                          << int(D::InstallNow) << true << QStringList { askNow };
    QTest::newRow("install now, no, then on exit")
        << QStringList { "acceptButton", "no", "untick", "delayButton", "ok" } << true
        << int(D::InstallLater) << false << QStringList { askNow, onExit };
    QTest::newRow("unticked, on exit") << QStringList { "untick", "delayButton", "ok" } << true
                                       << int(D::InstallLater) << false << QStringList { onExit };
    QTest::newRow("not editable") << QStringList { "untick", "delayButton", "ok" } << false
                                  << int(D::InstallLater) << true << QStringList { onExit };
}

void tst_UpdateDialogs::choices()
{
    QFETCH(QStringList, steps);
    QFETCH(bool, editable);
    QFETCH(int, result);
    QFETCH(bool, runAsAdmin);
    QFETCH(QStringList, messages);

    shownMessages.clear();
    bool checkBoxEnabled = false;
    onNextModal<UpdateInfoDialog>([&](UpdateInfoDialog *dialog) {
        checkBoxEnabled = dialog->findChild<QCheckBox *>("runAdminCheckBox")->isEnabled();
        runSteps(steps);
    });
    bool flag = true;
    QCOMPARE(int(UpdateInfoDialog::showUpdateInfo(twoUpdates(), flag, editable, true)), result);
    QCOMPARE(flag, runAsAdmin);
    QCOMPARE(checkBoxEnabled, editable);
    QCOMPARE(shownMessages, messages);
}

void tst_UpdateDialogs::shortForm_data()
{
    QTest::addColumn<QString>("button");
    QTest::addColumn<int>("result");
    QTest::newRow("escape") << QString() << int(UpdateInfoDialog::NoInstall);
    QTest::newRow("install on exit") << "Install On Exit" << int(UpdateInfoDialog::InstallLater);
    QTest::newRow("install now") << "Install Now" << int(UpdateInfoDialog::InstallNow);
}

void tst_UpdateDialogs::shortForm()
{
    QFETCH(QString, button);
    QFETCH(int, result);

    QString details;
    onNextModal<QMessageBox>([&](QMessageBox *box) {
        details = box->detailedText();
        if (button.isEmpty()) {
            pressKey(box, Qt::Key_Escape);
            return;
        }
        for (QAbstractButton *candidate : box->buttons())
            if (candidate->text() == button)
                QTest::mouseClick(candidate, Qt::LeftButton);
    });
    bool flag = true;
    QCOMPARE(int(UpdateInfoDialog::showUpdateInfo(twoUpdates(), flag, true, false)), result);
    QCOMPARE(
        details, QString("ArvexClient v1.2.0 — 2.00 KiB\nArvexDownloadUtil v1.0.3 — 5.29 MiB"));
}

QTEST_MAIN(tst_UpdateDialogs)
#include "tst_updatedialogs.moc"
