// Answering what a test's program opens modally, from the nested event loop that shows it, as a
// user does once it is on the screen.
#pragma once

#include <QApplication>
#include <QTimer>
#include <QWidget>

#include <functional>

namespace modaltesting {

// Runs act on the next visible modal widget of type T. The returned watcher stops looking when it
// is deleted, and goes with owner when nothing of the kind appears.
template <class T>
QTimer *onNextModal(const std::function<void(T *)> &act, QObject *owner = qApp)
{
    auto *watcher = new QTimer(owner);
    watcher->setInterval(10);
    QObject::connect(watcher, &QTimer::timeout, watcher, [watcher, act] {
        auto *modal = qobject_cast<T *>(QApplication::activeModalWidget());
        if (!modal || !modal->isVisible())
            return;
        watcher->stop();
        watcher->deleteLater();
        act(modal);
    });
    watcher->start();
    return watcher;
}

} // namespace modaltesting
