// CBusyScope: the busy dialog over a window while long work runs on the GUI thread.
#pragma once

#include <QElapsedTimer>
#include <QPointer>

class CShowBusyIndicatorDialog;
class QWidget;

// Work that may take long calls keepAlive() often. The window then repaints between steps of the
// work, and once the work has run for half a second the busy dialog covers it and its indicator
// turns. User input waits until the work is done, so nothing can change what the work is working
// on. Nothing shows while the window is hidden (the save at quit).
class CBusyScope
{
public:
    explicit CBusyScope(QWidget *window);
    ~CBusyScope();
    CBusyScope(const CBusyScope &) = delete;
    CBusyScope &operator=(const CBusyScope &) = delete;

    void keepAlive();

private:
    QPointer<QWidget> window;
    QPointer<CShowBusyIndicatorDialog> dialog;
    QElapsedTimer sinceStart;
    QElapsedTimer sinceEvents;
};
