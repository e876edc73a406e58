// CPauseTimeTableDelegate: edits the PauseTime cell: 0 to 99.999, no sign.
#include "playback/cpausetimetabledelegate.h"

CPauseTimeTableDelegate::CPauseTimeTableDelegate(QObject *parent)
    : CLineEditTableDelegate(QStringLiteral("PauseTime"),
        QStringLiteral(R"(^([0-9]|[1-9][0-9])(\.\d{0,3})?$)"), 3, { 0, 99.999 }, parent)
{ }
