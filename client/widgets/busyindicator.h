// BusyIndicator: a spinner of rectangles, dots or an arc that turns while work is going on.
#pragma once

#include <QColor>
#include <QTimer>
#include <QWidget>

class QPaintEvent;
class QPixmap;

class BusyIndicator : public QWidget
{
    Q_OBJECT

public:
    enum IndicatorStyle { Rectangles = 0, Dots = 1, Arc = 2 };

    explicit BusyIndicator(QWidget *parent = nullptr);

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

    void setIndicatorStyle(int style);
    int indicatorStyle() const;
    // Takes effect with the next repaint, which the running timer brings within 50 ms.
    void setColor(const QColor &color);

protected:
    void paintEvent(QPaintEvent *event) override;

private slots:
    void rotate();

private:
    QPixmap generatePixmap(int side) const;

    QTimer timer;
    int angle = 0;
    int currentStyle = Arc;
    QColor color;
};
