// CCoordinateZTableDelegate: edits the Z cell: -139.9 to 139.9 mm.
#include "playback/ccoordinateztabledelegate.h"

CCoordinateZTableDelegate::CCoordinateZTableDelegate(QObject *parent)
    : CLineEditTableDelegate(QStringLiteral("Z"),
        QStringLiteral(R"(^(-)?([0-9]|[1-9][0-9]|[1][0-3][0-9])(\.\d{0,1})?$)"), 1,
        { -139.9, 139.9 }, parent)
{ }
