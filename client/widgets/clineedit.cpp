// CLineEdit: a line edit that reports a mouse click, for the combo box whose list it toggles.
#include "widgets/clineedit.h"

CLineEdit::CLineEdit(QWidget *parent)
    : QLineEdit(parent)
{ }

void CLineEdit::mouseReleaseEvent(QMouseEvent *)
{
    emit clicked();
}
