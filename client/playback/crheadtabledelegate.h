// CRHeadTableDelegate: edits the rHead cell: -90.999 to 90.999 degrees.
#pragma once

#include "playback/clineedittabledelegate.h"

class CRHeadTableDelegate : public CLineEditTableDelegate
{
    Q_OBJECT

public:
    explicit CRHeadTableDelegate(QObject *parent = nullptr);
};
