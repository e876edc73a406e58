// CRowHeaderTint: tints the row headers the model gives a background (out of reach, running).
#pragma once

#include <QObject>

class QHeaderView;

class CRowHeaderTint : public QObject
{
    Q_OBJECT

public:
    explicit CRowHeaderTint(QHeaderView *header);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QHeaderView *header = nullptr;
    bool headerPainting = false;
};
