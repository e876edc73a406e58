// CPauseTimeTableDelegate: edits the PauseTime cell: 0 to 99.999, no sign.
#pragma once

#include "playback/clineedittabledelegate.h"

class CPauseTimeTableDelegate : public CLineEditTableDelegate
{
    Q_OBJECT

public:
    explicit CPauseTimeTableDelegate(QObject *parent = nullptr);
};
