// CDialog: the base of every dialog, a layer over the main window that dims what lies beneath.
#include "widgets/cdialog.h"

#include "widgets/cwidget.h"

#include <QAction>
#include <QApplication>
#include <QHBoxLayout>
#include <QHideEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QPalette>
#include <QPushButton>
#include <QShortcut>
#include <QShowEvent>
#include <QVBoxLayout>

#include <algorithm>

namespace {
// The main window's fixed size, which the layer covers.
const QSize layerSize(1280, 720);
const int titleBarHeight = 42;

// Shown dialogs, the last shown on top; only that one takes input.
QList<CDialog *> &openDialogs()
{
    static QList<CDialog *> dialogs;
    return dialogs;
}

bool isUserInput(QEvent::Type type)
{
    switch (type) {
    case QEvent::KeyPress:
    case QEvent::KeyRelease:
    case QEvent::ShortcutOverride:
    case QEvent::Shortcut:
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
    case QEvent::Wheel:
    case QEvent::ContextMenu:
    case QEvent::DragEnter:
    case QEvent::DragMove:
    case QEvent::Drop:
    case QEvent::TouchBegin:
    case QEvent::TouchUpdate:
    case QEvent::TouchEnd:
    case QEvent::TabletPress:
    case QEvent::TabletRelease:
        return true;
    default:
        return false;
    }
}

// The first widget of `window`'s tab chain that can take the focus and that `skip` does not hold.
QWidget *firstFocusable(QWidget *window, const QWidget *skip)
{
    for (QWidget *next = window->nextInFocusChain(); next != window;
         next = next->nextInFocusChain())
        if ((next->focusPolicy() & Qt::TabFocus) && next->isEnabled() && next->isVisible()
            && next->window() == window && !next->focusProxy() && !skip->isAncestorOf(next))
            return next;
    return nullptr;
}
} // namespace

CDialog::CDialog(QWidget *parent)
    : QWidget(parent)
{
    resize(layerSize);
    // A sub-window keeps Tab and Backtab among its own children.
    setWindowFlags(Qt::SubWindow | Qt::FramelessWindowHint);
    setWindowModality(Qt::ApplicationModal);
    // Clicks on the dimmed layer stay here instead of reaching the window beneath.
    setAttribute(Qt::WA_NoMousePropagation);

    // Created first, so everything the concrete dialog adds lies above it.
    auto *dimmingLayer = new QWidget(this, Qt::FramelessWindowHint);
    dimmingLayer->resize(layerSize);
    QPalette palette = dimmingLayer->palette();
    palette.setBrush(QPalette::All, QPalette::Window, QColor(0, 0, 0, 128));
    dimmingLayer->setPalette(palette);
    dimmingLayer->setAutoFillBackground(true);
}

CDialog::~CDialog()
{
    release();
}

CDialog *CDialog::topmostOpen()
{
    return openDialogs().isEmpty() ? nullptr : openDialogs().last();
}

void CDialog::setRejectOnEscape(bool rejects)
{
    rejectOnEscape = rejects;
}

void CDialog::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    // The window behind was restored from its minimised state; nothing has changed.
    if (event->spontaneous() || openDialogs().contains(this))
        return;
    openDialogs().append(this);
    qApp->installEventFilter(this);
    raise();
    QWidget *focus = window()->focusWidget();
    if (!isAncestorOf(focus)) {
        focusBefore = focus;
        focusFirstChild();
    }
}

void CDialog::hideEvent(QHideEvent *event)
{
    QWidget::hideEvent(event);
    if (!event->spontaneous())
        release();
}

void CDialog::release()
{
    if (!openDialogs().removeOne(this))
        return;
    qApp->removeEventFilter(this);
    // A window that is closing or being destroyed takes the focus with it.
    QWidget *focus = window()->focusWidget();
    if (!window()->isVisible() || (focus && !isAncestorOf(focus)))
        return;
    CDialog *below = openDialogs().isEmpty() ? nullptr : openDialogs().last();
    if (focusBefore && focusBefore->isEnabled() && focusBefore->isVisible()
        && (!below || below->isAncestorOf(focusBefore)))
        focusBefore->setFocus(Qt::OtherFocusReason);
    else if (below)
        below->focusFirstChild();
    else if (QWidget *first = firstFocusable(window(), this))
        first->setFocus(Qt::OtherFocusReason);
    else if (focus)
        focus->clearFocus();
}

void CDialog::focusFirstChild()
{
    QWidget *focus = window()->focusWidget();
    if (!focusNextPrevChild(true) && focus && !isAncestorOf(focus))
        focus->clearFocus();
}

bool CDialog::eventFilter(QObject *watched, QEvent *event)
{
    if (!isUserInput(event->type()) || topmostOpen() != this)
        return false;
    const auto *widget = qobject_cast<const QWidget *>(watched);
    // Escape typed anywhere in the window, also where the focus was left behind the dialog.
    if (rejectOnEscape && event->type() == QEvent::KeyPress
        && static_cast<QKeyEvent *>(event)->key() == Qt::Key_Escape
        && static_cast<QKeyEvent *>(event)->modifiers() == Qt::NoModifier && widget
        && widget->window() == window()) {
        reject();
        return true;
    }
    return isBehind(watched);
}

bool CDialog::isBehind(const QObject *receiver) const
{
    if (const auto *widget = qobject_cast<const QWidget *>(receiver))
        return covers(widget);
    if (const auto *shortcut = qobject_cast<const QShortcut *>(receiver))
        return covers(shortcut->parentWidget());
    if (const auto *action = qobject_cast<const QAction *>(receiver)) {
        const auto widgets = action->associatedWidgets();
        return std::any_of(widgets.begin(), widgets.end(),
            [this](const QWidget *widget) { return covers(widget); });
    }
    return false;
}

bool CDialog::covers(const QWidget *widget) const
{
    return widget && widget != this && widget->window() == window() && !isAncestorOf(widget);
}

void CDialog::accept()
{
    closeAndHide();
    emit accepted();
    emit finished(1);
}

void CDialog::reject()
{
    closeAndHide();
    emit rejected();
    emit finished(0);
}

void CDialog::done(int result)
{
    closeAndHide();
    emit finished(result);
}

void CDialog::closeAndHide()
{
    close();
    hide();
    setVisible(false);
}

QWidget *CDialog::createFramedContent(const QString &title, const QSize &contentSize)
{
    auto *frame = new CWidget(this);
    frame->resize(contentSize.width(), contentSize.height() + titleBarHeight);
    frame->move((width() - frame->width()) / 2, (height() - frame->height()) / 2);
    frame->setWindowTitle(title);
    connect(frame, SIGNAL(closeBtnClicked()), this, SLOT(reject()));

    auto *content = new QWidget(this);
    content->resize(contentSize);
    new QVBoxLayout(content);
    frame->setContentWidget(content);

    auto *whiteGround = new QWidget(content);
    whiteGround->resize(contentSize);
    whiteGround->setStyleSheet("background-color:#FFFFFF");
    return content;
}

QPushButton *CDialog::createCommonButton(const QString &text, int width, QWidget *parent)
{
    auto *button = new QPushButton(text, parent);
    button->setFixedSize(width, 40);
    button->setStyleSheet(
        "QPushButton{border:none;background-color:#3B5B98; color:white;font:normal normal 16px "
        "\"Arial\";}QPushButton:hover:!pressed{background-color:#174FA4; "
        "color:white;}QPushButton:hover:pressed{background-color:#316AC1; color:white;}");
    return button;
}

QLabel *CDialog::createRichTextLabel(const QString &styleSheet, QWidget *parent)
{
    auto *label = new QLabel(parent);
    label->setStyleSheet(styleSheet);
    label->setTextFormat(Qt::RichText);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    label->setWordWrap(true);
    label->setOpenExternalLinks(true);
    return label;
}

QHBoxLayout *CDialog::createIndentedRow()
{
    auto *row = new QHBoxLayout;
    row->setContentsMargins(30, 0, 30, 0);
    return row;
}
