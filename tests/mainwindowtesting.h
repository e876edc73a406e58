// Shared set-up for the tests that drive a whole main window against the simulated arm.
#pragma once

#include "app/mainwindow.h"
#include "arvexsimtesting.h"
#include "options/coptions.h"
#include "playback/cplaybackmanager.h"

#include <QAction>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

#include <algorithm>
#include <memory>

namespace mainwindowtesting {

// The folders that ship beside the program; the parameter store does not create them.
inline void prepareProgramFolder()
{
    const QDir dir(QCoreApplication::applicationDirPath());
    dir.mkpath(QStringLiteral("file"));
    dir.mkpath(QStringLiteral("hex"));
    QFile::remove(dir.filePath(QStringLiteral("file/PlaybackPoints.xml")));
    QFile::remove(dir.filePath(QStringLiteral("file/PlaybackPoints.xml.bak")));
    // Tests of the window itself do not want the firmware notice over it.
    COptions::instance()->setUpgrade(1);
}

// A window that edited its table and went without the save at quit leaves the table beside the
// points file, and the next window offers it at connection.
inline void removeUnsavedTable()
{
    QFile::remove(QCoreApplication::applicationDirPath()
        + QStringLiteral("/file/PlaybackPoints-autosave.xml"));
}

// A shown window; unless told to keep it, without an unsaved table of an earlier window to offer.
inline std::unique_ptr<MainWindow> createWindow(bool keepUnsavedTable = false)
{
    if (!keepUnsavedTable)
        removeUnsavedTable();
    auto window = std::make_unique<MainWindow>();
    window->show();
    return window;
}

// The bytes the program's own writer gives for points.
inline QByteArray pointsFileBytes(const PlaybackPoints &points)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("points.xml"));
    CPlaybackManager::instance()->writePoints(path, points);
    QFile file(path);
    file.open(QIODevice::ReadOnly);
    return file.readAll();
}

inline bool waitUntilConnected(const MainWindow *window)
{
    return QTest::qWaitFor([&] { return window->contentWidget()->isEnabled(); });
}

// The TEACH (0) and PLAYBACK (1) panels: the two children of the window's content.
inline QWidget *panelOf(const MainWindow &window, int index)
{
    return window.contentWidget()
        ->findChildren<QWidget *>(QString(), Qt::FindDirectChildrenOnly)
        .at(index);
}

inline QWidget *teachPanelOf(const MainWindow &window)
{
    return panelOf(window, 0);
}

inline QWidget *playbackPanelOf(const MainWindow &window)
{
    return panelOf(window, 1);
}

inline QAction *action(const QWidget *window, const QString &text)
{
    const auto actions = window->findChildren<QAction *>();
    const auto found = std::find_if(
        actions.begin(), actions.end(), [&](QAction *action) { return action->text() == text; });
    return found == actions.end() ? nullptr : *found;
}

// The Exit action with a key to press: the headless platform follows the Windows key scheme,
// which has no standard Quit key, so it gets the one Linux desktops show.
inline QAction *exitActionWithKey(const QWidget *window)
{
    QAction *exitAct = action(window, QStringLiteral("E&xit"));
    if (exitAct->shortcut().isEmpty())
        exitAct->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Q));
    return exitAct;
}

// Presses a key sequence's first chord on `target` as a keyboard would.
inline void pressKeys(QWidget *target, const QKeySequence &keys)
{
    const int chord = keys[0];
    QTest::keyClick(target, Qt::Key(chord & ~Qt::KeyboardModifierMask),
        Qt::KeyboardModifiers(chord & Qt::KeyboardModifierMask));
}

template <class T = QWidget>
T *child(const QWidget *parent, const QString &objectName)
{
    return parent->findChild<T *>(objectName);
}

// The calls the client made, without the ones its timers repeat all the time.
inline std::vector<arvexsim::Call> commandCalls()
{
    std::vector<arvexsim::Call> result;
    for (const arvexsim::Call &call : arvexsim::calls())
        if (call.function != "PeriodicTask" && call.function != "GetPose")
            result.push_back(call);
    return result;
}

inline QStringList functionNames(const std::vector<arvexsim::Call> &calls)
{
    QStringList names;
    for (const arvexsim::Call &call : calls)
        names << QString::fromStdString(call.function);
    return names;
}

} // namespace mainwindowtesting
