// Tests of CWidget: the title bar, the content widget and dragging and resizing by the mouse.
#include "widgets/cwidget.h"

#include <QApplication>
#include <QDesktopWidget>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QVBoxLayout>
#include <QtTest>

Q_DECLARE_METATYPE(Qt::MouseButton)

class tst_CWidget : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { Q_INIT_RESOURCE(resources); }
    void init();
    void cleanup();

    void titleBar();
    void setContentWidget();
    void mouse_data();
    void mouse();

private:
    void sendMouse(
        QEvent::Type type, const QPoint &global, Qt::MouseButton button, Qt::MouseButtons buttons);

    CWidget *widget = nullptr;
};

void tst_CWidget::init()
{
    widget = new CWidget;
    widget->setGeometry(100, 100, 300, 200);
    widget->show();
    QVERIFY(QTest::qWaitForWindowExposed(widget));
}

void tst_CWidget::cleanup()
{
    delete widget;
}

// As the window system delivers it: the position is given on the screen.
void tst_CWidget::sendMouse(
    QEvent::Type type, const QPoint &global, Qt::MouseButton button, Qt::MouseButtons buttons)
{
    const QPoint local = widget->mapFromGlobal(global);
    QMouseEvent event(type, local, local, global, button, buttons, Qt::NoModifier);
    QApplication::sendEvent(widget, &event);
}

void tst_CWidget::titleBar()
{
    auto *label = widget->findChild<QLabel *>();
    widget->setWindowTitle("Arvex Client v1.0");
    QCOMPARE(label->text(), QString("Arvex Client v1.0"));
    widget->setWindowTitle("ERROR");
    QCOMPARE(label->text(), QString("ERROR"));

    auto *downBtn = widget->findChild<QPushButton *>("downBtn");
    auto *minimumBtn = widget->findChild<QPushButton *>("minimumBtn");
    QPushButton *closeBtn = widget->findChildren<QPushButton *>().last();
    QVERIFY(!downBtn->isVisible() && !minimumBtn->isVisible() && closeBtn->isVisible());
    widget->setDownBtnVisible(true);
    widget->setMinimumBtnVisible(true);
    QVERIFY(downBtn->isVisible() && minimumBtn->isVisible());

    QList<bool> visibleAtSignal;
    connect(widget, &CWidget::closeBtnClicked, [&] { visibleAtSignal << widget->isVisible(); });
    QTest::mouseClick(closeBtn, Qt::LeftButton);
    QCOMPARE(visibleAtSignal, QList<bool> { false });
}

void tst_CWidget::setContentWidget()
{
    auto *layout = static_cast<QVBoxLayout *>(widget->layout());
    auto *first = new QWidget(widget);
    auto *second = new QWidget(widget);
    widget->setContentWidget(first);
    widget->setContentWidget(second);
    QCOMPARE(layout->indexOf(first), -1);
    QCOMPARE(layout->indexOf(second), 1);

    widget->setContentWidget(nullptr);
    QCOMPARE(widget->contentWidget(), nullptr);
    QCOMPARE(layout->count(), 1);
    QCOMPARE(second->parentWidget(), widget);

    // Content deleted elsewhere does not stay behind as a dangling pointer.
    widget->setContentWidget(first);
    delete first;
    QCOMPARE(widget->contentWidget(), nullptr);
}

void tst_CWidget::mouse_data()
{
    QTest::addColumn<bool>("movable");
    QTest::addColumn<Qt::MouseButton>("button");
    QTest::addColumn<QPoint>("press");
    QTest::addColumn<QPoint>("delta");
    QTest::addColumn<Qt::CursorShape>("hoverCursor");
    QTest::addColumn<QRect>("geometry");

    const auto row = [](const char *name, const QPoint &press, const QPoint &delta,
                         Qt::CursorShape cursor, const QRect &geometry) {
        QTest::newRow(name) << true << Qt::LeftButton << press << delta << cursor << geometry;
    };
    // The widget is 300 x 200 at (100, 100); the band along the edges is 5 pixels wide. A dragged
    // edge lands on the cursor, which starts a few pixels inside it.
    row("left", { 3, 100 }, { -20, 0 }, Qt::SizeHorCursor, { 83, 100, 320, 200 });
    row("right", { 297, 100 }, { 30, 5 }, Qt::SizeHorCursor, { 100, 100, 330, 200 });
    row("top", { 150, 2 }, { 7, -10 }, Qt::SizeVerCursor, { 100, 92, 300, 210 });
    row("bottom", { 150, 197 }, { 0, 25 }, Qt::SizeVerCursor, { 100, 100, 300, 225 });
    row("top-left", { 2, 2 }, { -10, -10 }, Qt::SizeFDiagCursor, { 92, 92, 310, 210 });
    row("top-right", { 297, 2 }, { 10, -10 }, Qt::SizeBDiagCursor, { 100, 92, 310, 210 });
    row("bottom-right", { 297, 197 }, { 10, 20 }, Qt::SizeFDiagCursor, { 100, 100, 310, 220 });
    row("bottom-left", { 2, 197 }, { -10, 20 }, Qt::SizeBDiagCursor, { 92, 100, 310, 220 });
    row("last band column", { 295, 100 }, { 5, 0 }, Qt::SizeHorCursor, { 100, 100, 305, 200 });

    // Dragged windows stay reachable: clamped at the desktop's top, left and right, not bottom.
    const QRect desktop = QApplication::desktop()->geometry();
    row("drag", { 5, 100 }, { 30, 40 }, Qt::ArrowCursor, { 130, 140, 300, 200 });
    row("drag past left", { 50, 20 }, { -150, 10 }, Qt::ArrowCursor,
        { desktop.x(), 110, 300, 200 });
    row("drag past right", { 50, 20 }, { desktop.width(), 10 }, Qt::ArrowCursor,
        { desktop.right() + 1 - 300, 110, 300, 200 });
    row("drag past top", { 50, 20 }, { 10, -150 }, Qt::ArrowCursor, { 110, desktop.y(), 300, 200 });
    row("drag past bottom", { 50, 20 }, { 10, desktop.height() }, Qt::ArrowCursor,
        { 110, 100 + desktop.height(), 300, 200 });

    QTest::newRow("right button") << true << Qt::RightButton << QPoint(3, 100) << QPoint(-20, 0)
                                  << Qt::SizeHorCursor << QRect(100, 100, 300, 200);
    QTest::newRow("not movable") << false << Qt::LeftButton << QPoint(3, 100) << QPoint(-20, 0)
                                 << Qt::ArrowCursor << QRect(100, 100, 300, 200);
}

void tst_CWidget::mouse()
{
    QFETCH(bool, movable);
    QFETCH(Qt::MouseButton, button);
    QFETCH(QPoint, press);
    QFETCH(QPoint, delta);
    QFETCH(Qt::CursorShape, hoverCursor);
    QFETCH(QRect, geometry);

    widget->setMovable(movable);
    const QPoint start = widget->mapToGlobal(press);
    sendMouse(QEvent::MouseMove, start, Qt::NoButton, Qt::NoButton);
    QCOMPARE(widget->cursor().shape(), hoverCursor);

    sendMouse(QEvent::MouseButtonPress, start, button, button);
    // The first pixel of the way decides between dragging and resizing, as with a real mouse.
    QCursor::setPos(start);
    sendMouse(QEvent::MouseMove, start, Qt::NoButton, button);
    QCursor::setPos(start + delta);
    sendMouse(QEvent::MouseMove, start + delta, Qt::NoButton, button);
    sendMouse(QEvent::MouseButtonRelease, start + delta, button, Qt::NoButton);
    QCOMPARE(widget->geometry(), geometry);
    QCOMPARE(widget->cursor().shape(), Qt::ArrowCursor);
}

QTEST_MAIN(tst_CWidget)
#include "tst_cwidget.moc"
