// CLineEditTableDelegate: edits a number cell in a line edit restricted by a pattern.
#pragma once

#include <QItemDelegate>

class CLineEditTableDelegate : public QItemDelegate
{
    Q_OBJECT

public:
    // Stores what was typed as text with the given decimals.
    CLineEditTableDelegate(const QString &pattern, int decimals, QObject *parent);

    QWidget *createEditor(QWidget *parent, const QStyleOptionViewItem &option,
        const QModelIndex &index) const override;
    void setEditorData(QWidget *editor, const QModelIndex &index) const override;
    void setModelData(
        QWidget *editor, QAbstractItemModel *model, const QModelIndex &index) const override;
    void updateEditorGeometry(QWidget *editor, const QStyleOptionViewItem &option,
        const QModelIndex &index) const override;

private:
    QString numberText(const QString &text) const;

    const QString pattern;
    const int decimals = 0;
};
