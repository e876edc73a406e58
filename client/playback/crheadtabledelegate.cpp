// CRHeadTableDelegate: edits the rHead cell: -90.999 to 90.999 degrees.
#include "playback/crheadtabledelegate.h"

CRHeadTableDelegate::CRHeadTableDelegate(QObject *parent)
    : CLineEditTableDelegate(QStringLiteral("rHead"),
        QStringLiteral(R"(^(-)?([0-9]|[1-8][0-9]|[9][0])(\.\d{0,3})?$)"), 3, { -90.999, 90.999 },
        parent)
{ }
