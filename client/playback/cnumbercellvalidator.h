// CNumberCellValidator: the pattern of a number cell, completing unfinished input as 0.
#pragma once

#include <QRegExpValidator>

class CNumberCellValidator : public QRegExpValidator
{
    Q_OBJECT

public:
    // Text left unfinished ("" or "-") becomes a number with the given decimals.
    CNumberCellValidator(const QString &pattern, int decimals, QObject *parent);

    // The item view commits an editor only when its text is acceptable or fixed up to be so.
    void fixup(QString &input) const override;

private:
    const int decimals = 0;
};
