// CNumberCellValidator: the pattern of a number cell, completing unfinished input as 0.
#include "playback/cnumbercellvalidator.h"

#include "playback/playbackpoint.h"

CNumberCellValidator::CNumberCellValidator(const QString &pattern, int decimals, QObject *parent)
    : QRegExpValidator(QRegExp(pattern), parent)
    , decimals(decimals)
{ }

void CNumberCellValidator::fixup(QString &input) const
{
    input = QString::number(double(pointNumber(input)), 'f', decimals);
}
