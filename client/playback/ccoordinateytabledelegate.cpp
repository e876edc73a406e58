// CCoordinateYTableDelegate: edits the Y cell: -279.9 to 279.9 mm.
#include "playback/ccoordinateytabledelegate.h"

CCoordinateYTableDelegate::CCoordinateYTableDelegate(QObject *parent)
    : CLineEditTableDelegate(QStringLiteral("Y"),
        QStringLiteral(R"(^(-)?([0-9]|[1-9][0-9]|[1][0-9][0-9]|[2][0-7][0-9])(\.\d{0,1})?$)"), 1,
        { -279.9, 279.9 }, parent)
{ }
