// CMotionStyleTableDelegate: edits the MotionStyle cell: JUMP, MOVJ or MOVL.
#pragma once

#include "playback/ccomboboxtabledelegate.h"

class CMotionStyleTableDelegate : public CComboBoxTableDelegate
{
    Q_OBJECT

public:
    explicit CMotionStyleTableDelegate(QObject *parent = nullptr);
};
