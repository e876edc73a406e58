// CCoordinateZTableDelegate: edits the Z cell: -139.9 to 139.9 mm.
#pragma once

#include "playback/clineedittabledelegate.h"

class CCoordinateZTableDelegate : public CLineEditTableDelegate
{
    Q_OBJECT

public:
    explicit CCoordinateZTableDelegate(QObject *parent = nullptr);
};
