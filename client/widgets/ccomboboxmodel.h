// CComboBoxModel: the item model of the combo box's list, with centred items.
#pragma once

#include <QStandardItemModel>

class CComboBoxModel : public QStandardItemModel
{
    Q_OBJECT

public:
    explicit CComboBoxModel(QObject *parent = nullptr);

    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
};
