// Tests of the hand-over from the client to the download utility, through to the board.
#include "heximage.h"
#include "mainwindowtesting.h"
#include "simulatedboard.h"

#include <QMenu>
#include <QScopeGuard>
#include <QSignalSpy>
#include <QTimer>
#include <QtTest>

#include <signal.h>

using namespace mainwindowtesting;

class tst_FirmwareUpgrade : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void upgradeFirmwareFlashesTheBoard();
};

void tst_FirmwareUpgrade::initTestCase()
{
    Q_INIT_RESOURCE(resources);
    prepareProgramFolder();
}

void tst_FirmwareUpgrade::upgradeFirmwareFlashesTheBoard()
{
    // The built utility, started through a script beside the client that notes what it was
    // given and its process id, so that the test can end the detached window afterwards.
    const QString utility = QCoreApplication::applicationDirPath() + "/ArvexDownloadUtil";
    QFile script(utility);
    QVERIFY(script.open(QIODevice::WriteOnly));
    script.write("#!/bin/sh\nprintf '%s\\n' \"$@\" > \"$0.args\"\necho $$ > \"$0.pid\"\n"
                 "QT_QPA_PLATFORM=offscreen exec '" ARVEX_DOWNLOAD_UTIL "' \"$@\"\n");
    script.close();
    QVERIFY(script.setPermissions(script.permissions() | QFileDevice::ExeOwner));
    // The utility stays open after its download; it goes when the test ends, passed or not.
    const auto endUtility = qScopeGuard([utility] {
        QFile pidFile(utility + ".pid");
        const qint64 pid
            = pidFile.open(QIODevice::ReadOnly) ? pidFile.readAll().trimmed().toLongLong() : 0;
        if (pid > 0)
            ::kill(pid_t(pid), SIGTERM);
        for (const QString &file : { utility, utility + ".pid", utility + ".args" })
            QFile::remove(file);
        qunsetenv("ARVEX_BOARD_PORT");
    });

    SimulatedBoard board;
    QVERIFY(board.open());
    QSignalSpy sessions(&board, &SimulatedBoard::sessionEnded);
    qputenv("ARVEX_BOARD_PORT", board.portName().toLocal8Bit());

    auto window = createWindow();
    QVERIFY(waitUntilConnected(window.get()));
    // The user opens the title bar's menu and picks the entry.
    QTimer::singleShot(100, this, [] {
        auto *menu = qobject_cast<QMenu *>(QApplication::activePopupWidget());
        QVERIFY(menu);
        const auto actions = menu->actions();
        for (QAction *entry : actions) {
            if (entry->text() == QLatin1String("&Upgrade firmware"))
                QTest::mouseClick(menu, Qt::LeftButton, {}, menu->actionGeometry(entry).center());
        }
    });
    QTest::mouseClick(child<QPushButton>(window.get(), "downBtn"), Qt::LeftButton);
    QVERIFY(!window->isVisible());

    QTRY_COMPARE_WITH_TIMEOUT(sessions.count(), 1, 60000);

    QFile arguments(utility + ".args");
    QVERIFY(arguments.open(QIODevice::ReadOnly));
    QCOMPARE(arguments.readAll(), QByteArray("--auto\n"));
    QCOMPARE(COptions::instance()->upgrade(), 1);

    QFile firmware(ARVEX_FIRMWARE_HEX);
    QVERIFY(firmware.open(QIODevice::ReadOnly));
    const QByteArray image = hexImage(firmware.readAll());
    QCOMPARE(board.flash().left(image.size()), image);
}

QTEST_MAIN(tst_FirmwareUpgrade)
#include "tst_firmwareupgrade.moc"
