// CCoordinateXTableDelegate: edits the X cell: -319.9 to 319.9 mm.
#pragma once

#include "playback/clineedittabledelegate.h"

class CCoordinateXTableDelegate : public CLineEditTableDelegate
{
    Q_OBJECT

public:
    explicit CCoordinateXTableDelegate(QObject *parent = nullptr);
};
