// Tests of CComboBox: its read-only line edit opens and closes the list when clicked.
#include "widgets/ccombobox.h"

#include <QAbstractItemView>
#include <QLineEdit>
#include <QtTest>

class tst_CComboBox : public QObject
{
    Q_OBJECT

private slots:
    void clickTogglesList();
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

QTEST_MAIN(tst_CComboBox)
#include "tst_ccombobox.moc"
