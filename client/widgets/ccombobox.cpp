// CComboBox: a combo box whose read-only, centred line edit toggles the list when clicked.
#include "widgets/ccombobox.h"

#include "widgets/ccomboboxdelegate.h"
#include "widgets/ccomboboxmodel.h"
#include "widgets/clineedit.h"

#include <QListView>

CComboBox::CComboBox(QWidget *parent)
    : QComboBox(parent)
{
    auto *model = new CComboBoxModel(this);
    auto *delegate = new CComboBoxDelegate(this);

    // setView hands the list the combo box's own item model, which keeps the items that the
    // panels add.
    auto *listView = new QListView(this);
    listView->setItemDelegateForColumn(0, delegate);
    listView->setModel(model);
    setView(listView);

    auto *edit = new CLineEdit(this);
    edit->setReadOnly(true);
    edit->setAlignment(Qt::AlignCenter);
    setLineEdit(edit);

    connect(edit, SIGNAL(clicked()), this, SLOT(onLineEditClicked()));
}

void CComboBox::onLineEditClicked()
{
    if (view()->isVisible())
        hidePopup();
    else
        showPopup();
}
