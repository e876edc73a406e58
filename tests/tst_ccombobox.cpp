// Tests of CComboBox: its read-only line edit opens and closes the list when clicked.
#include "widgets/ccombobox.h"
#include "widgets/panelstyles.h"

#include <QAbstractItemView>
#include <QLineEdit>
#include <QtTest>

class tst_CComboBox : public QObject
{
    Q_OBJECT

private slots:
    void clickTogglesList();
    void panelStyleGreysOutWhenDisabled_data();
    void panelStyleGreysOutWhenDisabled();
};

void tst_CComboBox::clickTogglesList()
{
    QWidget window;
    window.resize(300, 200);
    auto *combo = new CComboBox(&window);
    combo->addItems({ "JUMP", "MOVJ", "MOVL" });
    combo->setGeometry(20, 20, 121, 22);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));

    QTest::keyClicks(combo->lineEdit(), "abc");
    QCOMPARE(combo->lineEdit()->text(), QString("JUMP"));
    QCOMPARE(combo->lineEdit()->alignment(), Qt::AlignCenter);

    for (const bool listShown : { true, false, true }) {
        QTest::mouseClick(combo->lineEdit(), Qt::LeftButton);
        QTRY_COMPARE(combo->view()->isVisible(), listShown);
    }

    // Choosing from the list closes it and shows the choice.
    QAbstractItemView *list = combo->view();
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
        list->visualRect(combo->model()->index(2, 0)).center());
    QTRY_VERIFY(!list->isVisible());
    QCOMPARE(combo->lineEdit()->text(), QString("MOVL"));
}

void tst_CComboBox::panelStyleGreysOutWhenDisabled_data()
{
    QTest::addColumn<int>("lineEditPixelSize");
    QTest::addColumn<QSize>("size");
    QTest::newRow("jog mode") << 16 << QSize(337, 40);
    QTest::newRow("motion style") << 14 << QSize(121, 22);
}

void tst_CComboBox::panelStyleGreysOutWhenDisabled()
{
    QFETCH(int, lineEditPixelSize);
    QFETCH(QSize, size);
    QWidget window;
    window.resize(400, 100);
    auto *combo = new CComboBox(&window);
    combo->addItems({ "Axis", "Linear" });
    combo->setGeometry(QRect(QPoint(10, 10), size));
    PanelStyles::applyBlueComboBox(combo, lineEditPixelSize);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));

    const QColor blue(0x3B, 0x5B, 0x98);
    const QColor disabledGround(0xEE, 0xF3, 0xF9);
    const auto countPixels = [&](const QColor &colour) {
        const QImage image = combo->grab().toImage();
        int count = 0;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                count += image.pixelColor(x, y) == colour ? 1 : 0;
        return count;
    };
    const int area = size.width() * size.height();
    QVERIFY(countPixels(blue) > area / 2);

    window.setEnabled(false);
    QCOMPARE(countPixels(blue), 0);
    QVERIFY(countPixels(disabledGround) > area / 2);
    // The drop-down area at the right turns grey with the rest.
    const QImage image = combo->grab().toImage();
    QCOMPARE(image.pixelColor(size.width() - 5, size.height() / 2), disabledGround);
}

QTEST_MAIN(tst_CComboBox)
#include "tst_ccombobox.moc"
