// CRowHeaderView: the table's row header, tinted where the model gives a row a background (out of
// reach, running).
#include "playback/crowheaderview.h"

#include <QPainter>

CRowHeaderView::CRowHeaderView(QWidget *parent)
    : QHeaderView(Qt::Vertical, parent)
{
    // As the header a table view makes for itself.
    setSectionsClickable(true);
    setHighlightSections(true);
}

void CRowHeaderView::paintSection(QPainter *painter, const QRect &rect, int logicalIndex) const
{
    // The section's painting leaves the painter clipped to nothing.
    painter->save();
    QHeaderView::paintSection(painter, rect, logicalIndex);
    painter->restore();
    // The header's style sheet ignores the sections' background role: tint over the section,
    // keeping its border and number readable.
    const QVariant tint = model()->headerData(logicalIndex, orientation(), Qt::BackgroundRole);
    if (!tint.isValid())
        return;
    painter->save();
    painter->setCompositionMode(QPainter::CompositionMode_Multiply);
    painter->fillRect(rect, tint.value<QColor>());
    painter->restore();
}
