// CBusyScope: the busy dialog over a window while long work runs on the GUI thread.
#include "widgets/cbusyscope.h"

#include "widgets/cshowbusyindicatordialog.h"

#include <QCoreApplication>
#include <QWidget>

namespace {
// Shorter work is over before a dialog would be noticed; it would only flicker.
constexpr qint64 showAfterMs = 500;
// Often enough for the indicator's 50 ms steps and for a window dragged over this one.
constexpr qint64 eventsEveryMs = 30;
} // namespace

CBusyScope::CBusyScope(QWidget *window)
    : window(window)
{
    sinceStart.start();
    sinceEvents.start();
}

CBusyScope::~CBusyScope()
{
    delete dialog;
}

void CBusyScope::keepAlive()
{
    if (!window || !window->isVisible() || sinceEvents.elapsed() < eventsEveryMs)
        return;
    if (!dialog && sinceStart.elapsed() >= showAfterMs) {
        dialog = new CShowBusyIndicatorDialog(window);
        dialog->show();
        dialog->raise();
    }
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    sinceEvents.start();
}
