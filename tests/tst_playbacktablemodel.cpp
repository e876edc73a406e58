// Tests of the point table's model and its cell editors: what a cell shows and what may be typed.
#include "playback/cplaybacktablemodel.h"
#include "playback/cplaybacktableview.h"

#include <QAbstractItemModelTester>
#include <QComboBox>
#include <QLineEdit>
#include <QToolTip>
#include <QtTest>

#include <cmath>
#include <cstring>
#include <functional>
#include <memory>

namespace {

// The number a cell shows, read back through its text as the table once did.
float readBackThroughText(float value, int decimals)
{
    return pointNumber(QVariant(QString::number(double(value), 'f', decimals)));
}

quint32 bitsOf(float value)
{
    quint32 bits = 0;
    std::memcpy(&bits, &value, sizeof bits);
    return bits;
}

// Calls check with every float in the walk; check returns false to stop.
using FloatWalk = std::function<void(const std::function<bool(float)> &check)>;

} // namespace

Q_DECLARE_METATYPE(FloatWalk)

class tst_PlaybackTableModel : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void cellShowsDisplayDecimals_data();
    void cellShowsDisplayDecimals();
    void modelSurvivesInsertRemoveReset();
    void shownNumberEqualsShownText_data();
    void shownNumberEqualsShownText();
    void pointsReadAsTheirTexts();
    void numberEditor_data();
    void numberEditor();
    void refusedKeyShowsRange_data();
    void refusedKeyShowsRange();
    void unfinishedNumberStoresZero_data();
    void unfinishedNumberStoresZero();
    void choiceEditor_data();
    void choiceEditor();

private:
    QModelIndex cell(int column) const { return view->model()->index(0, column); }
    QVariant stored(int column) const { return view->model()->data(cell(column), Qt::EditRole); }
    QWidget *openEditor(int column);

    // The view and a field beside it, to which the focus can move.
    std::unique_ptr<QWidget> window;
    CPlaybackTableView *view = nullptr;
    QLineEdit *elsewhere = nullptr;
};

void tst_PlaybackTableModel::init()
{
    window = std::make_unique<QWidget>();
    window->resize(1000, 300);
    view = new CPlaybackTableView(window.get());
    view->setGeometry(0, 0, 1000, 250);
    elsewhere = new QLineEdit(window.get());
    elsewhere->setGeometry(0, 260, 200, 30);
    view->setPoints({ PlaybackPoint { MOVJ, 1, 12.34f, -20.f, 50.f, -45.f, 0.f, 1.5f } });
    window->show();
    QVERIFY(QTest::qWaitForWindowActive(window.get()));
}

void tst_PlaybackTableModel::cleanup()
{
    window.reset();
    QToolTip::hideText();
}

void tst_PlaybackTableModel::cellShowsDisplayDecimals_data()
{
    QTest::addColumn<int>("column");
    QTest::addColumn<QVariant>("value");
    QTest::addColumn<QString>("shown");

    QTest::newRow("x float") << 2 << QVariant(12.34f) << "12.3";
    QTest::newRow("y text") << 3 << QVariant("-20") << "-20.0";
    QTest::newRow("z text that is no number") << 4 << QVariant("abc") << "0.0";
    QTest::newRow("rHead negative") << 5 << QVariant(-45.f) << "-45.000";
    QTest::newRow("gripper zero") << 6 << QVariant(0.f) << "0.000";
    QTest::newRow("pause time rounded") << 7 << QVariant(1.2344f) << "1.234";
    QTest::newRow("motion style as it is") << 0 << QVariant("movl") << "movl";
    QTest::newRow("truth as it is") << 1 << QVariant("TRUE") << "TRUE";
}

void tst_PlaybackTableModel::cellShowsDisplayDecimals()
{
    QFETCH(int, column);
    QFETCH(QVariant, value);
    QFETCH(QString, shown);

    view->model()->setData(cell(column), value);
    QCOMPARE(view->model()->data(cell(column)).toString(), shown);
    QCOMPARE(stored(column), value);
    QCOMPARE(view->model()->data(cell(column), Qt::TextAlignmentRole).toInt(), 0x84);
}

void tst_PlaybackTableModel::modelSurvivesInsertRemoveReset()
{
    auto *model = qobject_cast<CPlaybackTableModel *>(view->model());
    QVERIFY(model);
    QAbstractItemModelTester tester(model, QAbstractItemModelTester::FailureReportingMode::QtTest);
    view->setPoints(PlaybackPoints(3, PlaybackPoint { MOVL, 0, 1, 2, 3, 4, 5, 6 }));
    model->insertRows(1, 2);
    model->removeRows(0, 3);
    QCOMPARE(model->data(model->index(1, 2)).toString(), QString("1.0"));
    model->clear();
    model->setColumnCount(CPlaybackTableModel::ColumnCount);
    view->setPoints(PlaybackPoints(1, PlaybackPoint {}));
    QCOMPARE(model->rowCount(), 1);
}

void tst_PlaybackTableModel::shownNumberEqualsShownText_data()
{
    QTest::addColumn<int>("decimals");
    QTest::addColumn<FloatWalk>("walk");

    for (int decimals : { 1, 3 }) {
        const double scale = decimals == 1 ? 10 : 1000;
        const QByteArray suffix = QByteArray(", decimals ") + QByteArray::number(decimals);
        QTest::newRow("random bit patterns" + suffix) << decimals << FloatWalk([](auto check) {
            QRandomGenerator random(1234);
            for (int i = 0; i < 2000000; ++i) {
                const quint32 bits = random.generate();
                float value = 0;
                std::memcpy(&value, &bits, sizeof value);
                if (std::isfinite(value) && !check(value))
                    return;
            }
        });
        // The floats nearest to the points halfway between two shown values, and their
        // neighbours, within and well beyond the columns' ranges.
        QTest::newRow("around halfway points" + suffix)
            << decimals << FloatWalk([scale](auto check) {
                   QRandomGenerator random(5678);
                   for (int i = 0; i < 400000; ++i) {
                       const double steps = double(random.bounded(2000001) - 1000000);
                       float value = float((steps + 0.5) / scale);
                       for (int j = 0; j < 2; ++j)
                           value = std::nextafter(value, -INFINITY);
                       for (int j = 0; j < 5; ++j, value = std::nextafter(value, INFINITY)) {
                           if (!check(value))
                               return;
                       }
                   }
               });
        // A float lies exactly halfway when it is an odd multiple of 1/4 (1 decimal) or 1/16
        // (3 decimals); floats hold those up to 2^22 and 2^20. All of them, both signs.
        QTest::newRow("every exact tie" + suffix) << decimals << FloatWalk([decimals](auto check) {
            const int fractionBits = decimals == 1 ? 2 : 4;
            const quint32 count = 1u << 22 << (fractionBits - 2);
            for (quint32 odd = 1; odd < count; odd += 2) {
                const float value = std::ldexp(float(odd), -fractionBits);
                if (!check(value) || !check(-value))
                    return;
            }
        });
    }
    QTest::newRow("zeros and extremes") << 1 << FloatWalk([](auto check) {
        for (float value : { 0.0f, -0.0f, 0.04f, -0.04f, 0.05f, -0.05f, 1e-45f, -1e-45f, 3.4e38f,
                 -3.4e38f, 16777216.f, 0.25f, -0.25f })
            check(value);
    });
}

// Reading a point back takes the number a cell shows without formatting and parsing its text;
// it must be the very float the text gives, bit for bit, or the arm and the file would get
// something other than what the user sees.
void tst_PlaybackTableModel::shownNumberEqualsShownText()
{
    QFETCH(int, decimals);
    QFETCH(FloatWalk, walk);

    qint64 checked = 0;
    QString firstDifference;
    walk([&](float value) {
        ++checked;
        const float expected = readBackThroughText(value, decimals);
        const float actual = roundedAsShown(value, decimals);
        if (bitsOf(actual) == bitsOf(expected))
            return true;
        firstDifference = QString("%1 shows %2, read back %3, computed %4")
                              .arg(double(value), 0, 'g', 9)
                              .arg(QString::number(double(value), 'f', decimals))
                              .arg(double(expected), 0, 'g', 9)
                              .arg(double(actual), 0, 'g', 9);
        return false;
    });
    QVERIFY2(firstDifference.isEmpty(), qPrintable(firstDifference));
    QVERIFY(checked > 0);
}

// Through the table: every number column with its own decimals, floats and texts alike.
void tst_PlaybackTableModel::pointsReadAsTheirTexts()
{
    QRandomGenerator random(42);
    PlaybackPoints points;
    for (int i = 0; i < 2000; ++i) {
        PlaybackPoint point { uint8_t(i % 4), uint8_t(i % 2), 0, 0, 0, 0, 0, 0 };
        for (float *value :
            { &point.x, &point.y, &point.z, &point.rHead, &point.gripper, &point.pauseTime })
            *value = float(random.bounded(800.0) - 400.0);
        points.append(point);
    }
    view->setPoints(points);
    QAbstractItemModel *model = view->model();
    const QStringList texts { "12.35", "-0", "abc", "1e39", " 7.25 ", "-0.04", "" };
    for (int i = 0; i < texts.size(); ++i)
        model->setData(model->index(i, 2 + i % 6), texts.at(i));

    PlaybackPoints read;
    view->getPoints(read);
    QCOMPARE(read.size(), points.size());
    for (int row = 0; row < read.size(); ++row) {
        const PlaybackPoint &point = read.at(row);
        const float values[]
            = { point.x, point.y, point.z, point.rHead, point.gripper, point.pauseTime };
        for (int column = 2; column < 8; ++column) {
            const QString shown = model->data(model->index(row, column)).toString();
            QVERIFY2(bitsOf(values[column - 2]) == bitsOf(pointNumber(QVariant(shown))),
                qPrintable(QString("row %1 column %2 shows %3").arg(row).arg(column).arg(shown)));
        }
    }
}

// Double-clicks the cell of row 0; the editor is what then has the focus.
QWidget *tst_PlaybackTableModel::openEditor(int column)
{
    const QPoint centre = view->visualRect(cell(column)).center();
    QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, centre);
    QTest::mouseDClick(view->viewport(), Qt::LeftButton, {}, centre);
    QWidget *editor = QApplication::focusWidget();
    return editor && editor->parentWidget() == view->viewport() ? editor : nullptr;
}

void tst_PlaybackTableModel::numberEditor_data()
{
    QTest::addColumn<int>("column");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("kept"); // what the validator let through
    QTest::addColumn<QString>("stored");

    const auto row = [](const char *name, int column, const char *typed, const char *kept,
                         const char *stored) {
        QTest::newRow(name) << column << QString(typed) << QString(kept) << QString(stored);
    };
    row("x lowest", 2, "-319.9", "-319.9", "-319.9");
    row("x 320", 2, "320", "32", "32.0");
    row("x leading point", 2, ".5", "5", "5.0");
    row("x lone minus", 2, "-", "-", "0.0");
    row("y 280", 3, "280", "28", "28.0");
    row("z 140", 4, "140", "14", "14.0");
    row("rHead fourth decimal", 5, "-1.2345", "-1.234", "-1.234");
    row("gripper 71", 6, "71", "7", "7.000");
    row("pause time sign", 7, "-5", "5", "5.000");
    row("pause time 100", 7, "100", "10", "10.000");
}

void tst_PlaybackTableModel::numberEditor()
{
    QFETCH(int, column);
    QFETCH(QString, typed);
    QFETCH(QString, kept);
    QFETCH(QString, stored);

    auto *editor = qobject_cast<QLineEdit *>(openEditor(column));
    QVERIFY(editor);
    QCOMPARE(editor->text(), view->model()->data(cell(column)).toString());
    QTest::keyClicks(editor, typed); // the shown text is selected, so typing replaces it
    QCOMPARE(editor->text(), kept);
    QTest::keyClick(editor, Qt::Key_Return);
    QTRY_COMPARE(this->stored(column), QVariant(stored));
}

void tst_PlaybackTableModel::refusedKeyShowsRange_data()
{
    QTest::addColumn<int>("column");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("tip");
    QTest::addColumn<QString>("stored");

    QTest::newRow("x 400") << 2 << "400"
                           << "X must be between -319.9 and 319.9"
                           << "40.0";
    QTest::newRow("pause time -5") << 7 << "-5"
                                   << "PauseTime must be between 0.000 and 99.999"
                                   << "5.000";
    QTest::newRow("x 319.9, nothing refused") << 2 << "319.9" << QString() << "319.9";
}

// The user selects the cell and types: the first key opens the editor, the others go to it.
void tst_PlaybackTableModel::refusedKeyShowsRange()
{
    QFETCH(int, column);
    QFETCH(QString, typed);
    QFETCH(QString, tip);
    QFETCH(QString, stored);

    QTest::mouseClick(
        view->viewport(), Qt::LeftButton, {}, view->visualRect(cell(column)).center());
    for (const QChar key : typed)
        QTest::keyClick(QApplication::focusWidget(), key.toLatin1());
    QTRY_COMPARE(QToolTip::isVisible(), !tip.isEmpty());
    QCOMPARE(QToolTip::text(), tip);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    QTRY_COMPARE(this->stored(column), QVariant(stored));
}

void tst_PlaybackTableModel::unfinishedNumberStoresZero_data()
{
    QTest::addColumn<int>("column");
    QTest::addColumn<bool>("leaveMinus"); // else the text is emptied
    QTest::addColumn<QString>("leaving");
    QTest::addColumn<QString>("stored");

    for (const char *leaving : { "Return", "Tab", "click on another cell", "focus elsewhere" }) {
        const QString how = QString::fromLatin1(leaving);
        QTest::addRow("x minus, %s", leaving) << 2 << true << how << "0.0";
        QTest::addRow("z empty, %s", leaving) << 4 << false << how << "0.0";
        QTest::addRow("rHead minus, %s", leaving) << 5 << true << how << "0.000";
        QTest::addRow("pause time empty, %s", leaving) << 7 << false << how << "0.000";
    }
}

void tst_PlaybackTableModel::unfinishedNumberStoresZero()
{
    QFETCH(int, column);
    QFETCH(bool, leaveMinus);
    QFETCH(QString, leaving);
    QFETCH(QString, stored);

    QVERIFY(openEditor(column));
    if (leaveMinus)
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Minus);
    else
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backspace);
    QCOMPARE(qobject_cast<QLineEdit *>(QApplication::focusWidget())->text(),
        leaveMinus ? QString("-") : QString());

    if (leaving == QLatin1String("Return"))
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    else if (leaving == QLatin1String("Tab"))
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    else if (leaving == QLatin1String("click on another cell"))
        QTest::mouseClick(view->viewport(), Qt::LeftButton, {},
            view->visualRect(cell(column == 2 ? 3 : 2)).center());
    else
        QTest::mouseClick(elsewhere, Qt::LeftButton);
    QTRY_COMPARE(this->stored(column), QVariant(stored));
    QCOMPARE(view->model()->data(cell(column)).toString(), stored);
}

void tst_PlaybackTableModel::choiceEditor_data()
{
    QTest::addColumn<int>("column");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QStringList>("items");
    QTest::addColumn<int>("currentItem");
    QTest::addColumn<QString>("storedAfterDown");

    const QStringList styles { "JUMP", "MOVJ", "MOVL" };
    QTest::newRow("motion style") << 0 << "MOVJ" << styles << 1 << "MOVL";
    QTest::newRow("motion style in lower case") << 0 << "movj" << styles << -1 << "JUMP";
    QTest::newRow("truth") << 1 << "false" << QStringList { "false", "true" } << 0 << "true";
}

void tst_PlaybackTableModel::choiceEditor()
{
    QFETCH(int, column);
    QFETCH(QString, text);
    QFETCH(QStringList, items);
    QFETCH(int, currentItem);
    QFETCH(QString, storedAfterDown);

    view->model()->setData(cell(column), text);
    auto *editor = qobject_cast<QComboBox *>(openEditor(column));
    QVERIFY(editor);
    QStringList editorItems;
    for (int i = 0; i < editor->count(); ++i)
        editorItems << editor->itemText(i);
    QCOMPARE(editorItems, items);
    QCOMPARE(editor->currentIndex(), currentItem);
    QCOMPARE(editor->geometry(), view->visualRect(cell(column)));
    QTest::keyClick(editor, Qt::Key_Down);
    QTest::keyClick(editor, Qt::Key_Return);
    QTRY_COMPARE(stored(column), QVariant(storedAfterDown));
}

QTEST_MAIN(tst_PlaybackTableModel)
#include "tst_playbacktablemodel.moc"
