// CLineEditTableDelegate: edits a number cell in a line edit restricted by a pattern.
#include "playback/clineedittabledelegate.h"

#include "playback/cnumbercellvalidator.h"
#include "playback/playbackpoint.h"

#include <QLineEdit>
#include <QToolTip>

CLineEditTableDelegate::CLineEditTableDelegate(
    const QString &columnName, const QString &pattern, int decimals, Range range, QObject *parent)
    : QItemDelegate(parent)
    , columnName(columnName)
    , pattern(pattern)
    , decimals(decimals)
    , range(range)
{ }

QWidget *CLineEditTableDelegate::createEditor(
    QWidget *parent, const QStyleOptionViewItem &, const QModelIndex &) const
{
    auto *editor = new QLineEdit(parent);
    editor->setValidator(new CNumberCellValidator(pattern, decimals, editor));
    // Without a word, "400" typed into X would read 40 and be stored so.
    connect(editor, &QLineEdit::inputRejected, editor, [this, editor] {
        QToolTip::showText(editor->mapToGlobal(QPoint(0, editor->height())), rangeText(), editor);
    });
    return editor;
}

void CLineEditTableDelegate::setEditorData(QWidget *editor, const QModelIndex &index) const
{
    static_cast<QLineEdit *>(editor)->setText(
        numberText(index.model()->data(index, Qt::EditRole).toString()));
}

void CLineEditTableDelegate::setModelData(
    QWidget *editor, QAbstractItemModel *model, const QModelIndex &index) const
{
    model->setData(index, numberText(static_cast<QLineEdit *>(editor)->text()), Qt::EditRole);
}

void CLineEditTableDelegate::updateEditorGeometry(
    QWidget *editor, const QStyleOptionViewItem &option, const QModelIndex &) const
{
    editor->setGeometry(option.rect);
}

// Unfinished input such as "" or "-" becomes 0.
QString CLineEditTableDelegate::numberText(const QString &text) const
{
    return QString::number(double(pointNumber(text)), 'f', decimals);
}

QString CLineEditTableDelegate::rangeText() const
{
    return tr("%1 must be between %2 and %3")
        .arg(columnName, QString::number(range.lowest, 'f', decimals),
            QString::number(range.highest, 'f', decimals));
}
