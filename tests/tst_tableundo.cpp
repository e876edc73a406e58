// Tests of undo and redo in the playback point table, every edit made as the user makes it.
#include "arvexsimtesting.h"
#include "playback/cplaybackmanager.h"
#include "playback/cplaybacktablemodel.h"
#include "playback/cplaybacktableview.h"
#include "tabletesting.h"

#include <QAbstractButton>
#include <QAbstractItemModelTester>
#include <QClipboard>
#include <QComboBox>
#include <QHeaderView>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QMimeData>
#include <QPointer>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTranslator>
#include <QUndoStack>
#include <QtTest>

#include <memory>

namespace {

// What the table holds: every cell's stored value with its type, then its rows as the points
// file writes them.
struct TableState
{
    QStringList cells;
    QByteArray fileBytes;
};

const QStringList editKinds { "insert above", "overwrite", "insert below", "duplicate", "paste",
    "cut", "delete", "delete current row", "delete all", "move up", "move down", "header drag",
    "cell edit", "drop" };

} // namespace

using namespace tabletesting;

class tst_TableUndo : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void randomEditsUndoneAndRedone_data();
    void randomEditsUndoneAndRedone();
    void eachEditIsOneNamedStep_data();
    void eachEditIsOneNamedStep();
    void undoMenuAfterDeleteAll();
    void unchangedCellEditIsNoStep_data();
    void unchangedCellEditIsNoStep();
    void headerDragMovesRowOnce_data();
    void headerDragMovesRowOnce();
    void setPointsClearsHistory();
    void undoSelectsRowsOfStep();
    void stepNamesTranslated_data();
    void stepNamesTranslated();

private:
    bool useTranslation(const QString &language);
    void createView();
    CPlaybackTableModel *model() const { return static_cast<CPlaybackTableModel *>(view->model()); }
    QUndoStack *stack() const { return view->findChild<QUndoStack *>(); }
    QStringList cellTexts() const;
    TableState state() const;
    QString shown(int row, int column) const
    {
        return model()->index(row, column).data().toString();
    }
    QWidget *keyTarget() const;
    void activate();
    void press(int key, Qt::KeyboardModifiers modifiers = Qt::ControlModifier);
    // Opens the context menu over the row (-1: below the rows) and picks the item whose text
    // starts with choice; an empty choice closes the menu. Returns the items it showed.
    QStringList useMenu(int row, const QString &choice);
    void dragHeader(int fromRow, int toRow);
    // Types text into the cell's editor, or for a list picks the next item, and commits with
    // Return; Escape instead when cancel.
    void editCell(int row, int column, const QString &text, bool cancel = false);
    void drop(const PlaybackPoints &points);
    void perform(const QString &kind);
    PlaybackPoint randomPoint();
    int randomRow() { return random.bounded(std::max(model()->rowCount(), 1)); }
    int randomVisibleRow();
    // The current row, where the user would right-click, or any row.
    int menuRow()
    {
        return view->currentIndex().isValid() ? view->currentIndex().row() : randomRow();
    }
    void answerPending();

    std::unique_ptr<CPlaybackTableView> view;
    std::unique_ptr<QAbstractItemModelTester> tester;
    std::unique_ptr<QTimer> answerer;
    std::unique_ptr<QTemporaryDir> dir;
    QTranslator translator;
    QRandomGenerator random;
    QString menuChoice;
    QPointer<QWidget> answered;
    QStringList menuItems;
    QMessageBox::StandardButton deleteAllAnswer = QMessageBox::Yes;
};

// English has the plural forms of the step names.
void tst_TableUndo::initTestCase()
{
    QVERIFY(useTranslation("English"));
}

bool tst_TableUndo::useTranslation(const QString &language)
{
    QCoreApplication::removeTranslator(&translator);
    return translator.load(QStringLiteral(ARVEX_TRANSLATIONS_DIR "/%1.qm").arg(language))
        && QCoreApplication::installTranslator(&translator);
}

void tst_TableUndo::init()
{
    arvexsim::reset();
    QApplication::clipboard()->clear();
    dir = std::make_unique<QTemporaryDir>();
    random.seed(1);
    answerer = std::make_unique<QTimer>();
    connect(answerer.get(), &QTimer::timeout, this, &tst_TableUndo::answerPending);
    answerer->start(1);
    createView();
}

void tst_TableUndo::createView()
{
    tester.reset();
    view = std::make_unique<CPlaybackTableView>();
    tester = std::make_unique<QAbstractItemModelTester>(
        view->model(), QAbstractItemModelTester::FailureReportingMode::QtTest);
    // The main window's Save and context menu insertions, with a point of the arm's.
    connect(view.get(), &CPlaybackTableView::insertActTriggered, this,
        [this](int insertMode) { view->insertPoint(insertMode, randomPoint()); });
    view->show();
    QVERIFY(QTest::qWaitForWindowActive(view.get()));
}

void tst_TableUndo::cleanup()
{
    answerer.reset();
    tester.reset();
    view.reset();
    dir.reset();
}

// Menus and message boxes run loops of their own; this answers them from inside. The answer is
// given once the timer's slot has returned: a timer does not fire again while its slot runs, and
// an answer may open the next box.
void tst_TableUndo::answerPending()
{
    if (auto *menu = qobject_cast<QMenu *>(QApplication::activePopupWidget())) {
        if (answered == menu)
            return;
        answered = menu;
        menuItems.clear();
        for (QAction *action : menu->actions()) {
            menuItems << (action->isSeparator() ? "-" : action->text());
            if (!menuChoice.isEmpty() && action->isEnabled()
                && action->text().startsWith(menuChoice) && !menu->activeAction())
                menu->setActiveAction(action);
        }
        menuChoice.clear();
        QTimer::singleShot(0, menu, [menu] {
            if (menu->activeAction())
                QTest::keyClick(menu, Qt::Key_Return);
            else
                menu->close();
        });
    } else if (auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget())) {
        if (answered == box)
            return;
        answered = box;
        QAbstractButton *button = box->button(QMessageBox::Ok);
        if (box->text() == QLatin1String("Delete all points?"))
            button = box->button(deleteAllAnswer);
        QTimer::singleShot(0, button, [button] { QTest::mouseClick(button, Qt::LeftButton); });
    }
}

QStringList tst_TableUndo::cellTexts() const
{
    QStringList cells;
    for (int row = 0; row < model()->rowCount(); ++row) {
        for (int column = 0; column < CPlaybackTableModel::ColumnCount; ++column) {
            const QVariant value = model()->storedValue(row, column);
            cells << QString("%1:%2").arg(value.typeName()).arg(value.toString());
        }
    }
    return cells;
}

TableState tst_TableUndo::state() const
{
    PlaybackPoints points;
    view->getPoints(points);
    const QString path = dir->filePath("state.xml");
    CPlaybackManager::instance()->writePoints(path, points);
    QFile file(path);
    file.open(QIODevice::ReadOnly);
    return { cellTexts(), file.readAll() };
}

QWidget *tst_TableUndo::keyTarget() const
{
    QWidget *focus = QApplication::focusWidget();
    return focus ? focus : view.get();
}

// A window manager hands the activation back when a message box closes; the headless platform
// does not.
void tst_TableUndo::activate()
{
    if (QApplication::activeWindow() != view.get()) {
        view->activateWindow();
        QTRY_VERIFY(QApplication::activeWindow() == view.get());
    }
}

void tst_TableUndo::press(int key, Qt::KeyboardModifiers modifiers)
{
    activate();
    QTest::keyClick(keyTarget(), Qt::Key(key), modifiers);
}

QStringList tst_TableUndo::useMenu(int row, const QString &choice)
{
    QPoint pos(10, view->viewport()->height() - 5);
    if (row >= 0) {
        view->scrollTo(model()->index(row, 3));
        pos = view->visualRect(model()->index(row, 3)).center();
        QTest::mouseClick(view->viewport(), Qt::RightButton, {}, pos);
    }
    menuItems.clear();
    menuChoice = choice;
    QContextMenuEvent event(QContextMenuEvent::Mouse, pos, view->viewport()->mapToGlobal(pos));
    QApplication::sendEvent(view->viewport(), &event);
    // The same menu opens again next time.
    answered = nullptr;
    menuChoice.clear();
    return menuItems;
}

// Presses on the row's header, moves past the middle of the target's and lets go there.
void tst_TableUndo::dragHeader(int fromRow, int toRow)
{
    QHeaderView *header = view->verticalHeader();
    const auto middle = [header](int row) {
        return QPoint(header->width() / 2,
            header->sectionViewportPosition(row) + header->sectionSize(row) / 2);
    };
    const QPoint from = middle(fromRow);
    const QPoint to = middle(toRow) + QPoint(0, toRow > fromRow ? 3 : -3);
    QTest::mousePress(header->viewport(), Qt::LeftButton, {}, from);
    for (int step = 1; step <= 4; ++step) {
        const QPoint pos = from + (to - from) * step / 4;
        QMouseEvent move(QEvent::MouseMove, pos, header->viewport()->mapToGlobal(pos), Qt::NoButton,
            Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(header->viewport(), &move);
    }
    QTest::mouseRelease(header->viewport(), Qt::LeftButton, {}, to);
}

void tst_TableUndo::editCell(int row, int column, const QString &text, bool cancel)
{
    activate();
    view->scrollTo(model()->index(row, column));
    const QPoint centre = view->visualRect(model()->index(row, column)).center();
    QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, centre);
    QTest::mouseDClick(view->viewport(), Qt::LeftButton, {}, centre);
    QWidget *editor = QApplication::focusWidget();
    QVERIFY(editor && editor->parentWidget() == view->viewport());
    if (auto *lineEdit = qobject_cast<QLineEdit *>(editor)) {
        lineEdit->selectAll();
        QTest::keyClicks(lineEdit, text);
    } else {
        QVERIFY(qobject_cast<QComboBox *>(editor));
        press(Qt::Key_Down, {});
    }
    press(cancel ? Qt::Key_Escape : Qt::Key_Return, {});
    // The delegate commits from a queued call, so that the editor sees the key first.
    QCoreApplication::processEvents();
}

void tst_TableUndo::drop(const PlaybackPoints &points)
{
    const QString path = dir->filePath("dropped.xml");
    CPlaybackManager::instance()->writePoints(path, points);
    QMimeData mimeData;
    mimeData.setUrls({ QUrl::fromLocalFile(path) });
    const QPoint pos = view->viewport()->rect().center();
    QDragEnterEvent enter(pos, Qt::CopyAction, &mimeData, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(view->viewport(), &enter);
    QDropEvent dropEvent(pos, Qt::CopyAction, &mimeData, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(view->viewport(), &dropEvent);
}

PlaybackPoint tst_TableUndo::randomPoint()
{
    const auto number = [this] { return float(random.bounded(-3000, 3000)) / 7.f; };
    return { uint8_t(random.bounded(4)), uint8_t(random.bounded(2)), number(), number(), number(),
        number(), number(), float(random.bounded(100)) / 3.f };
}

// A row whose header shows in the view, so that a drag can reach it.
int tst_TableUndo::randomVisibleRow()
{
    const int first = view->rowAt(0);
    const int last = view->rowAt(view->viewport()->height() - 1);
    const int end = last < 0 ? model()->rowCount() - 1 : last - 1;
    return first < 0 || end < first ? -1 : first + random.bounded(end - first + 1);
}

// One edit of the kind, as the user makes it, on the rows selected now.
void tst_TableUndo::perform(const QString &kind)
{
    if (kind == "insert above")
        useMenu(menuRow(), "Insert above this row");
    else if (kind == "overwrite")
        useMenu(menuRow(), "Overide this row");
    else if (kind == "insert below")
        useMenu(menuRow(), "Insert below this row");
    else if (kind == "duplicate")
        press(Qt::Key_Insert, {});
    else if (kind == "paste")
        press(Qt::Key_V);
    else if (kind == "cut")
        press(Qt::Key_X);
    else if (kind == "delete")
        press(Qt::Key_Delete, {});
    else if (kind == "delete current row")
        useMenu(menuRow(), "Delete current row");
    else if (kind == "delete all")
        useMenu(menuRow(), "Delete all");
    else if (kind == "move up")
        press(Qt::Key_Up);
    else if (kind == "move down")
        useMenu(menuRow(), "Move down");
    else if (kind == "header drag") {
        const int from = randomVisibleRow();
        const int to = randomVisibleRow();
        if (from >= 0 && to >= 0 && from != to)
            dragHeader(from, to);
    } else if (kind == "cell edit") {
        if (model()->rowCount() > 0) {
            const int column = random.bounded(CPlaybackTableModel::ColumnCount);
            editCell(randomRow(), column, QString::number(random.bounded(60)) + ".5",
                random.bounded(8) == 0);
        }
    } else if (kind == "drop") {
        drop({ randomPoint(), randomPoint(), randomPoint() });
    } else {
        QFAIL(qPrintable("unknown edit " + kind));
    }
}

void tst_TableUndo::randomEditsUndoneAndRedone_data()
{
    QTest::addColumn<quint32>("seed");
    QTest::addColumn<int>("edits");

    QTest::newRow("seed 1") << 1u << 1500;
    QTest::newRow("seed 7") << 7u << 1500;
    QTest::newRow("seed 2026") << 2026u << 1500;
}

// After every action the table must be the one the history says: a new step's, the one an undo
// or redo returns to, or unchanged when nothing was pushed.
void tst_TableUndo::randomEditsUndoneAndRedone()
{
    QFETCH(quint32, seed);
    QFETCH(int, edits);

    random.seed(seed);
    PlaybackPoints start;
    for (int i = 0; i < 12; ++i)
        start << randomPoint();
    view->setPoints(start);
    stack()->setUndoLimit(0);
    // Text where numbers belong, and lines that are not rows.
    const QStringList clipboards {
        "MOVX\tmaybe\t1e3\tabc\t-0\t7\t8\t9\r\nMOVL\ttrue\t1\t2\t3\t4\t5\t6",
        "JUMP\tfalse\t10\t20\t30\t40\t50\t60\t", "short\tline"
    };
    const TableState first = state();
    QVector<QStringList> history { first.cells };

    for (int i = 0; i < edits; ++i) {
        const int before = stack()->index();
        const int action = random.bounded(100);
        const bool undoOrRedo = action < 20;
        if (action < 8)
            press(Qt::Key_Z);
        else if (action < 11)
            useMenu(model()->rowCount() > 0 ? randomRow() : -1, "Undo");
        else if (action < 14)
            press(Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
        else if (action < 17)
            press(Qt::Key_Y);
        else if (action < 20)
            useMenu(model()->rowCount() > 0 ? randomRow() : -1, "Redo");
        else if (action < 30 && model()->rowCount() > 0)
            clickRow(view.get(), randomRow(),
                QList<Qt::KeyboardModifiers> { {}, Qt::ShiftModifier, Qt::ControlModifier }.at(
                    random.bounded(3)));
        else if (action < 34)
            press(Qt::Key_C);
        else if (action < 36)
            QApplication::clipboard()->setText(clipboards.at(random.bounded(clipboards.size())));
        else if (model()->rowCount() > 40)
            perform(random.bounded(2) ? "delete" : "cut");
        else
            perform(editKinds.at(random.bounded(editKinds.size())));
        if (QTest::currentTestFailed())
            return;

        const int after = stack()->index();
        const QString where
            = QString("action %1 (%2), step %3 to %4").arg(i).arg(action).arg(before).arg(after);
        if (undoOrRedo || after == before) {
            QVERIFY2(cellTexts() == history.value(after), qPrintable(where));
        } else {
            QCOMPARE(after, before + 1);
            history.resize(after);
            history.append(cellTexts());
        }
    }
    // A last edit, so that redoing everything leads back here.
    perform("drop");
    const TableState last = state();
    const int steps = stack()->index();
    QVERIFY(steps > edits / 4);

    for (int i = 0; i < steps; ++i)
        press(Qt::Key_Z);
    QVERIFY(!stack()->canUndo());
    const TableState undone = state();
    QCOMPARE(undone.cells, first.cells);
    QCOMPARE(undone.fileBytes, first.fileBytes);

    for (int i = 0; i < steps; ++i)
        press(i % 2 ? Qt::Key_Y : Qt::Key_Z,
            Qt::ControlModifier | (i % 2 ? Qt::NoModifier : Qt::ShiftModifier));
    QVERIFY(!stack()->canRedo());
    const TableState redone = state();
    QCOMPARE(redone.cells, last.cells);
    QCOMPARE(redone.fileBytes, last.fileBytes);
}

void tst_TableUndo::eachEditIsOneNamedStep_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("stepName");

    QTest::newRow("insert above") << "insert above"
                                  << "Insert row";
    QTest::newRow("overwrite") << "overwrite"
                               << "Overwrite row";
    QTest::newRow("insert below") << "insert below"
                                  << "Insert row";
    QTest::newRow("Insert key") << "duplicate"
                                << "Duplicate row";
    QTest::newRow("paste") << "paste"
                           << "Paste 3 rows";
    QTest::newRow("cut") << "cut"
                         << "Cut 2 rows";
    QTest::newRow("Delete key") << "delete"
                                << "Delete 2 rows";
    QTest::newRow("delete current row") << "delete current row"
                                        << "Delete 1 row";
    QTest::newRow("delete all") << "delete all"
                                << "Delete all";
    QTest::newRow("Ctrl+Up") << "move up"
                             << "Move up";
    QTest::newRow("move down") << "move down"
                               << "Move down";
    QTest::newRow("header drag") << "header drag"
                                 << "Move row";
    QTest::newRow("cell edit") << "cell edit"
                               << "Edit cell";
    QTest::newRow("file drop") << "drop"
                               << "Import 3 points";
}

// Every way to undo and redo, the menu's items named after the step.
void tst_TableUndo::eachEditIsOneNamedStep()
{
    QFETCH(QString, kind);
    QFETCH(QString, stepName);

    PlaybackPoints start;
    for (int i = 0; i < 5; ++i)
        start << randomPoint();
    view->setPoints(start);
    QApplication::clipboard()->setText("MOVL\ttrue\t1\t2\t3\t4\t5\t6\r\nJUMP\tfalse\t7\t8\t9\t1\t2"
                                       "\t3\r\nMOVJ\tx\ty\t0\t0\t0\t0\t0");
    const TableState before = state();
    // Two rows selected where an edit takes several, one where it takes one.
    clickRow(view.get(), 2);
    if (kind == "cut" || kind == "delete")
        clickRow(view.get(), 3, Qt::ShiftModifier);
    perform(kind);
    const TableState after = state();
    QVERIFY(after.cells != before.cells);
    QCOMPARE(stack()->count(), 1);
    QCOMPARE(stack()->undoText(), stepName);

    // Clicking a row first, so that the ordinary menu opens wherever the table has rows.
    const int menuRow = model()->rowCount() > 0 ? 0 : -1;
    QStringList items = useMenu(menuRow, QString());
    QVERIFY2(items.contains("Undo " + stepName), qPrintable(items.join('|')));
    QVERIFY2(items.contains("Redo"), qPrintable(items.join('|')));

    const struct
    {
        const char *route;
        std::function<void()> act;
        const TableState &expected;
    } routes[] = {
        { "Ctrl+Z", [this] { press(Qt::Key_Z); }, before },
        { "Ctrl+Shift+Z", [this] { press(Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier); },
            after },
        { "Ctrl+Z again", [this] { press(Qt::Key_Z); }, before },
        { "Ctrl+Y", [this] { press(Qt::Key_Y); }, after },
        { "menu Undo", [&] { useMenu(model()->rowCount() > 0 ? 0 : -1, "Undo " + stepName); },
            before },
        { "menu Redo", [&] { useMenu(model()->rowCount() > 0 ? 0 : -1, "Redo " + stepName); },
            after },
    };
    for (const auto &route : routes) {
        route.act();
        const TableState now = state();
        QVERIFY2(now.cells == route.expected.cells, route.route);
        QVERIFY2(now.fileBytes == route.expected.fileBytes, route.route);
    }
    QCOMPARE(stack()->count(), 1);
}

void tst_TableUndo::undoMenuAfterDeleteAll()
{
    view->setPoints({ randomPoint(), randomPoint() });
    // With nothing to undo the short menu offers the import alone.
    QCOMPARE(useMenu(-1, QString()), QStringList({ "Import drawing...", "-", "Undo", "Redo" }));
    const TableState before = state();
    useMenu(1, "Delete all");
    QCOMPARE(model()->rowCount(), 0);
    QCOMPARE(useMenu(-1, "Undo"), QStringList({ "Import drawing...", "-", "Undo Delete all", "Redo" }));
    QCOMPARE(state().cells, before.cells);
    // Nothing selected now: the short menu again, with the step to redo.
    view->clearSelection();
    QCOMPARE(useMenu(-1, "Redo"), QStringList({ "Import drawing...", "-", "Undo", "Redo Delete all" }));
    QCOMPARE(model()->rowCount(), 0);
}

void tst_TableUndo::unchangedCellEditIsNoStep_data()
{
    QTest::addColumn<int>("column");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<bool>("cancel");
    QTest::addColumn<bool>("changed");

    QTest::newRow("x retyped as shown") << 2 << "12.3" << false << false;
    QTest::newRow("gripper retyped as shown") << 6 << "1.234" << false << false;
    QTest::newRow("x changed") << 2 << "12.4" << false << true;
    QTest::newRow("x cancelled") << 2 << "99" << true << false;
    QTest::newRow("motion style chosen") << 0 << "" << false << true;
}

// A float shown rounded stays the float it was unless the user typed another number.
void tst_TableUndo::unchangedCellEditIsNoStep()
{
    QFETCH(int, column);
    QFETCH(QString, typed);
    QFETCH(bool, cancel);
    QFETCH(bool, changed);

    // Out of the arm's reach, by any of the edits.
    view->setPoints({ { MOVJ, 0, 12.34f, 0, 50, 0, 1.2344f, 0 } });
    const TableState before = state();
    editCell(0, column, typed, cancel);
    QCOMPARE(stack()->count(), changed ? 1 : 0);
    QCOMPARE(state().cells != before.cells, changed);
    QVERIFY(model()->isRowOutOfReach(0));
    if (changed) {
        press(Qt::Key_Z);
        QCOMPARE(state().cells, before.cells);
        QCOMPARE(model()->storedValue(0, 2).userType(), int(QMetaType::Float));
    }
}

void tst_TableUndo::headerDragMovesRowOnce_data()
{
    QTest::addColumn<int>("from");
    QTest::addColumn<int>("to");
    QTest::addColumn<QStringList>("xs");

    QTest::newRow("first to third") << 0 << 2 << QStringList { "1.0", "2.0", "0.0", "3.0", "4.0" };
    QTest::newRow("last to first") << 4 << 0 << QStringList { "4.0", "0.0", "1.0", "2.0", "3.0" };
    QTest::newRow("second to fourth")
        << 1 << 3 << QStringList { "0.0", "2.0", "3.0", "1.0", "4.0" };
}

// The header shows the rows in model order after the drag, and a second drag starts from there.
void tst_TableUndo::headerDragMovesRowOnce()
{
    QFETCH(int, from);
    QFETCH(int, to);
    QFETCH(QStringList, xs);

    PlaybackPoints points;
    for (int i = 0; i < 5; ++i)
        points.append({ MOVJ, 0, float(i), 0, 0, 0, 0, 0 });
    view->setPoints(points);
    const auto shownXs = [this] {
        QStringList texts;
        QHeaderView *header = view->verticalHeader();
        for (int visual = 0; visual < model()->rowCount(); ++visual)
            texts << shown(header->logicalIndex(visual), 2);
        return texts;
    };
    dragHeader(from, to);
    QCOMPARE(shownXs(), xs);
    for (int row = 0; row < model()->rowCount(); ++row) {
        QCOMPARE(shown(row, 2), xs.at(row));
        QCOMPARE(view->verticalHeader()->visualIndex(row), row);
    }
    QCOMPARE(view->selectionModel()->selectedRows().value(0).row(), to);
    QCOMPARE(stack()->count(), 1);

    dragHeader(to, from);
    const QStringList backAgain { "0.0", "1.0", "2.0", "3.0", "4.0" };
    QCOMPARE(shownXs(), backAgain);
    press(Qt::Key_Z);
    QCOMPARE(shownXs(), xs);
    press(Qt::Key_Z);
    QCOMPARE(shownXs(), backAgain);
}

void tst_TableUndo::setPointsClearsHistory()
{
    view->setPoints({ randomPoint() });
    clickRow(view.get(), 0);
    press(Qt::Key_Insert, {});
    QVERIFY(stack()->canUndo());
    view->setPoints({ randomPoint(), randomPoint(), randomPoint() });
    QVERIFY(!stack()->canUndo());
    QCOMPARE(useMenu(-1, QString()), QStringList({ "Import drawing...", "-", "Undo", "Redo" }));
    press(Qt::Key_Z);
    QCOMPARE(model()->rowCount(), 3);
}

// Undo selects the rows it brings back; redo the row where they went.
void tst_TableUndo::undoSelectsRowsOfStep()
{
    view->setPoints({ randomPoint(), randomPoint(), randomPoint(), randomPoint(), randomPoint() });
    clickRow(view.get(), 1);
    clickRow(view.get(), 3, Qt::ShiftModifier);
    press(Qt::Key_Delete, {});
    view->clearSelection();
    press(Qt::Key_Z);
    QModelIndexList selected = view->selectionModel()->selectedRows();
    std::sort(selected.begin(), selected.end());
    QCOMPARE(selected,
        QModelIndexList({ model()->index(1, 0), model()->index(2, 0), model()->index(3, 0) }));
    QCOMPARE(view->currentIndex().row(), 1);
    press(Qt::Key_Y);
    QCOMPARE(view->selectionModel()->selectedRows(), QModelIndexList { model()->index(1, 0) });
}

void tst_TableUndo::stepNamesTranslated_data()
{
    QTest::addColumn<QString>("language");
    QTest::addColumn<QStringList>("items");

    QTest::newRow("Simplified Chinese") << "Chinese_cn" << QStringList { "撤销 删除 2 行", "重做" };
    QTest::newRow("Traditional Chinese")
        << "Chinese_tw" << QStringList { "復原 刪除 2 列", "重做" };
}

void tst_TableUndo::stepNamesTranslated()
{
    QFETCH(QString, language);
    QFETCH(QStringList, items);

    QVERIFY(useTranslation(language));
    createView();
    view->setPoints({ randomPoint(), randomPoint(), randomPoint() });
    clickRow(view.get(), 0);
    clickRow(view.get(), 1, Qt::ShiftModifier);
    press(Qt::Key_Delete, {});
    const QStringList shownItems = useMenu(0, QString());
    QVERIFY(useTranslation("English"));
    QCOMPARE(shownItems.mid(shownItems.size() - 2), items);
}

QTEST_MAIN(tst_TableUndo)
#include "tst_tableundo.moc"
