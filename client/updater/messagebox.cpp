// The message boxes of the update flow: modal to their window, or to the application without one.
#include "messagebox.h"

namespace UpdateKit {

void prepareMessageBox(QMessageBox &box, QWidget *parent)
{
    box.setWindowModality(parent ? Qt::WindowModal : Qt::ApplicationModal);
    box.setWindowFlag(Qt::WindowContextHelpButtonHint, false);
}

QMessageBox::StandardButton showMessageBox(QWidget *parent, QMessageBox::Icon icon,
    const QString &title, const QString &text, QMessageBox::StandardButtons buttons,
    QMessageBox::StandardButton defaultButton, const QString &informativeText)
{
    QMessageBox box(icon, title, text, buttons, parent);
    prepareMessageBox(box, parent);
    box.setDefaultButton(defaultButton);
    box.setInformativeText(informativeText);
    return static_cast<QMessageBox::StandardButton>(box.exec());
}

} // namespace UpdateKit
