// CMotionStyleTableDelegate: edits the MotionStyle cell: JUMP, MOVJ or MOVL.
#include "playback/cmotionstyletabledelegate.h"

#include "playback/playbackpoint.h"

CMotionStyleTableDelegate::CMotionStyleTableDelegate(QObject *parent)
    : CComboBoxTableDelegate(
        { motionStyleText(JUMP), motionStyleText(MOVJ), motionStyleText(MOVL) }, parent)
{ }
