// CConfigLanguageDialog: chooses the interface language for the next start.
#include "options/cconfiglanguagedialog.h"

#include "options/coptions.h"
#include "options/parameterrows.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QMessageBox>
#include <QPushButton>
#include <QVBoxLayout>

CConfigLanguageDialog::CConfigLanguageDialog(QWidget *parent)
    : CDialog(parent)
{
    QWidget *content = createFramedContent(tr("Language"), QSize(400, 100));
    auto *contentLayout = qobject_cast<QVBoxLayout *>(content->layout());
    contentLayout->setContentsMargins(0, 10, 0, 10);

    // Each language in its own script; the index is the stored language value.
    languageBox = new QComboBox(content);
    languageBox->addItems({ "English", "简体中文", "繁體中文" });
    languageBox->setCurrentIndex(COptions::instance()->language());
    auto *boxRow = new QHBoxLayout;
    boxRow->setContentsMargins(30, 0, 30, 0);
    boxRow->addWidget(languageBox);
    contentLayout->addLayout(boxRow);

    QPushButton *cancelBtn = createConfigButton(tr("Cancel"), content);
    connect(cancelBtn, SIGNAL(clicked()), this, SLOT(reject()));
    QPushButton *confirmBtn = createConfigButton(tr("Confirm"), content);
    connect(confirmBtn, SIGNAL(clicked()), this, SLOT(onConfirmBtnClicked()));
    auto *buttonRow = new QHBoxLayout;
    buttonRow->setContentsMargins(0, 0, 8, 0);
    buttonRow->addStretch();
    buttonRow->addWidget(cancelBtn);
    buttonRow->addWidget(confirmBtn);
    contentLayout->addLayout(buttonRow);
}

void CConfigLanguageDialog::onConfirmBtnClicked()
{
    COptions::instance()->setLanguage(languageBox->currentIndex());
    QMessageBox::warning(this, tr("Notice"),
        tr("New language will become effective when the application starts next "
           "time!"),
        QMessageBox::Yes);
    accept();
}
