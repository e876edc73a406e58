// Tests of the playback point table as the user edits it: keys, menu, clipboard and file drops.
#include "arvexsimtesting.h"
#include "playback/cplaybackmanager.h"
#include "playback/cplaybacktableview.h"
#include "tabletesting.h"

#include <QAbstractButton>
#include <QAbstractItemModelTester>
#include <QClipboard>
#include <QHeaderView>
#include <QMenu>
#include <QMessageBox>
#include <QMimeData>
#include <QTemporaryDir>
#include <QtTest>

#include <functional>
#include <memory>

Q_DECLARE_METATYPE(PlaybackPoint)

namespace {

// Acts on the first widget find returns, polling from any event loop, a modal box's included.
class WhenShown : public QObject
{
public:
    WhenShown(std::function<QWidget *()> find, std::function<void(QWidget *)> act, QObject *parent)
        : QObject(parent)
    {
        auto *timer = new QTimer(this);
        connect(timer, &QTimer::timeout, this, [timer, find, act] {
            if (QWidget *widget = find()) {
                timer->stop();
                act(widget);
            }
        });
        timer->start(10);
    }
};

// Rows told apart by x: 0.5, 10.5, 20.5 ...
PlaybackPoints numberedPoints(int count)
{
    PlaybackPoints points;
    for (int i = 0; i < count; ++i)
        points.append({ uint8_t(i % 3), uint8_t(i % 2), 10.f * i + 0.5f, 1, 2, 3, 4, 5 });
    return points;
}

const PlaybackPoints threePoints {
    { MOVJ, 0, 200, 0, 50, 0, 0, 0 },
    { JUMP, 1, 150.5f, -20, 10, 45, 0, 1.5f },
    { MOVL, 1, 12.34f, -279.9f, 139.9f, -90.999f, 70, 99.999f },
};

// Every field, so that a failed comparison shows which one differs.
QString pointText(const PlaybackPoint &point)
{
    QString text = QString("%1 %2").arg(point.motionStyle).arg(point.isGrab);
    for (float value : { point.x, point.y, point.z, point.rHead, point.gripper, point.pauseTime })
        text += ' ' + QString::number(double(value), 'g', 9);
    return text;
}

} // namespace

using namespace tabletesting;

class tst_PlaybackTableView : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void pointsReadBackAsShown();
    void insertPoint_data();
    void insertPoint();
    void copyAndCut();
    void paste_data();
    void paste();
    void deleteKey_data();
    void deleteKey();
    void removeRowsApart_data();
    void removeRowsApart();
    void setPointsInsertsOneBlock();
    void pointsFollowEveryEdit();
    void moveRow_data();
    void moveRow();
    void insertKeyDuplicatesShownValues();
    void multipleSelectionRefused();
    void menu_data();
    void menu();
    void runToRowSendsOnePoint_data();
    void runToRowSendsOnePoint();
    void deleteAllAsksFirst_data();
    void deleteAllAsksFirst();
    void headerDragMovesRow();
    void fileDrop_data();
    void fileDrop();
    void largeDropKeepsWindowAlive();

private:
    QString shown(int row, int column) const
    {
        return view->model()->data(view->model()->index(row, column)).toString();
    }
    QStringList xTexts() const;
    QList<int> selectedRows() const;
    void pressCtrl(int key) { QTest::keyClick(view.get(), Qt::Key(key), Qt::ControlModifier); }
    void answerMessageBox(QMessageBox::StandardButton button);
    void chooseFromMenu(const QString &itemText);
    void requestMenu(int row);

    std::unique_ptr<CPlaybackTableView> view;
    std::unique_ptr<QAbstractItemModelTester> tester;
    std::unique_ptr<QObject> pendingAnswers;
    QStringList messages; // "title: text" of every message box answered
    QStringList menuItems; // of the menu shown, "-" for a separator
};

void tst_PlaybackTableView::init()
{
    arvexsim::reset();
    QApplication::clipboard()->clear();
    view = std::make_unique<CPlaybackTableView>();
    tester = std::make_unique<QAbstractItemModelTester>(
        view->model(), QAbstractItemModelTester::FailureReportingMode::QtTest);
    pendingAnswers = std::make_unique<QObject>();
    messages.clear();
    menuItems.clear();
    view->show();
    QVERIFY(QTest::qWaitForWindowActive(view.get()));
}

void tst_PlaybackTableView::cleanup()
{
    pendingAnswers.reset();
    tester.reset();
    view.reset();
}

QStringList tst_PlaybackTableView::xTexts() const
{
    QStringList texts;
    for (int row = 0; row < view->model()->rowCount(); ++row)
        texts << shown(row, 2);
    return texts;
}

QList<int> tst_PlaybackTableView::selectedRows() const
{
    QList<int> rows;
    for (const QModelIndex &index : view->selectionModel()->selectedRows())
        rows << index.row();
    std::sort(rows.begin(), rows.end());
    return rows;
}

// NoButton closes the box through its title bar.
void tst_PlaybackTableView::answerMessageBox(QMessageBox::StandardButton button)
{
    new WhenShown([] { return qobject_cast<QMessageBox *>(QApplication::activeModalWidget()); },
        [this, button](QWidget *widget) {
            auto *box = static_cast<QMessageBox *>(widget);
            messages << box->windowTitle() + ": " + box->text();
            if (button == QMessageBox::NoButton)
                box->close();
            else
                QTest::mouseClick(box->button(button), Qt::LeftButton);
        },
        pendingAnswers.get());
}

// An item that is not there closes the menu without a choice.
void tst_PlaybackTableView::chooseFromMenu(const QString &itemText)
{
    new WhenShown([] { return qobject_cast<QMenu *>(QApplication::activePopupWidget()); },
        [this, itemText](QWidget *widget) {
            auto *menu = static_cast<QMenu *>(widget);
            for (QAction *action : menu->actions()) {
                menuItems << (action->isSeparator() ? "-" : action->text());
                if (action->text() == itemText)
                    menu->setActiveAction(action);
            }
            if (menu->activeAction())
                QTest::keyClick(menu, Qt::Key_Return);
            else
                menu->close();
        },
        pendingAnswers.get());
}

// A right click on the row (-1: below the rows), which selects it, and the menu it asks for.
void tst_PlaybackTableView::requestMenu(int row)
{
    QPoint pos(10, view->viewport()->height() - 5);
    if (row >= 0) {
        pos = view->visualRect(view->model()->index(row, 3)).center();
        QTest::mouseClick(view->viewport(), Qt::RightButton, {}, pos);
    }
    QContextMenuEvent event(QContextMenuEvent::Mouse, pos, view->viewport()->mapToGlobal(pos));
    QApplication::sendEvent(view->viewport(), &event);
}

// Rounded as shown; an unknown motion style repeats the previous row's, JUMP in row 0.
void tst_PlaybackTableView::pointsReadBackAsShown()
{
    view->setPoints({ { 7, 7, 12.34f, -0.06f, 139.96f, -45.f, 1.2344f, 0.0004f },
        { MOVL, 0, 2, 0, 0, 0, 0, 0 }, { 9, 0, 3, 0, 0, 0, 0, 0 } });
    const PlaybackPoints read { { JUMP, 1, 12.3f, -0.1f, 140.f, -45.f, 1.234f, 0.f },
        { MOVL, 0, 2, 0, 0, 0, 0, 0 }, { MOVL, 0, 3, 0, 0, 0, 0, 0 } };
    PlaybackPoints points;
    view->getPoints(points);
    QCOMPARE(points.size(), read.size());
    for (int i = 0; i < points.size(); ++i)
        QCOMPARE(pointText(points[i]), pointText(read[i]));
}

void tst_PlaybackTableView::insertPoint_data()
{
    QTest::addColumn<int>("selectedRow");
    QTest::addColumn<int>("insertMode");
    QTest::addColumn<QStringList>("xs");

    QTest::newRow("above") << 1 << 0 << QStringList { "0.5", "99.0", "10.5", "20.5" };
    QTest::newRow("over") << 1 << 1 << QStringList { "0.5", "99.0", "20.5" };
    QTest::newRow("below") << 2 << 2 << QStringList { "0.5", "10.5", "20.5", "99.0" };
    QTest::newRow("nothing selected") << -1 << 0 << QStringList { "0.5", "10.5", "20.5", "99.0" };
}

void tst_PlaybackTableView::insertPoint()
{
    QFETCH(int, selectedRow);
    QFETCH(int, insertMode);
    QFETCH(QStringList, xs);

    view->setPoints(numberedPoints(3));
    if (selectedRow >= 0)
        clickRow(view.get(), selectedRow);
    const QList<int> selectedBefore = selectedRows();
    view->insertPoint(insertMode, { MOVL, 1, 99, 0, 0, 0, 0, 0 });
    QCOMPARE(xTexts(), xs);
    QCOMPARE(shown(xs.indexOf("99.0"), 0), QString("MOVL"));
    // The same point stays selected, wherever it moved.
    if (insertMode == 0 && selectedRow >= 0)
        QCOMPARE(selectedRows(), QList<int> { selectedRow + 1 });
    else
        QCOMPARE(selectedRows(), selectedBefore);
}

void tst_PlaybackTableView::copyAndCut()
{
    view->setPoints(threePoints);
    clickRow(view.get(), 2);
    clickRow(view.get(), 0, Qt::ControlModifier);
    const QString text = "MOVJ\tfalse\t200\t0\t50\t0\t0\t0\t\r\n"
                         "MOVL\ttrue\t12.3\t-279.9\t139.9\t-90.999\t70\t99.999\t";
    pressCtrl(Qt::Key_C);
    QCOMPARE(QApplication::clipboard()->text(), text);
    QCOMPARE(view->model()->rowCount(), 3);
    pressCtrl(Qt::Key_X);
    QCOMPARE(QApplication::clipboard()->text(), text);
    QCOMPARE(xTexts(), QStringList { "150.5" });
}

void tst_PlaybackTableView::paste_data()
{
    QTest::addColumn<int>("selectedRow");
    QTest::addColumn<QString>("clipboard");
    QTest::addColumn<QStringList>("xs");
    QTest::addColumn<int>("currentRow"); // -2: not looked at

    const QString lines = "MOVL\ttrue\t111\t0\t0\t0\t0\t0\t\r\nJUMP\tfalse\t222\t0\t0\t0\t0\t5";
    QTest::newRow("over the selected row and the next")
        << 1 << lines << QStringList { "0.5", "111.0", "222.0", "30.5" } << 0;
    QTest::newRow("over the first row and the next")
        << 0 << lines << QStringList { "111.0", "222.0", "20.5", "30.5" } << 0;
    QTest::newRow("nothing selected appends")
        << -1 << lines << QStringList { "0.5", "10.5", "20.5", "30.5", "111.0", "222.0" } << -2;
    QTest::newRow("numbers that are not finite read as 0")
        << 1 << "MOVL\ttrue\t111\tnan\t0\t0\t0\t0\r\nJUMP\tfalse\t1e39\t0\t0\t0\t0\t5"
        << QStringList { "0.5", "111.0", "0.0", "30.5" } << 0;
    QTest::newRow("seven fields, empty line") << 1 << "MOVL\ttrue\t111\t0\t0\t0\t0\r\n"
                                              << QStringList { "0.5", "10.5", "20.5", "30.5" } << 1;
}

void tst_PlaybackTableView::paste()
{
    QFETCH(int, selectedRow);
    QFETCH(QString, clipboard);
    QFETCH(QStringList, xs);
    QFETCH(int, currentRow);

    view->setPoints(numberedPoints(4));
    if (selectedRow >= 0)
        clickRow(view.get(), selectedRow);
    const QList<int> selectedBefore = selectedRows();
    QApplication::clipboard()->setText(clipboard);
    pressCtrl(Qt::Key_V);
    QCOMPARE(xTexts(), xs);
    if (xs.contains("222.0")) {
        const int row = xs.indexOf("222.0");
        QCOMPARE(shown(row, 0) + shown(row, 1) + shown(row, 7), QString("JUMPfalse5.000"));
    }
    // A replaced row leaves the selection, and the current cell moves as the rows come and go.
    QCOMPARE(selectedRows(), xs.contains("111.0") ? QList<int> {} : selectedBefore);
    if (currentRow != -2)
        QCOMPARE(view->currentIndex().row(), currentRow);
}

void tst_PlaybackTableView::deleteKey_data()
{
    QTest::addColumn<int>("firstClick");
    QTest::addColumn<int>("secondClick");
    QTest::addColumn<int>("modifier");
    QTest::addColumn<QStringList>("remaining");
    QTest::addColumn<QList<int>>("selectedAfter");

    QTest::newRow("rows 1 to 3") << 1 << 3 << int(Qt::ShiftModifier)
                                 << QStringList { "0.5", "40.5", "50.5" } << QList<int> { 1 };
    QTest::newRow("the last two rows")
        << 4 << 5 << int(Qt::ShiftModifier) << QStringList { "0.5", "10.5", "20.5", "30.5" }
        << QList<int> { 3 };
    QTest::newRow("rows apart, row 0 last")
        << 5 << 0 << int(Qt::ControlModifier) << QStringList { "10.5", "20.5", "30.5", "40.5" }
        << QList<int> {};
}

void tst_PlaybackTableView::deleteKey()
{
    QFETCH(int, firstClick);
    QFETCH(int, secondClick);
    QFETCH(int, modifier);
    QFETCH(QStringList, remaining);
    QFETCH(QList<int>, selectedAfter);

    view->setPoints(numberedPoints(6));
    clickRow(view.get(), firstClick);
    clickRow(view.get(), secondClick, Qt::KeyboardModifiers(modifier));
    QTest::keyClick(view.get(), Qt::Key_Delete);
    QCOMPARE(xTexts(), remaining);
    QCOMPARE(selectedRows(), selectedAfter);
}

void tst_PlaybackTableView::removeRowsApart_data()
{
    QTest::addColumn<QList<int>>("clicks"); // the first plain, the others with Ctrl
    QTest::addColumn<int>("key"); // Delete, or X for Ctrl+X
    QTest::addColumn<QStringList>("remaining");
    QTest::addColumn<QList<int>>("selectedAfter");
    QTest::addColumn<int>("currentAfter");

    QTest::newRow("delete 1, 3, 4")
        << QList<int> { 1, 3, 4 } << int(Qt::Key_Delete)
        << QStringList { "0.5", "20.5", "50.5", "60.5" } << QList<int> { 2 } << 2;
    // Cut leaves no selection; the current cell goes where removing row by row takes it: to the
    // nearest remaining row above, else below.
    QTest::newRow("cut 1, 3, 4") << QList<int> { 1, 3, 4 } << int(Qt::Key_X)
                                 << QStringList { "0.5", "20.5", "50.5", "60.5" } << QList<int> {}
                                 << 1;
    QTest::newRow("cut 3, 1, 0, current in the first rows")
        << QList<int> { 3, 1, 0 } << int(Qt::Key_X)
        << QStringList { "20.5", "40.5", "50.5", "60.5" } << QList<int> {} << 0;
    QTest::newRow("cut 2, 5, current on a row that stays")
        << QList<int> { 2, 5, 4, 4 } << int(Qt::Key_X)
        << QStringList { "0.5", "10.5", "30.5", "40.5", "60.5" } << QList<int> {} << 3;
    QTest::newRow("cut 0, 2, 4, 6, current on the last")
        << QList<int> { 0, 2, 4, 6 } << int(Qt::Key_X) << QStringList { "10.5", "30.5", "50.5" }
        << QList<int> {} << 2;
}

// Rows apart are removed in one pass; the rows that stay keep every cell as it was stored.
void tst_PlaybackTableView::removeRowsApart()
{
    QFETCH(QList<int>, clicks);
    QFETCH(int, key);
    QFETCH(QStringList, remaining);
    QFETCH(QList<int>, selectedAfter);
    QFETCH(int, currentAfter);

    view->setPoints(numberedPoints(7));
    QAbstractItemModel *model = view->model();
    model->setData(model->index(5, 7), QString("9.500")); // as the cell editor stores it
    model->setData(model->index(6, 0), QVariant()); // as an unknown motion style leaves it
    QMap<QString, QVariantList> storedByX;
    for (int row = 0; row < model->rowCount(); ++row) {
        for (int column = 0; column < 8; ++column)
            storedByX[shown(row, 2)] << model->data(model->index(row, column), Qt::EditRole);
    }

    clickRow(view.get(), clicks.first());
    for (int i = 1; i < clicks.size(); ++i)
        clickRow(view.get(), clicks.at(i), Qt::ControlModifier);
    if (key == Qt::Key_Delete)
        QTest::keyClick(view.get(), Qt::Key_Delete);
    else
        pressCtrl(key);

    QCOMPARE(xTexts(), remaining);
    QCOMPARE(selectedRows(), selectedAfter);
    QCOMPARE(view->currentIndex().row(), currentAfter);
    // Selecting a row makes its first cell current; otherwise the column stays.
    QCOMPARE(view->currentIndex().column(), key == Qt::Key_Delete ? 0 : 3);
    for (int row = 0; row < model->rowCount(); ++row) {
        QVariantList stored;
        for (int column = 0; column < 8; ++column)
            stored << model->data(model->index(row, column), Qt::EditRole);
        QCOMPARE(stored, storedByX.value(shown(row, 2)));
    }
}

// Views and the Start check hear of an import once, not once per row.
void tst_PlaybackTableView::setPointsInsertsOneBlock()
{
    view->setPoints(numberedPoints(3));
    QSignalSpy removed(view->model(), &QAbstractItemModel::rowsRemoved);
    QSignalSpy inserted(view->model(), &QAbstractItemModel::rowsInserted);
    QSignalSpy changed(view->model(), &QAbstractItemModel::dataChanged);
    view->setPoints(numberedPoints(5));
    QCOMPARE(removed.size(), 1);
    QCOMPARE(inserted.size(), 1);
    QCOMPARE(inserted.first().at(2).toInt(), 4);
    QCOMPARE(changed.size(), 1);
    QCOMPARE(xTexts(), QStringList({ "0.5", "10.5", "20.5", "30.5", "40.5" }));
    QCOMPARE(shown(4, 0) + shown(4, 1) + shown(4, 7), QString("MOVJfalse5.000"));
}

// getPoints keeps what it read until the table changes; whatever the change, it must give what
// the cells show now.
void tst_PlaybackTableView::pointsFollowEveryEdit()
{
    const auto readCells = [this] {
        PlaybackPoints points;
        PlaybackPoint point {};
        for (int row = 0; row < view->model()->rowCount(); ++row) {
            view->rowPoint(row, point);
            points.append(point);
        }
        return points;
    };
    const auto compareWithCells = [&](const char *step) {
        PlaybackPoints points;
        view->getPoints(points);
        const PlaybackPoints cells = readCells();
        QStringList expected, actual;
        for (const PlaybackPoint &point : cells)
            expected << pointText(point);
        for (const PlaybackPoint &point : points)
            actual << pointText(point);
        QVERIFY2(actual == expected, step);
    };

    PlaybackPoints points = numberedPoints(6);
    points[3].motionStyle = 7;
    points[4].x = NAN;
    points[5].y = 12.25f;
    view->setPoints(points);
    compareWithCells("import");
    QAbstractItemModel *model = view->model();
    model->setData(model->index(1, 2), QString("77.7"));
    compareWithCells("cell edited");
    clickRow(view.get(), 2);
    QTest::keyClick(view.get(), Qt::Key_Insert);
    compareWithCells("row duplicated");
    pressCtrl(Qt::Key_Up);
    compareWithCells("row moved");
    clickRow(view.get(), 0);
    clickRow(view.get(), 4, Qt::ControlModifier);
    QTest::keyClick(view.get(), Qt::Key_Delete);
    compareWithCells("rows apart deleted");
    view->clearSelection();
    QApplication::clipboard()->setText("BAD\ttrue\t1.25\t2\t3\t4\t5\t6");
    pressCtrl(Qt::Key_V);
    compareWithCells("row pasted");
    view->insertPoint(1, { MOVL, 1, 99, 0, 0, 0, 0, 0 });
    compareWithCells("point recorded");
    model->setData(model->index(0, 0), QString("JUMP"));
    compareWithCells("motion style edited");
}

void tst_PlaybackTableView::moveRow_data()
{
    QTest::addColumn<int>("selectedRow");
    QTest::addColumn<int>("key");
    QTest::addColumn<QStringList>("xs");

    QTest::newRow("up") << 1 << int(Qt::Key_Up) << QStringList { "10.5", "0.5", "20.5" };
    QTest::newRow("down") << 1 << int(Qt::Key_Down) << QStringList { "0.5", "20.5", "10.5" };
    QTest::newRow("first row up") << 0 << int(Qt::Key_Up) << QStringList { "0.5", "10.5", "20.5" };
    QTest::newRow("last row down")
        << 2 << int(Qt::Key_Down) << QStringList { "0.5", "10.5", "20.5" };
}

void tst_PlaybackTableView::moveRow()
{
    QFETCH(int, selectedRow);
    QFETCH(int, key);
    QFETCH(QStringList, xs);

    view->setPoints(numberedPoints(3));
    clickRow(view.get(), selectedRow);
    const QString movedX = shown(selectedRow, 2);
    pressCtrl(key);
    QCOMPARE(xTexts(), xs);
    QCOMPARE(selectedRows(), QList<int> { int(xs.indexOf(movedX)) });
}

void tst_PlaybackTableView::insertKeyDuplicatesShownValues()
{
    view->setPoints(threePoints);
    clickRow(view.get(), 1);
    clickRow(view.get(), 2, Qt::ControlModifier);
    QTest::keyClick(view.get(), Qt::Key_Insert);
    QCOMPARE(view->model()->rowCount(), 4);
    for (int column = 0; column < 8; ++column)
        QCOMPARE(shown(3, column), shown(2, column));
    // The copy holds the shown text, not the float that was written.
    QCOMPARE(view->model()->data(view->model()->index(3, 2), Qt::EditRole), QVariant("12.3"));
    QCOMPARE(selectedRows(), QList<int> { 3 });
}

void tst_PlaybackTableView::multipleSelectionRefused()
{
    view->setPoints(numberedPoints(4));
    QApplication::clipboard()->setText("MOVL\ttrue\t111\t0\t0\t0\t0\t0\t");
    clickRow(view.get(), 1);
    clickRow(view.get(), 2, Qt::ShiftModifier);
    answerMessageBox(QMessageBox::Ok);
    pressCtrl(Qt::Key_V);
    answerMessageBox(QMessageBox::Ok);
    chooseFromMenu("Run to this row");
    requestMenu(-1);
    const QString message = "Warning: That command cannot be used on multiple selections!";
    QTRY_COMPARE(messages, QStringList({ message, message }));
    QCOMPARE(xTexts(), QStringList({ "0.5", "10.5", "20.5", "30.5" }));
    QVERIFY(arvexsim::callsOf("SetPlaybackBufferCmd").empty());
}

void tst_PlaybackTableView::menu_data()
{
    QTest::addColumn<int>("rows");
    QTest::addColumn<int>("clickedRow");

    QTest::newRow("empty table") << 0 << -1;
    QTest::newRow("nothing selected") << 3 << -1;
    QTest::newRow("a row selected") << 3 << 1;
}

void tst_PlaybackTableView::menu()
{
    QFETCH(int, rows);
    QFETCH(int, clickedRow);

    view->setPoints(numberedPoints(rows));
    QSignalSpy insertSpy(view.get(), SIGNAL(insertActTriggered(int)));
    chooseFromMenu("Insert below this row");
    requestMenu(clickedRow);
    QTest::qWait(50);
    if (clickedRow < 0) {
        QCOMPARE(menuItems, QStringList({ "Import drawing...", "-", "Undo", "Redo" }));
        QCOMPARE(insertSpy.count(), 0);
        return;
    }
    QCOMPARE(menuItems,
        QStringList({ "Insert above this row", "Overide this row", "Insert below this row", "-",
            "Move up", "Move down", "-", "Run to this row", "Step", "Play from this row",
            "Delete current row", "Delete all", "-", "Import drawing...", "-", "Undo", "Redo" }));
    QCOMPARE(insertSpy.count(), 1);
    QCOMPARE(insertSpy.at(0).at(0).toInt(), 2);
}

void tst_PlaybackTableView::runToRowSendsOnePoint_data()
{
    QTest::addColumn<QString>("pasted"); // over row 1 first, when there is one
    QTest::addColumn<PlaybackPoint>("sent");

    QTest::newRow("shown values") << QString()
                                  << PlaybackPoint { JUMP, 1, 150.5f, -20, 10, 45, 0, 1.5f };
    QTest::newRow("unknown motion style goes as JUMP")
        << "movl\tyes\t12.34\t-1\t2\t3\t4\t5\t" << PlaybackPoint { JUMP, 1, 12.3f, -1, 2, 3, 4, 5 };
}

void tst_PlaybackTableView::runToRowSendsOnePoint()
{
    QFETCH(QString, pasted);
    QFETCH(PlaybackPoint, sent);

    view->setPoints(threePoints);
    if (!pasted.isEmpty()) {
        clickRow(view.get(), 1);
        QApplication::clipboard()->setText(pasted);
        pressCtrl(Qt::Key_V);
    }
    arvexsim::clearCalls();
    chooseFromMenu("Run to this row");
    requestMenu(1);
    QTRY_COMPARE(arvexsim::calls().size(), size_t(1));
    const arvexsim::Call call = arvexsim::calls().front();
    QCOMPARE(call.function, std::string("SetPlaybackBufferCmd"));
    QCOMPARE(pointText(call.as<PlaybackPoint>()), pointText(sent));
    QCOMPARE(view->model()->rowCount(), 3);
}

void tst_PlaybackTableView::deleteAllAsksFirst_data()
{
    QTest::addColumn<int>("answer");
    QTest::addColumn<int>("rowsLeft");

    QTest::newRow("yes") << int(QMessageBox::Yes) << 0;
    QTest::newRow("closed") << int(QMessageBox::NoButton) << 3;
}

void tst_PlaybackTableView::deleteAllAsksFirst()
{
    QFETCH(int, answer);
    QFETCH(int, rowsLeft);

    view->setPoints(numberedPoints(3));
    chooseFromMenu("Delete all");
    answerMessageBox(QMessageBox::StandardButton(answer));
    requestMenu(1);
    QTRY_COMPARE(messages, QStringList { "Warning: Delete all points?" });
    QTRY_COMPARE(view->model()->rowCount(), rowsLeft);
}

void tst_PlaybackTableView::headerDragMovesRow()
{
    view->setPoints(numberedPoints(4));
    view->verticalHeader()->moveSection(0, 2); // where a drag of row 0's header ends
    QCOMPARE(xTexts(), QStringList({ "10.5", "20.5", "0.5", "30.5" }));
    QCOMPARE(selectedRows(), QList<int> { 2 });
    for (int row = 0; row < 4; ++row)
        QCOMPARE(view->verticalHeader()->visualIndex(row), row); // shown in model order
}

void tst_PlaybackTableView::fileDrop_data()
{
    QTest::addColumn<QStringList>("fileNames");
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<bool>("accepted");
    QTest::addColumn<QStringList>("xs");
    QTest::addColumn<QStringList>("messagesShown");

    const QByteArray points("<playback><point><x>150.5</x></point></playback>");
    const QStringList kept { "0.5", "10.5" };
    QTest::newRow("xml file") << QStringList { "p.xml" } << points << true
                              << QStringList { "150.5" } << QStringList {};
    QTest::newRow("no dot") << QStringList { "pxml" } << points << true << QStringList { "150.5" }
                            << QStringList {};
    QTest::newRow("text file") << QStringList { "p.txt" } << points << false << kept
                               << QStringList {};
    QTest::newRow("two files") << QStringList { "p.xml", "q.xml" } << points << false << kept
                               << QStringList {};
    QTest::newRow("not XML") << QStringList { "p.xml" } << QByteArray("MOVL\ttrue\t1") << true
                             << kept
                             << QStringList { "Warning: Failed to import playback points!" };
}

void tst_PlaybackTableView::fileDrop()
{
    QFETCH(QStringList, fileNames);
    QFETCH(QByteArray, content);
    QFETCH(bool, accepted);
    QFETCH(QStringList, xs);
    QFETCH(QStringList, messagesShown);

    QTemporaryDir dir;
    QList<QUrl> urls;
    for (const QString &name : fileNames) {
        QFile file(dir.filePath(name));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(content);
        urls << QUrl::fromLocalFile(file.fileName());
    }
    QMimeData mimeData;
    mimeData.setUrls(urls);
    view->setPoints(numberedPoints(2));
    answerMessageBox(QMessageBox::Ok);

    // Shift proposes a move; a source told that its file was moved may delete it.
    const QPoint pos = view->viewport()->rect().center();
    const Qt::DropActions actions = Qt::CopyAction | Qt::MoveAction;
    QDragEnterEvent enter(pos, actions, &mimeData, Qt::LeftButton, Qt::ShiftModifier);
    QApplication::sendEvent(view->viewport(), &enter);
    QCOMPARE(enter.isAccepted(), accepted);
    if (enter.isAccepted()) {
        QCOMPARE(enter.dropAction(), Qt::CopyAction);
        QDropEvent drop(pos, actions, &mimeData, Qt::LeftButton, Qt::ShiftModifier);
        QApplication::sendEvent(view->viewport(), &drop);
        QCOMPARE(drop.isAccepted() ? drop.dropAction() : Qt::IgnoreAction,
            messagesShown.isEmpty() ? Qt::CopyAction : Qt::IgnoreAction);
    }
    QCOMPARE(messages, messagesShown);
    QCOMPARE(xTexts(), xs);
}

// The window goes on handling events (here a timer's) while a large file is read and inserted.
void tst_PlaybackTableView::largeDropKeepsWindowAlive()
{
    QTemporaryDir dir;
    const QString path = dir.filePath("large.xml");
    CPlaybackManager::instance()->writePoints(path, numberedPoints(20000));
    QMimeData mimeData;
    mimeData.setUrls({ QUrl::fromLocalFile(path) });
    int ticks = 0;
    QTimer ticker;
    connect(&ticker, &QTimer::timeout, [&ticks] { ++ticks; });
    ticker.start(10);

    const QPoint pos = view->viewport()->rect().center();
    QDragEnterEvent enter(pos, Qt::CopyAction, &mimeData, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(view->viewport(), &enter);
    QDropEvent drop(pos, Qt::CopyAction, &mimeData, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(view->viewport(), &drop);

    QCOMPARE(view->model()->rowCount(), 20000);
    QCOMPARE(shown(5999, 2), QString("59990.5"));
    QVERIFY(ticks > 0);
}

QTEST_MAIN(tst_PlaybackTableView)
#include "tst_playbacktableview.moc"
