// CLineEditTableDelegate: edits a number cell in a line edit restricted by a pattern.
#pragma once

#include <QItemDelegate>

class CLineEditTableDelegate : public QItemDelegate
{
    Q_OBJECT

public:
    struct Range
    {
        double lowest;
        double highest;
    };

    // Stores what was typed as text with the given decimals. A key the pattern refuses shows the
    // column's range, which the pattern admits, in a tool tip.
    CLineEditTableDelegate(const QString &columnName, const QString &pattern, int decimals,
        Range range, QObject *parent);

    QWidget *createEditor(QWidget *parent, const QStyleOptionViewItem &option,
        const QModelIndex &index) const override;
    void setEditorData(QWidget *editor, const QModelIndex &index) const override;
    void setModelData(
        QWidget *editor, QAbstractItemModel *model, const QModelIndex &index) const override;
    void updateEditorGeometry(QWidget *editor, const QStyleOptionViewItem &option,
        const QModelIndex &index) const override;

private:
    QString numberText(const QString &text) const;
    QString rangeText() const;

    const QString columnName;
    const QString pattern;
    const int decimals = 0;
    const Range range;
};
