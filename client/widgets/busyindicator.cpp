// BusyIndicator: a spinner of rectangles, dots or an arc that turns while work is going on.
#include "widgets/busyindicator.h"

#include <QConicalGradient>
#include <QPainter>
#include <QPixmap>
#include <QPixmapCache>

namespace {
const int stepDegrees = 30;
const int stepCount = 360 / stepDegrees;
} // namespace

BusyIndicator::BusyIndicator(QWidget *parent)
    : QWidget(parent)
    , color(palette().color(QPalette::WindowText))
{
    QSizePolicy policy(QSizePolicy::Preferred, QSizePolicy::Fixed);
    policy.setHeightForWidth(true);
    setSizePolicy(policy);

    connect(&timer, SIGNAL(timeout()), this, SLOT(rotate()));
    timer.start(50);
}

QSize BusyIndicator::sizeHint() const
{
    return QSize(30, 30);
}

QSize BusyIndicator::minimumSizeHint() const
{
    return QSize(80, 80);
}

void BusyIndicator::setIndicatorStyle(int style)
{
    currentStyle = style;
    update();
}

int BusyIndicator::indicatorStyle() const
{
    return currentStyle;
}

void BusyIndicator::setColor(const QColor &color)
{
    this->color = color;
}

void BusyIndicator::rotate()
{
    angle = (angle + stepDegrees) % 360;
    update();
}

void BusyIndicator::paintEvent(QPaintEvent *)
{
    // The colour belongs to the key so that a changed colour is not served old pictures.
    const QString key = QString("%1:%2:%3:%4:%5:%6")
                            .arg(metaObject()->className())
                            .arg(width())
                            .arg(height())
                            .arg(angle)
                            .arg(currentStyle)
                            .arg(color.rgba(), 8, 16, QChar('0'));
    const int side = qMin(width(), height());

    QPixmap pixmap;
    if (!QPixmapCache::find(key, &pixmap)) {
        pixmap = generatePixmap(side);
        QPixmapCache::insert(key, pixmap);
    }

    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.translate(width() / 2 - side / 2, height() / 2 - side / 2);
    painter.drawPixmap(QRect(0, 0, side, side), pixmap);
}

QPixmap BusyIndicator::generatePixmap(int side) const
{
    QPixmap pixmap(side, side);
    pixmap.fill(QColor(0, 0, 0, 0));

    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    // Draw in a 200 x 200 space around the centre, whatever the side.
    painter.translate(side / 2, side / 2);
    painter.scale(side / 200.0, side / 200.0);

    if (currentStyle == Rectangles || currentStyle == Dots) {
        painter.setPen(Qt::NoPen);
        painter.setBrush(color);
        painter.rotate(angle);
        // The leading shape keeps the colour; those behind it fade out like a tail.
        QColor shapeColor = color;
        for (int drawn = 1; drawn <= stepCount; ++drawn) {
            if (currentStyle == Rectangles)
                painter.drawRect(-8, -100, 16, 35);
            else
                painter.drawEllipse(-10, -100, 30, 30);
            painter.rotate(stepDegrees);
            shapeColor.setAlphaF(qreal(stepDegrees * drawn) / 360);
            painter.setBrush(shapeColor);
        }
    } else if (currentStyle == Arc) {
        QColor transparent = color;
        transparent.setAlpha(0);
        QColor opaque = color;
        opaque.setAlpha(255);
        QConicalGradient gradient(0, 0, -angle);
        gradient.setColorAt(0, color);
        gradient.setColorAt(0.8, transparent);
        gradient.setColorAt(1, opaque);
        painter.setPen(QPen(QBrush(gradient), 30));
        painter.drawArc(-85, -85, 170, 170, 0, 360 * 16);
    }
    return pixmap;
}
