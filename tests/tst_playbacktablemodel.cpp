// Tests of the point table's model and its cell editors: what a cell shows and what may be typed.
#include "playback/cplaybacktablemodel.h"
#include "playback/cplaybacktableview.h"

#include <QAbstractItemModelTester>
#include <QComboBox>
#include <QLineEdit>
#include <QtTest>

#include <memory>

class tst_PlaybackTableModel : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void cellShowsDisplayDecimals_data();
    void cellShowsDisplayDecimals();
    void modelSurvivesInsertRemoveReset();
    void numberEditor_data();
    void numberEditor();
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
