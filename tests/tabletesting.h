// What a user does to a table view: clicks a row, types into a cell, chooses from the row's menu.
#pragma once

#include <QApplication>
#include <QContextMenuEvent>
#include <QLineEdit>
#include <QMenu>
#include <QTableView>
#include <QTest>
#include <QTimer>

namespace tabletesting {

// Clicks the row, scrolled into view, with the modifiers held.
inline void clickRow(QTableView *view, int row, Qt::KeyboardModifiers modifiers = {})
{
    const QModelIndex index = view->model()->index(row, 3);
    view->scrollTo(index);
    QTest::mouseClick(
        view->viewport(), Qt::LeftButton, modifiers, view->visualRect(index).center());
}

// Double-clicks the cell, types the text over what its editor selected, commits it with Return
// and waits until the cell shows it.
inline void typeIntoCell(QTableView *view, int row, int column, const QString &text)
{
    const QPoint centre = view->visualRect(view->model()->index(row, column)).center();
    QTest::mouseClick(view->viewport(), Qt::LeftButton, Qt::NoModifier, centre);
    QTest::mouseDClick(view->viewport(), Qt::LeftButton, Qt::NoModifier, centre);
    QVERIFY(qobject_cast<QLineEdit *>(QApplication::focusWidget()));
    QTest::keyClicks(QApplication::focusWidget(), text);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    QTRY_COMPARE(view->model()->index(row, column).data().toString(), text);
}

// Opens the view's context menu at pos and chooses the item once the menu is up, however long a
// loaded machine takes to show it; a menu without the item is closed unchosen.
inline void chooseFromMenuAt(QTableView *view, const QPoint &pos, const QString &item)
{
    auto *poller = new QTimer(view);
    poller->setInterval(10);
    QObject::connect(poller, &QTimer::timeout, poller, [poller, item] {
        auto *menu = qobject_cast<QMenu *>(QApplication::activePopupWidget());
        if (!menu)
            return;
        poller->stop();
        poller->deleteLater();
        for (QAction *action : menu->actions())
            if (action->text() == item)
                menu->setActiveAction(action);
        if (menu->activeAction())
            QTest::keyClick(menu, Qt::Key_Return);
        else
            menu->close();
    });
    poller->start();
    QContextMenuEvent event(QContextMenuEvent::Mouse, pos, view->viewport()->mapToGlobal(pos));
    QApplication::sendEvent(view->viewport(), &event);
}

// Right-clicks the row and chooses the item of the menu that opens.
inline void chooseFromTableMenu(QTableView *view, int row, const QString &item)
{
    const QPoint pos = view->visualRect(view->model()->index(row, 3)).center();
    QTest::mouseClick(view->viewport(), Qt::RightButton, {}, pos);
    QTimer::singleShot(50, view, [item] {
        auto *menu = qobject_cast<QMenu *>(QApplication::activePopupWidget());
        QVERIFY(menu);
        for (QAction *action : menu->actions())
            if (action->text() == item)
                menu->setActiveAction(action);
        QTest::keyClick(menu, Qt::Key_Return);
    });
    QContextMenuEvent event(QContextMenuEvent::Mouse, pos, view->viewport()->mapToGlobal(pos));
    QApplication::sendEvent(view->viewport(), &event);
}

} // namespace tabletesting
