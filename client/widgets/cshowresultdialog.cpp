// CShowResultDialog: reports a failed (error form) or doubtful (warning form) connection.
#include "widgets/cshowresultdialog.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

QLabel *createSeparator(int width, QWidget *parent)
{
    auto *line = new QLabel(parent);
    line->setFixedSize(width, 2);
    line->setStyleSheet("background-color:#000000;");
    return line;
}

} // namespace

CShowResultDialog::CShowResultDialog(int mode, QWidget *parent)
    : CDialog(parent)
    , mode(mode)
{
    const bool errorForm = this->mode == 0;
    QWidget *content
        = createFramedContent(errorForm ? tr("ERROR") : tr("WARNING"), QSize(800, 480));
    auto *contentLayout = static_cast<QVBoxLayout *>(content->layout());
    contentLayout->setContentsMargins(0, 10, 0, 10);

    resultLabel
        = createRichTextLabel("QLabel{color:#3B5B98; font:normal normal 20px \"Arial\";}", content);
    resultLabel->setObjectName("resultLabel");
    QHBoxLayout *resultRow = createIndentedRow();
    resultRow->addWidget(resultLabel);
    contentLayout->addLayout(resultRow);

    auto *tipsHeading = new QLabel(tr("Tips"), content);
    tipsHeading->setFixedSize(40, 30);
    tipsHeading->setAlignment(Qt::AlignCenter);
    tipsHeading->setStyleSheet("QLabel{color:black; font:normal normal 20px \"Arial\";}");
    auto *tipsRow = new QHBoxLayout;
    tipsRow->addWidget(createSeparator(340, content));
    tipsRow->addWidget(tipsHeading);
    tipsRow->addWidget(createSeparator(340, content));
    contentLayout->addLayout(tipsRow);

    tipsLabel
        = createRichTextLabel("QLabel{color:black; font:normal normal 16px \"Arial\";}", content);
    tipsLabel->setObjectName("tipsLabel");
    QHBoxLayout *tipsTextRow = createIndentedRow();
    tipsTextRow->addWidget(tipsLabel);
    contentLayout->addLayout(tipsTextRow);

    contentLayout->addStretch();
    contentLayout->addWidget(createSeparator(800, content));

    auto *buttonRow = new QHBoxLayout;
    buttonRow->setContentsMargins(0, 0, 8, 0);
    buttonRow->addStretch();
    if (errorForm) {
        QPushButton *cancelBtn = createCommonButton(tr("Cancel"), 120, content);
        connect(cancelBtn, SIGNAL(clicked()), this, SLOT(reject()));
        buttonRow->addWidget(cancelBtn);
        QPushButton *tryAgainBtn = createCommonButton(tr("Try Again"), 120, content);
        connect(tryAgainBtn, SIGNAL(clicked()), this, SLOT(accept()));
        buttonRow->addWidget(tryAgainBtn);
    } else {
        QPushButton *confirmBtn = createCommonButton(tr("Confirm"), 120, content);
        connect(confirmBtn, SIGNAL(clicked()), this, SLOT(reject()));
        buttonRow->addWidget(confirmBtn);
    }
    contentLayout->addLayout(buttonRow);
}

void CShowResultDialog::setResult(QString text)
{
    resultLabel->setText(text);
}

void CShowResultDialog::setTips(QString text)
{
    tipsLabel->setText(text);
}
