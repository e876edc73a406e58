// CComboBox: a combo box whose read-only, centred line edit toggles the list when clicked.
#pragma once

#include <QComboBox>

class CComboBox : public QComboBox
{
    Q_OBJECT

public:
    explicit CComboBox(QWidget *parent = nullptr);

private slots:
    void onLineEditClicked();
};
