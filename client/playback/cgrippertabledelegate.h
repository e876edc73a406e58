// CGripperTableDelegate: edits the Gripper cell: -70.999 to 70.999.
#pragma once

#include "playback/clineedittabledelegate.h"

class CGripperTableDelegate : public CLineEditTableDelegate
{
    Q_OBJECT

public:
    explicit CGripperTableDelegate(QObject *parent = nullptr);
};
