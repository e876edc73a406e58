// CIsGrabTableDelegate: edits the isGrab cell: false or true.
#pragma once

#include "playback/ccomboboxtabledelegate.h"

class CIsGrabTableDelegate : public CComboBoxTableDelegate
{
    Q_OBJECT

public:
    explicit CIsGrabTableDelegate(QObject *parent = nullptr);
};
