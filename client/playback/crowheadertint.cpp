// CRowHeaderTint: tints the row headers the model gives a background (out of reach, running).
#include "playback/crowheadertint.h"

#include <QCoreApplication>
#include <QEvent>
#include <QHeaderView>
#include <QPainter>

#include <algorithm>

CRowHeaderTint::CRowHeaderTint(QHeaderView *header)
    : QObject(header)
    , header(header)
{
    header->viewport()->installEventFilter(this);
}

bool CRowHeaderTint::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() != QEvent::Paint || watched != header->viewport() || !header->model()
        || headerPainting)
        return false;
    // The header's style sheet ignores the sections' background role: let the header paint,
    // then tint the marked sections over it, keeping their borders and numbers readable.
    headerPainting = true;
    QCoreApplication::sendEvent(watched, event);
    headerPainting = false;

    QPainter painter(header->viewport());
    painter.setCompositionMode(QPainter::CompositionMode_Multiply);
    const int first = std::max(header->visualIndexAt(0), 0);
    const int last = header->visualIndexAt(header->viewport()->height() - 1);
    const int end = last < 0 ? header->count() - 1 : last;
    for (int visual = first; visual <= end; ++visual) {
        const int section = header->logicalIndex(visual);
        const QVariant tint
            = header->model()->headerData(section, header->orientation(), Qt::BackgroundRole);
        if (tint.isValid())
            painter.fillRect(QRect(0, header->sectionViewportPosition(section), header->width(),
                                 header->sectionSize(section)),
                tint.value<QColor>());
    }
    return true;
}
