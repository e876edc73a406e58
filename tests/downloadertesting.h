// Shared set-up for the tests that drive the download utility: a pseudo-terminal for the board's
// serial port, the stand-in avrdude beside the test program, and the window.
#pragma once

#include "filetesting.h"
#include "mainwindow.h"
#include "modaltesting.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QPlainTextEdit>
#include <QStatusBar>
#include <QTest>
#include <QTimer>
#include <QToolBar>

#include <fcntl.h>
#include <stdlib.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <chrono>
#include <functional>
#include <memory>
#include <thread>

namespace downloadertesting {

using filetesting::writeFile;
using modaltesting::onNextModal;

inline QByteArray readFile(const QString &path)
{
    return filetesting::readFile(path, {});
}

// A pseudo-terminal whose far end nobody answers on: a serial port without a board.
class PseudoTerminal
{
public:
    PseudoTerminal()
    {
        master = posix_openpt(O_RDWR | O_NOCTTY);
        if (master >= 0 && grantpt(master) == 0 && unlockpt(master) == 0)
            name = QString::fromLocal8Bit(ptsname(master));
    }
    ~PseudoTerminal()
    {
        if (master >= 0)
            ::close(master);
    }
    PseudoTerminal(const PseudoTerminal &) = delete;
    PseudoTerminal &operator=(const PseudoTerminal &) = delete;

    QString name;

private:
    int master = -1;
};

// A named pipe in place of whatever was at path. Reading it waits for a writer; the guard plays one
// for any reader that waits, so that a window reading it fails its test rather than hangs.
class NamedPipe
{
public:
    explicit NamedPipe(const QString &path)
        : path(QFile::encodeName(path))
    {
        ::unlink(this->path.constData());
        ::mkfifo(this->path.constData(), 0600);
        guard = std::thread([this] {
            for (; !done; std::this_thread::sleep_for(std::chrono::milliseconds(20)))
                ::close(::open(this->path.constData(), O_WRONLY | O_NONBLOCK));
        });
    }
    ~NamedPipe()
    {
        done = true;
        guard.join();
        ::unlink(path.constData());
    }

private:
    const QByteArray path;
    std::atomic_bool done { false };
    std::thread guard;
};

inline QString programFile(const QString &relativePath)
{
    return QCoreApplication::applicationDirPath() + QLatin1Char('/') + relativePath;
}

inline QString standInPath()
{
    return programFile(QStringLiteral("file/avrdude"));
}

// Records its arguments (one a line) and the file it was told to flash beside itself, names that
// file, prints a few lines and a UTF-8 word split inside a letter between two writes with text
// after a zero byte, and ends as STANDIN_EXIT says. With STANDIN_IGNORE_TERM it does not end when
// asked to; with STANDIN_CHILD it starts a child that would run on and writes its pid there.
inline const char standInScript[] = R"(#!/bin/sh
[ -n "$STANDIN_IGNORE_TERM" ] && trap '' TERM
printf '%s\n' "$@" > "$0.args"
for arg in "$@"; do
    case "$arg" in -Uflash:w:*) file=${arg#-Uflash:w:}; file=${file%:i}; cat "$file" > "$0.flashed";; esac
done
printf 'Reading %s\n' "$file"
if [ -n "$STANDIN_CHILD" ]; then
    sleep 1000 >/dev/null 2>&1 &
    echo $! > "$STANDIN_CHILD"
fi
i=0
while [ $i -lt "${STANDIN_LINES:-3}" ]; do echo "avrdude stand-in line $i"; i=$((i+1)); done
if [ -n "$STANDIN_WAIT_FOR" ]; then
    while [ ! -e "$STANDIN_WAIT_FOR" ]; do sleep 0.02; done
fi
printf 'Fl\303'; sleep 0.1; printf '\244che\000not shown\n'
[ "$STANDIN_EXIT" = crash ] && kill -SEGV $$
exit "${STANDIN_EXIT:-0}"
)";

inline bool installStandIn(bool executable = true)
{
    QDir().mkpath(programFile(QStringLiteral("file")));
    QFile::remove(standInPath());
    QFile script(standInPath());
    if (!script.open(QIODevice::WriteOnly) || script.write(standInScript) < 0)
        return false;
    script.close();
    QFile::Permissions permissions = QFile::ReadOwner | QFile::WriteOwner;
    if (executable)
        permissions |= QFile::ExeOwner;
    return script.setPermissions(permissions);
}

inline void removeStandIn()
{
    QFile::remove(standInPath());
    QFile::remove(standInPath() + QStringLiteral(".args"));
    QFile::remove(standInPath() + QStringLiteral(".flashed"));
}

inline QStringList standInArguments()
{
    const QString text = QString::fromLocal8Bit(readFile(standInPath() + QStringLiteral(".args")));
    return text.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
}

inline QAction *action(const QWidget *window, const char *objectName)
{
    return window->findChild<QAction *>(QLatin1String(objectName));
}

inline QPlainTextEdit *outputView(const QWidget *window)
{
    return window->findChild<QPlainTextEdit *>(QStringLiteral("outputView"));
}

inline QPlainTextEdit *hexView(const QWidget *window)
{
    return window->findChild<QPlainTextEdit *>(QStringLiteral("hexView"));
}

// The tool bar button of the Download action, as the user clicks it.
inline QWidget *downloadButton(const QWidget *window)
{
    const auto *toolBar = window->findChild<QToolBar *>(QStringLiteral("toolToolBar"));
    return toolBar->widgetForAction(action(window, "downloadAct"));
}

// The state of the run as the status bar shows it.
inline QString runStatus(const QWidget *window)
{
    const auto *label = window->findChild<QLabel *>(QStringLiteral("runStatus"));
    return label && label->isVisibleTo(window) ? label->text() : QString();
}

inline QStringList outputLines(const QWidget *window)
{
    return outputView(window)->toPlainText().split(QLatin1Char('\n'), Qt::SkipEmptyParts);
}

inline std::unique_ptr<MainWindow> createWindow(const QStringList &options = {})
{
    return std::make_unique<MainWindow>(
        QStringList { QStringLiteral("ArvexDownloadUtil") } + options);
}

inline bool runFinished(const QWidget *window)
{
    return QTest::qWaitFor([window] { return action(window, "downloadAct")->isEnabled(); }, 60000);
}

} // namespace downloadertesting
