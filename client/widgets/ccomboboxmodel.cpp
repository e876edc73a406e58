// CComboBoxModel: the item model of the combo box's list, with centred items.
#include "widgets/ccomboboxmodel.h"

CComboBoxModel::CComboBoxModel(QObject *parent)
    : QStandardItemModel(parent)
{ }

QVariant CComboBoxModel::data(const QModelIndex &index, int role) const
{
    if (role == Qt::TextAlignmentRole)
        return int(Qt::AlignCenter);
    return QStandardItemModel::data(index, role);
}
