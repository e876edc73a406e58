// CRowHeaderView: the table's row header, tinted where the model gives a row a background (out of
// reach, running).
#pragma once

#include <QHeaderView>

class CRowHeaderView : public QHeaderView
{
    Q_OBJECT

public:
    explicit CRowHeaderView(QWidget *parent);

protected:
    void paintSection(QPainter *painter, const QRect &rect, int logicalIndex) const override;
};
