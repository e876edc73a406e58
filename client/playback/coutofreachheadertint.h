// COutOfReachHeaderTint: tints the row headers of rows the model marks as out of the arm's reach.
#pragma once

#include <QObject>

class QHeaderView;

class COutOfReachHeaderTint : public QObject
{
    Q_OBJECT

public:
    explicit COutOfReachHeaderTint(QHeaderView *header);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QHeaderView *header = nullptr;
    bool headerPainting = false;
};
