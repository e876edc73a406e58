// CComboBoxTableDelegate: edits a text cell by choosing one of a fixed list of texts.
#include "playback/ccomboboxtabledelegate.h"

#include <QComboBox>

CComboBoxTableDelegate::CComboBoxTableDelegate(const QStringList &items, QObject *parent)
    : QItemDelegate(parent)
    , items(items)
{ }

QWidget *CComboBoxTableDelegate::createEditor(
    QWidget *parent, const QStyleOptionViewItem &, const QModelIndex &) const
{
    auto *editor = new QComboBox(parent);
    editor->addItems(items);
    return editor;
}

// A text that is none of the items leaves the combo box without a current item.
void CComboBoxTableDelegate::setEditorData(QWidget *editor, const QModelIndex &index) const
{
    auto *comboBox = static_cast<QComboBox *>(editor);
    comboBox->setCurrentIndex(
        comboBox->findText(index.model()->data(index, Qt::EditRole).toString(),
            Qt::MatchExactly | Qt::MatchCaseSensitive));
}

void CComboBoxTableDelegate::setModelData(
    QWidget *editor, QAbstractItemModel *model, const QModelIndex &index) const
{
    model->setData(index, static_cast<QComboBox *>(editor)->currentText(), Qt::EditRole);
}

void CComboBoxTableDelegate::updateEditorGeometry(
    QWidget *editor, const QStyleOptionViewItem &option, const QModelIndex &) const
{
    editor->setGeometry(option.rect);
}
