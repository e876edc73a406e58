// The message boxes of the update flow: modal to their window, or to the application without one.
#pragma once

#include <QMessageBox>

namespace UpdateKit {

QMessageBox::StandardButton showMessageBox(QWidget *parent, QMessageBox::Icon icon,
    const QString &title, const QString &text,
    QMessageBox::StandardButtons buttons = QMessageBox::Ok,
    QMessageBox::StandardButton defaultButton = QMessageBox::NoButton,
    const QString &informativeText = QString());

// The window-modality and title-bar settings that every box of the update flow shares.
void prepareMessageBox(QMessageBox &box, QWidget *parent);

} // namespace UpdateKit
