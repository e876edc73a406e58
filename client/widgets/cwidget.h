// CWidget: the frameless window with its own title bar, dragged and resized by the mouse.
#pragma once

#include <QPoint>
#include <QPointer>
#include <QRect>
#include <QWidget>

class QMouseEvent;
class QPushButton;
class QVBoxLayout;

class CWidget : public QWidget
{
    Q_OBJECT

public:
    explicit CWidget(QWidget *parent = nullptr);

    // Shows widget below the title bar; the previous content is only taken out of the layout.
    void setContentWidget(QWidget *widget);
    QWidget *contentWidget() const;

    void setDownBtnVisible(bool visible);
    void setMinimumBtnVisible(bool visible);
    // Turns dragging and edge resizing on or off.
    void setMovable(bool movable);

signals:
    void downBtnClicked();
    // Emitted after the widget has been closed by its close button.
    void closeBtnClicked();

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;

private:
    QPushButton *createTitleButton(const QString &imageName);
    void setTitleButtonVisible(const QString &objectName, bool visible);
    int regionAt(const QPoint &pos) const;
    void resizeByRegion();

    bool pressed = false;
    bool dragging = false;
    QPoint pressPos;
    QPoint pressGlobalPos;
    int borderWidth = 5;
    int resizeRegion = 0;
    QRect pressRect;
    bool movable = false;
    // Not owned; a QPointer so that content deleted elsewhere is not left dangling here.
    QPointer<QWidget> content;
    QVBoxLayout *mainLayout = nullptr;
};
