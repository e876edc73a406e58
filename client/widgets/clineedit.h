// CLineEdit: a line edit that reports a mouse click, for the combo box whose list it toggles.
#pragma once

#include <QLineEdit>

class QMouseEvent;

class CLineEdit : public QLineEdit
{
    Q_OBJECT

public:
    explicit CLineEdit(QWidget *parent = nullptr);

signals:
    void clicked();

protected:
    // Only reports the click: the line edit's own release handling is not wanted here.
    void mouseReleaseEvent(QMouseEvent *event) override;
};
