// CComboBoxDelegate: the item delegate of the combo box's list, editing through a large label.
#pragma once

#include <QItemDelegate>

class CComboBoxDelegate : public QItemDelegate
{
    Q_OBJECT

public:
    explicit CComboBoxDelegate(QObject *parent = nullptr);

    QWidget *createEditor(QWidget *parent, const QStyleOptionViewItem &option,
        const QModelIndex &index) const override;
    void setEditorData(QWidget *editor, const QModelIndex &index) const override;
    void setModelData(
        QWidget *editor, QAbstractItemModel *model, const QModelIndex &index) const override;
    void updateEditorGeometry(QWidget *editor, const QStyleOptionViewItem &option,
        const QModelIndex &index) const override;
};
