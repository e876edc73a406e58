// CGripperTableDelegate: edits the Gripper cell: -70.999 to 70.999.
#include "playback/cgrippertabledelegate.h"

CGripperTableDelegate::CGripperTableDelegate(QObject *parent)
    : CLineEditTableDelegate(QStringLiteral("Gripper"),
        QStringLiteral(R"(^(-)?([0-9]|[1-6][0-9]|[7][0])(\.\d{0,3})?$)"), 3, { -70.999, 70.999 },
        parent)
{ }
