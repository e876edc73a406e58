// Tests of the configuration dialogs: what they show, send to the arm and store, and the send
// step of the connection set-up.
#include "options/cconfiginitialposedialog.h"
#include "options/cconfigjogdialog.h"
#include "options/cconfiglanguagedialog.h"
#include "options/cconfigplaybackdialog.h"
#include "options/coptions.h"
#include "widgets/cwidget.h"

#include "arvexsimtesting.h"

#include <QComboBox>
#include <QDir>
#include <QHelpEvent>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QSignalSpy>
#include <QToolTip>
#include <QtTest>

#include <cstring>
#include <functional>

using DialogFactory = std::function<CDialog *(QWidget *)>;
Q_DECLARE_METATYPE(DialogFactory)

namespace {

const QStringList jogKeys { "jointVelocity", "jointAcceleration", "servoVelocity",
    "servoAcceleration", "linearVelocity", "linearAcceleration" };
const QStringList playbackKeys = jogKeys + QStringList { "pauseTime", "jumpHeight" };

template <class Dialog>
DialogFactory factory()
{
    return [](QWidget *parent) { return new Dialog(parent); };
}

QString appPath(const QString &relativePath)
{
    return QCoreApplication::applicationDirPath() + '/' + relativePath;
}

QByteArray fileBytes(const QString &relativePath)
{
    QFile file(appPath(relativePath));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// The file's members in the order of keys, narrowed to float as the store reads them.
QVector<float> fileValues(const QString &relativePath, const QStringList &keys)
{
    const QJsonObject object = QJsonDocument::fromJson(fileBytes(relativePath)).object();
    QVector<float> values;
    for (const QString &key : keys)
        values << float(object.value(key).toDouble(-1));
    return values;
}

// The record of the only call of function, read as its floats.
QVector<float> sentFloats(const char *function)
{
    const std::vector<arvexsim::Call> calls = arvexsim::callsOf(function);
    if (calls.size() != 1)
        return {};
    QVector<float> values(int(calls.front().record.size() / sizeof(float)));
    std::memcpy(values.data(), calls.front().record.data(), calls.front().record.size());
    return values;
}

QVector<float> storedJog()
{
    const JogParams p = COptions::instance()->jogParams();
    return { p.jointVelocity, p.jointAcceleration, p.servoVelocity, p.servoAcceleration,
        p.linearVelocity, p.linearAcceleration };
}

QVector<float> storedPlayback()
{
    const PlaybackParams p = COptions::instance()->playbackParams();
    return { p.jointVelocity, p.jointAcceleration, p.servoVelocity, p.servoAcceleration,
        p.linearVelocity, p.linearAcceleration, p.pauseTime, p.jumpHeight };
}

void storeJog(const QVector<float> &v)
{
    COptions::instance()->setJogStaticParams(
        JogStaticParams { v[0], v[1], v[2], v[3], v[4], v[5] });
}

void storePlayback(const QVector<float> &v)
{
    COptions::instance()->setPlaybackStaticParams(
        PlaybackStaticParams { v[0], v[1], v[2], v[3], v[4], v[5], v[6], v[7] });
}

QList<QLineEdit *> fields(const QWidget *dialog)
{
    return dialog->findChildren<QLineEdit *>();
}

QStringList fieldTexts(const QWidget *dialog)
{
    QStringList texts;
    for (const QLineEdit *field : fields(dialog))
        texts << field->text();
    return texts;
}

QPushButton *button(const QWidget *dialog, const QString &text)
{
    for (QPushButton *button : dialog->findChildren<QPushButton *>()) {
        if (button->text() == text)
            return button;
    }
    return nullptr;
}

// The frame's title bar button that is shown: the close button.
QPushButton *closeButton(const QWidget *dialog)
{
    const CWidget *frame = dialog->findChild<CWidget *>();
    for (QPushButton *button : frame->findChildren<QPushButton *>()) {
        if (button->parentWidget() == frame && button->isVisible())
            return button;
    }
    return nullptr;
}

void typeInto(QLineEdit *field, const QString &text)
{
    QTest::keyClick(field, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(field, Qt::Key_Backspace);
    QTest::keyClicks(field, text);
}

// What the running client would stand in for: a 1280 x 720 main window.
class MainWindowStandIn : public QWidget
{
public:
    MainWindowStandIn()
    {
        resize(1280, 720);
        show();
    }
};

} // namespace

class tst_ConfigDialogs : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanupTestCase();

    void typedNumber_data();
    void typedNumber();
    void sendsWhatItShows_data();
    void sendsWhatItShows();
    void initialPose();
    void cancelSendsAndStoresNothing_data();
    void cancelSendsAndStoresNothing();
    void toolTips_data();
    void toolTips();
    void language_data();
    void language();
    void sendStepAtConnection();
};

void tst_ConfigDialogs::initTestCase()
{
    cleanupTestCase();
    QVERIFY(QDir().mkpath(appPath("file")));
    QVERIFY(QDir().mkpath(appPath("hex")));
    COptions::instance();
}

void tst_ConfigDialogs::init()
{
    arvexsim::reset();
}

void tst_ConfigDialogs::cleanupTestCase()
{
    QDir(appPath("file")).removeRecursively();
    QDir(appPath("hex")).removeRecursively();
}

void tst_ConfigDialogs::typedNumber_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<float>("value");

    QTest::newRow("letters") << "abc" << 0.0f;
    QTest::newRow("decimal comma") << "12,5" << 0.0f;
    QTest::newRow("decimal point") << "12.5" << 12.5f;
    QTest::newRow("exponent") << "1e3" << 1000.0f;
    QTest::newRow("negative") << "-5" << -5.0f;
    QTest::newRow("empty") << "" << 0.0f;
    QTest::newRow("nan") << "nan" << 0.0f;
    QTest::newRow("infinity") << "inf" << 0.0f;
    QTest::newRow("beyond float") << "1e39" << 0.0f;
}

// Whatever the teach "JointVelocity" field holds, Send closes the dialog without a word and the
// arm and the file get the same number.
void tst_ConfigDialogs::typedNumber()
{
    QFETCH(QString, typed);
    QFETCH(float, value);

    storeJog({ 50, 50, 30, 10, 40, 40 });
    MainWindowStandIn window;
    auto *dialog = new CConfigJogDialog(&window);
    QSignalSpy accepted(dialog, SIGNAL(accepted()));
    dialog->show();

    typeInto(fields(dialog).at(0), typed);
    QTest::mouseClick(button(dialog, "Send"), Qt::LeftButton);

    const QVector<float> expected { value, 50, 30, 10, 40, 40 };
    QCOMPARE(sentFloats("SetJogStaticParams"), expected);
    QCOMPARE(storedJog(), expected);
    QCOMPARE(fileValues("file/JogParams.json", jogKeys), expected);
    QCOMPARE(accepted.count(), 1);
    QVERIFY(!dialog->isVisible());
    QVERIFY(!QApplication::activeModalWidget());
}

void tst_ConfigDialogs::sendsWhatItShows_data()
{
    QTest::addColumn<bool>("playback");
    QTest::addColumn<QVector<float>>("stored");
    QTest::addColumn<QStringList>("shown");
    QTest::addColumn<QVector<float>>("sent");

    // Six significant digits, exponent form from a million on.
    QTest::newRow("teach") << false << QVector<float> { 50, 12.5, 0.1f, 1e6, -3, 1234.5678f }
                           << QStringList { "50", "12.5", "0.1", "1e+06", "-3", "1234.57" }
                           << QVector<float> { 50, 12.5, 0.1f, 1e6, -3, 1234.57f };
    QTest::newRow("playback")
        << true << QVector<float> { 200, 200, 200, 200, 800, 1234.5678f, 1 / 3.0f, 20 }
        << QStringList { "200", "200", "200", "200", "800", "1234.57", "0.333333", "20" }
        << QVector<float> { 200, 200, 200, 200, 800, 1234.57f, 0.333333f, 20 };
}

void tst_ConfigDialogs::sendsWhatItShows()
{
    QFETCH(bool, playback);
    QFETCH(QVector<float>, stored);
    QFETCH(QStringList, shown);
    QFETCH(QVector<float>, sent);

    MainWindowStandIn window;
    CDialog *dialog = nullptr;
    if (playback) {
        storePlayback(stored);
        dialog = new CConfigPlaybackDialog(&window);
    } else {
        storeJog(stored);
        dialog = new CConfigJogDialog(&window);
    }
    dialog->show();
    QCOMPARE(fieldTexts(dialog), shown);

    QTest::mouseClick(button(dialog, "Send"), Qt::LeftButton);

    QCOMPARE(sentFloats(playback ? "SetPlaybackStaticParams" : "SetJogStaticParams"), sent);
    QCOMPARE(playback ? storedPlayback() : storedJog(), sent);
    QCOMPARE(playback ? fileValues("file/PlaybackParams.json", playbackKeys)
                      : fileValues("file/JogParams.json", jogKeys),
        sent);
    QVERIFY(arvexsim::callsOf(playback ? "SetJogStaticParams" : "SetPlaybackStaticParams").empty());
}

// The angles always start at 45 and are sent, never stored.
void tst_ConfigDialogs::initialPose()
{
    const QByteArray jogBefore = fileBytes("file/JogParams.json");
    const QByteArray playbackBefore = fileBytes("file/PlaybackParams.json");
    MainWindowStandIn window;
    for (const QString &typed : QStringList { "30", "-12.25" }) {
        auto *dialog = new CConfigInitialPoseDialog(&window);
        dialog->show();
        QCOMPARE(fieldTexts(dialog), QStringList({ "45", "45" }));
        typeInto(fields(dialog).at(0), typed);
        QTest::mouseClick(button(dialog, "Send"), Qt::LeftButton);
        QVERIFY(!dialog->isVisible());

        QCOMPARE(sentFloats("SetInitialPose"), QVector<float>({ typed.toFloat(), 45 }));
        arvexsim::clearCalls();
    }
    QCOMPARE(fileBytes("file/JogParams.json"), jogBefore);
    QCOMPARE(fileBytes("file/PlaybackParams.json"), playbackBefore);
}

void tst_ConfigDialogs::cancelSendsAndStoresNothing_data()
{
    QTest::addColumn<DialogFactory>("create");
    QTest::addColumn<bool>("closeBtn");

    QTest::newRow("teach, Cancel") << factory<CConfigJogDialog>() << false;
    QTest::newRow("teach, close button") << factory<CConfigJogDialog>() << true;
    QTest::newRow("playback, Cancel") << factory<CConfigPlaybackDialog>() << false;
    QTest::newRow("playback, close button") << factory<CConfigPlaybackDialog>() << true;
    QTest::newRow("initial pose, Cancel") << factory<CConfigInitialPoseDialog>() << false;
    QTest::newRow("initial pose, close button") << factory<CConfigInitialPoseDialog>() << true;
}

void tst_ConfigDialogs::cancelSendsAndStoresNothing()
{
    QFETCH(DialogFactory, create);
    QFETCH(bool, closeBtn);

    const QVector<float> jogBefore = storedJog();
    const QVector<float> playbackBefore = storedPlayback();
    const QByteArray jogFileBefore = fileBytes("file/JogParams.json");
    const QByteArray playbackFileBefore = fileBytes("file/PlaybackParams.json");

    MainWindowStandIn window;
    CDialog *dialog = create(&window);
    QSignalSpy finished(dialog, SIGNAL(finished(int)));
    dialog->show();
    typeInto(fields(dialog).at(0), "77");
    QTest::mouseClick(closeBtn ? closeButton(dialog) : button(dialog, "Cancel"), Qt::LeftButton);

    QCOMPARE(finished.count(), 1);
    QCOMPARE(finished.at(0).at(0).toInt(), 0);
    QVERIFY(!dialog->isVisible());
    QVERIFY(arvexsim::calls().empty());
    QCOMPARE(storedJog(), jogBefore);
    QCOMPARE(storedPlayback(), playbackBefore);
    QCOMPARE(fileBytes("file/JogParams.json"), jogFileBefore);
    QCOMPARE(fileBytes("file/PlaybackParams.json"), playbackFileBefore);
}

void tst_ConfigDialogs::toolTips_data()
{
    QTest::addColumn<DialogFactory>("create");
    QTest::addColumn<int>("row");
    QTest::addColumn<QString>("toolTip");

    QTest::newRow("playback pauseTime")
        << factory<CConfigPlaybackDialog>() << 6 << "Pause time between two playback points";
    QTest::newRow("playback jumpHeight")
        << factory<CConfigPlaybackDialog>() << 7 << "Jump height when use JUMP motion style";
}

void tst_ConfigDialogs::toolTips()
{
    QFETCH(DialogFactory, create);
    QFETCH(int, row);
    QFETCH(QString, toolTip);

    MainWindowStandIn window;
    CDialog *dialog = create(&window);
    dialog->show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));

    QLineEdit *field = fields(dialog).at(row);
    const QPoint pos = field->rect().center();
    QHelpEvent hover(QEvent::ToolTip, pos, field->mapToGlobal(pos));
    QApplication::sendEvent(field, &hover);
    QTRY_VERIFY(QToolTip::isVisible());
    QCOMPARE(QToolTip::text(), toolTip);
    QToolTip::hideText();
}

void tst_ConfigDialogs::language_data()
{
    QTest::addColumn<int>("stored");
    QTest::addColumn<QString>("shownBefore");
    QTest::addColumn<QList<int>>("keys");
    QTest::addColumn<int>("storedAfter");

    QTest::newRow("unknown language, confirmed as it is") << 7 << "" << QList<int>() << -1;
    QTest::newRow("English kept") << 0 << "English" << QList<int>() << 0;
    QTest::newRow("Traditional Chinese chosen")
        << 0 << "English" << QList<int> { Qt::Key_Down, Qt::Key_Down } << 2;
    QTest::newRow("Simplified Chinese chosen") << 2 << "繁體中文" << QList<int> { Qt::Key_Up } << 1;
}

// Confirm stores the list's index, tells the user it applies at the next start, and closes.
void tst_ConfigDialogs::language()
{
    QFETCH(int, stored);
    QFETCH(QString, shownBefore);
    QFETCH(QList<int>, keys);
    QFETCH(int, storedAfter);

    COptions::instance()->setLanguage(stored);
    MainWindowStandIn window;
    auto *dialog = new CConfigLanguageDialog(&window);
    QSignalSpy accepted(dialog, SIGNAL(accepted()));
    dialog->show();

    auto *box = dialog->findChild<QComboBox *>();
    QCOMPARE(box->currentText(), shownBefore);
    for (int key : keys)
        QTest::keyClick(box, Qt::Key(key));

    QString noticeTitle;
    QString noticeText;
    QTimer answer;
    connect(&answer, &QTimer::timeout, [&] {
        auto *notice = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
        if (!notice)
            return;
        noticeTitle = notice->windowTitle();
        noticeText = notice->text();
        QTest::mouseClick(notice->button(QMessageBox::Yes), Qt::LeftButton);
    });
    answer.start(10);
    QTest::mouseClick(button(dialog, "Confirm"), Qt::LeftButton);

    QCOMPARE(noticeTitle, QString("Notice"));
    QCOMPARE(noticeText,
        QString("New language will become effective when the application starts next time!"));
    QCOMPARE(accepted.count(), 1);
    QVERIFY(!dialog->isVisible());
    QCOMPARE(COptions::instance()->language(), storedAfter);
    QCOMPARE(QJsonDocument::fromJson(fileBytes("file/AppParams.json")).object(),
        QJsonObject({ { "language", storedAfter } }));
}

// What the connection set-up does: dialogs that are never shown pass the stored values, as
// their six-digit texts give them back, to the controller and to the files.
void tst_ConfigDialogs::sendStepAtConnection()
{
    storeJog({ 1234.5678f, 50, 30, 10, 40, 40 });
    storePlayback({ 200, 200, 200, 200, 800, 1000, 0.1234567f, 20 });
    QFile::remove(appPath("file/JogParams.json"));
    QFile::remove(appPath("file/PlaybackParams.json"));

    {
        CConfigJogDialog jogDialog;
        jogDialog.sendParams();
        QVERIFY(!jogDialog.isVisible());
    }
    {
        CConfigPlaybackDialog playbackDialog;
        playbackDialog.sendParams();
        QVERIFY(!playbackDialog.isVisible());
    }

    const std::vector<arvexsim::Call> calls = arvexsim::calls();
    QCOMPARE(int(calls.size()), 2);
    QCOMPARE(QString::fromStdString(calls[0].function), QString("SetJogStaticParams"));
    QCOMPARE(QString::fromStdString(calls[1].function), QString("SetPlaybackStaticParams"));
    const QVector<float> jog { 1234.57f, 50, 30, 10, 40, 40 };
    const QVector<float> playback { 200, 200, 200, 200, 800, 1000, 0.123457f, 20 };
    QCOMPARE(sentFloats("SetJogStaticParams"), jog);
    QCOMPARE(sentFloats("SetPlaybackStaticParams"), playback);
    QCOMPARE(fileValues("file/JogParams.json", jogKeys), jog);
    QCOMPARE(fileValues("file/PlaybackParams.json", playbackKeys), playback);
    QCOMPARE(storedJog(), jog);
}

QTEST_MAIN(tst_ConfigDialogs)
#include "tst_configdialogs.moc"
