// CShowBusyIndicatorDialog: dims the main window and spins an indicator while the client waits.
#include "widgets/cshowbusyindicatordialog.h"

#include "widgets/busyindicator.h"

#include <QVBoxLayout>

CShowBusyIndicatorDialog::CShowBusyIndicatorDialog(QWidget *parent)
    : CDialog(parent)
{
    // The wait cannot be cancelled.
    setRejectOnEscape(false);
    const int side = 80;
    // Centred below the level of the title bar, as if the dialog had a frame.
    auto *holder = new QWidget(this);
    holder->setGeometry((width() - side) / 2, (height() - side) / 2 + 42, side, side);
    auto *layout = new QVBoxLayout(holder);
    layout->setContentsMargins(0, 0, 0, 0);

    auto *indicator = new BusyIndicator(holder);
    indicator->setColor(QColor(255, 255, 255, 255));
    indicator->setIndicatorStyle(BusyIndicator::Rectangles);
    layout->addWidget(indicator);
}
