// CWidget: the frameless window with its own title bar, dragged and resized by the mouse.
#include "widgets/cwidget.h"

#include <QApplication>
#include <QCursor>
#include <QDesktopWidget>
#include <QHBoxLayout>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

// Indexed by region code: 0 none, then 1 top edge clockwise to 8 top-left corner.
const Qt::CursorShape regionCursors[] = {
    Qt::ArrowCursor,
    Qt::SizeVerCursor,
    Qt::SizeBDiagCursor,
    Qt::SizeHorCursor,
    Qt::SizeFDiagCursor,
    Qt::SizeVerCursor,
    Qt::SizeBDiagCursor,
    Qt::SizeHorCursor,
    Qt::SizeFDiagCursor,
};

enum RegionEdge { TopEdge = 1, RightEdge = 2, BottomEdge = 4, LeftEdge = 8 };

const int regionEdges[] = {
    0,
    TopEdge,
    TopEdge | RightEdge,
    RightEdge,
    BottomEdge | RightEdge,
    BottomEdge,
    BottomEdge | LeftEdge,
    LeftEdge,
    TopEdge | LeftEdge,
};

} // namespace

CWidget::CWidget(QWidget *parent)
    : QWidget(parent)
{
    setWindowFlags(Qt::FramelessWindowHint);
    setWindowModality(Qt::ApplicationModal);
    // The resize cursors need move events while no button is held.
    setMouseTracking(true);

    mainLayout = new QVBoxLayout(this);
    mainLayout->setContentsMargins(0, 0, 0, 0);
    mainLayout->setSpacing(0);

    auto *titleBar = new QHBoxLayout;
    titleBar->setContentsMargins(0, 0, 0, 0);
    titleBar->setSpacing(0);
    mainLayout->addLayout(titleBar, 0);

    auto *titleLabel = new QLabel(this);
    titleLabel->setAlignment(Qt::AlignCenter);
    titleLabel->setStyleSheet(
        "QLabel{background-color:#3B5B98; color:white; font:normal normal 20px \"Arial\";}");
    connect(this, SIGNAL(windowTitleChanged(QString)), titleLabel, SLOT(setText(QString)));

    QPushButton *downBtn = createTitleButton("downBtn");
    downBtn->setObjectName("downBtn");
    downBtn->hide();
    connect(downBtn, SIGNAL(clicked()), this, SIGNAL(downBtnClicked()));

    QPushButton *minimumBtn = createTitleButton("minimumBtn");
    minimumBtn->setObjectName("minimumBtn");
    minimumBtn->hide();
    connect(minimumBtn, SIGNAL(clicked()), this, SLOT(showMinimized()));

    QPushButton *closeBtn = createTitleButton("closeBtn");
    closeBtn->setObjectName("closeBtn");
    connect(closeBtn, SIGNAL(clicked()), this, SLOT(close()));
    connect(closeBtn, SIGNAL(clicked()), this, SIGNAL(closeBtnClicked()));

    titleBar->addWidget(titleLabel, 0);
    titleBar->addWidget(downBtn, 0);
    titleBar->addWidget(minimumBtn, 0);
    titleBar->addWidget(closeBtn, 0);
}

QPushButton *CWidget::createTitleButton(const QString &imageName)
{
    auto *button = new QPushButton(this);
    button->setFixedSize(42, 42);
    // Clicked like a native title bar's buttons, never tabbed to: the focus belongs to the content.
    button->setFocusPolicy(Qt::NoFocus);
    button->setStyleSheet(QString("QPushButton{border:none;image:url(:/images/%1_normal.png);}"
                                  "QPushButton:hover:pressed{border:none;image:url(:/images/"
                                  "%1_pressed.png);}"
                                  "QPushButton:hover:!pressed{border:none;image:url(:/images/"
                                  "%1_hover.png);}")
                              .arg(imageName));
    return button;
}

void CWidget::setContentWidget(QWidget *widget)
{
    if (content)
        mainLayout->removeWidget(content);
    content = widget;
    if (content)
        mainLayout->addWidget(content);
}

QWidget *CWidget::contentWidget() const
{
    return content;
}

void CWidget::setDownBtnVisible(bool visible)
{
    setTitleButtonVisible("downBtn", visible);
}

void CWidget::setMinimumBtnVisible(bool visible)
{
    setTitleButtonVisible("minimumBtn", visible);
}

void CWidget::setTitleButtonVisible(const QString &objectName, bool visible)
{
    if (auto *button = findChild<QPushButton *>(objectName, Qt::FindDirectChildrenOnly))
        button->setVisible(visible);
}

void CWidget::setMovable(bool movable)
{
    this->movable = movable;
}

void CWidget::mousePressEvent(QMouseEvent *event)
{
    if (!movable || event->button() != Qt::LeftButton)
        return;
    pressed = true;
    pressPos = event->pos();
    pressGlobalPos = event->globalPos();
    pressRect = QRect(0, 0, width(), height());
}

void CWidget::mouseReleaseEvent(QMouseEvent *event)
{
    if (!movable)
        return;
    pressed = false;
    if (dragging) {
        dragging = false;
        int x = event->globalX() - pressPos.x();
        int y = event->globalY() - pressPos.y();
        // Keeps the title bar reachable; the window may hang below the screen's bottom. The
        // desktop need not start at 0, with a screen left of or above the primary one.
        const QRect desktop = QApplication::desktop()->geometry();
        if (x < desktop.x())
            x = desktop.x();
        else if (x + width() > desktop.x() + desktop.width())
            x = desktop.x() + desktop.width() - width();
        if (y < desktop.y())
            y = desktop.y();
        move(x, y);
    }
    resizeRegion = 0;
    setCursor(Qt::ArrowCursor);
}

void CWidget::mouseMoveEvent(QMouseEvent *event)
{
    if (!movable)
        return;
    if (resizeRegion != 0) {
        resizeByRegion();
        return;
    }
    if (dragging) {
        move(event->globalPos() - pressPos);
        return;
    }

    const QPoint pos = event->pos();
    const bool leftHeld = pressed && (event->buttons() & Qt::LeftButton);
    const QRect inner(QPoint(borderWidth, borderWidth),
        QPoint(width() - borderWidth - 1, height() - borderWidth - 1));
    if (!rect().contains(pos) || inner.contains(pos)) {
        setCursor(Qt::ArrowCursor);
        if (leftHeld) {
            dragging = true;
            move(event->globalPos() - pressPos);
        }
        return;
    }

    const int region = regionAt(pos);
    setCursor(regionCursors[region]);
    if (leftHeld) {
        resizeRegion = region;
        resizeByRegion();
    }
}

int CWidget::regionAt(const QPoint &pos) const
{
    const int b = borderWidth;
    if (pos.y() <= b)
        return pos.x() <= b ? 8 : pos.x() >= width() - b ? 2 : 1;
    if (pos.y() < height() - b)
        return pos.x() <= b ? 7 : 3;
    return pos.x() <= b ? 6 : pos.x() >= width() - b ? 4 : 5;
}

// Measured from the press, so that the dragged edges land on the cursor.
void CWidget::resizeByRegion()
{
    const QPoint delta = QCursor::pos() - pressGlobalPos;
    const int edges = regionEdges[resizeRegion];

    int newWidth = width();
    if (edges & LeftEdge)
        newWidth = pressRect.width() - delta.x();
    else if (edges & RightEdge)
        newWidth = pressRect.width() + delta.x();
    int newHeight = height();
    if (edges & TopEdge)
        newHeight = pressRect.height() - delta.y();
    else if (edges & BottomEdge)
        newHeight = pressRect.height() + delta.y();
    resize(newWidth, newHeight);

    if (edges & (LeftEdge | TopEdge)) {
        move(edges & LeftEdge ? pressGlobalPos.x() + delta.x() : x(),
            edges & TopEdge ? pressGlobalPos.y() + delta.y() : y());
    }
}
