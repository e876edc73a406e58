// CCoordinateXTableDelegate: edits the X cell: -319.9 to 319.9 mm.
#include "playback/ccoordinatextabledelegate.h"

CCoordinateXTableDelegate::CCoordinateXTableDelegate(QObject *parent)
    : CLineEditTableDelegate(QStringLiteral("X"),
        QStringLiteral(R"(^(-)?([0-9]|[1-9][0-9]|[1-2][0-9][0-9]|[3][0-1][0-9])(\.\d{0,1})?$)"), 1,
        { -319.9, 319.9 }, parent)
{ }
