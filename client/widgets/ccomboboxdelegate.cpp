// CComboBoxDelegate: the item delegate of the combo box's list, editing through a large label.
#include "widgets/ccomboboxdelegate.h"

#include <QLabel>

CComboBoxDelegate::CComboBoxDelegate(QObject *parent)
    : QItemDelegate(parent)
{ }

QWidget *CComboBoxDelegate::createEditor(
    QWidget *parent, const QStyleOptionViewItem &, const QModelIndex &) const
{
    auto *label = new QLabel(parent);
    QFont font("Arial");
    font.setPixelSize(30);
    label->setFont(font);
    return label;
}

void CComboBoxDelegate::setEditorData(QWidget *editor, const QModelIndex &index) const
{
    static_cast<QLabel *>(editor)->setText(index.model()->data(index, Qt::EditRole).toString());
}

void CComboBoxDelegate::setModelData(
    QWidget *editor, QAbstractItemModel *model, const QModelIndex &index) const
{
    model->setData(index, static_cast<QLabel *>(editor)->text(), Qt::EditRole);
}

void CComboBoxDelegate::updateEditorGeometry(
    QWidget *editor, const QStyleOptionViewItem &option, const QModelIndex &) const
{
    editor->setGeometry(option.rect);
}
