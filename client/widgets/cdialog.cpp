// CDialog: the base of every dialog, a layer over the main window that dims what lies beneath.
#include "widgets/cdialog.h"

#include "widgets/cwidget.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPalette>
#include <QPushButton>
#include <QVBoxLayout>

namespace {
// The main window's fixed size, which the layer covers.
const QSize layerSize(1280, 720);
const int titleBarHeight = 42;
} // namespace

CDialog::CDialog(QWidget *parent)
    : QWidget(parent)
{
    resize(layerSize);
    setWindowFlags(Qt::FramelessWindowHint);
    setWindowModality(Qt::ApplicationModal);

    // Created first, so everything the concrete dialog adds lies above it.
    auto *dimmingLayer = new QWidget(this, Qt::FramelessWindowHint);
    dimmingLayer->resize(layerSize);
    QPalette palette = dimmingLayer->palette();
    palette.setBrush(QPalette::All, QPalette::Window, QColor(0, 0, 0, 128));
    dimmingLayer->setPalette(palette);
    dimmingLayer->setAutoFillBackground(true);
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
