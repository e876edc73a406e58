// CComboBoxTableDelegate: edits a text cell by choosing one of a fixed list of texts.
#pragma once

#include <QItemDelegate>
#include <QStringList>

class CComboBoxTableDelegate : public QItemDelegate
{
    Q_OBJECT

public:
    CComboBoxTableDelegate(const QStringList &items, QObject *parent);

    QWidget *createEditor(QWidget *parent, const QStyleOptionViewItem &option,
        const QModelIndex &index) const override;
    void setEditorData(QWidget *editor, const QModelIndex &index) const override;
    void setModelData(
        QWidget *editor, QAbstractItemModel *model, const QModelIndex &index) const override;
    void updateEditorGeometry(QWidget *editor, const QStyleOptionViewItem &option,
        const QModelIndex &index) const override;

private:
    const QStringList items;
};
