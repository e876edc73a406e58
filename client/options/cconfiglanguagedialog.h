// CConfigLanguageDialog: chooses the interface language for the next start.
#pragma once

#include "widgets/cdialog.h"

class QComboBox;

class CConfigLanguageDialog : public CDialog
{
    Q_OBJECT

public:
    explicit CConfigLanguageDialog(QWidget *parent = nullptr);

private slots:
    void onConfirmBtnClicked();

private:
    QComboBox *languageBox = nullptr;
};
