// CCoordinateYTableDelegate: edits the Y cell: -279.9 to 279.9 mm.
#pragma once

#include "playback/clineedittabledelegate.h"

class CCoordinateYTableDelegate : public CLineEditTableDelegate
{
    Q_OBJECT

public:
    explicit CCoordinateYTableDelegate(QObject *parent = nullptr);
};
