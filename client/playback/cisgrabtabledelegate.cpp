// CIsGrabTableDelegate: edits the isGrab cell: false or true.
#include "playback/cisgrabtabledelegate.h"

CIsGrabTableDelegate::CIsGrabTableDelegate(QObject *parent)
    : CComboBoxTableDelegate({ QStringLiteral("false"), QStringLiteral("true") }, parent)
{ }
