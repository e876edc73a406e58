// Shared set-up for the update tests: stand-in maintenance tools beside the test program, and
// answering the modal dialogs that the update flow opens.
#pragma once

#include "modaltesting.h"
#include "updater.h"

#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QStyle>
#include <QStyleOptionButton>
#include <QTest>
#include <QTimer>
#include <QWidget>

#include <functional>

#ifdef Q_OS_UNIX
#include <unistd.h>
#endif

namespace updatetesting {

using modaltesting::onNextModal;

using Updates = QList<UpdateKit::Updater::UpdateInfo>;

inline UpdateKit::Updater::UpdateInfo updateInfo(
    const QString &name, const QString &version, quint64 size)
{
    return { name, QVersionNumber::fromString(version), size };
}

inline QString programDir()
{
    return QCoreApplication::applicationDirPath();
}

inline QString toolFilePath()
{
#ifdef Q_OS_WIN
    return QDir(programDir()).filePath(QStringLiteral("maintenancetool.exe"));
#else
    return QDir(programDir()).filePath(QStringLiteral("maintenancetool"));
#endif
}

// Writes an executable shell script.
inline bool writeScript(const QString &path, const QByteArray &body)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return false;
    file.write("#!/bin/sh\n" + body);
    file.close();
    return file.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner
        | QFileDevice::ExeOwner | QFileDevice::ReadGroup | QFileDevice::ExeGroup);
}

inline bool installTool(const QByteArray &body)
{
    return writeScript(toolFilePath(), body);
}

inline void removeTool()
{
    QFile::remove(toolFilePath());
}

// A tool that prints the output and exits with the code; stderr gets the error text.
inline QByteArray printingTool(
    const QByteArray &output, int exitCode = 0, const QByteArray &errorText = QByteArray())
{
    QByteArray body = "cat <<'END_OF_OUTPUT'\n" + output + "\nEND_OF_OUTPUT\n";
    if (!errorText.isEmpty())
        body += "printf '%s' '" + errorText + "' >&2\n";
    return body + "exit " + QByteArray::number(exitCode) + "\n";
}

// A tool that writes its working directory and then each argument, one a line, to the file.
inline QByteArray recordingTool(const QString &recordFile)
{
    return "{ pwd; for argument in \"$@\"; do printf '%s\\n' \"$argument\"; done; } > '"
        + recordFile.toUtf8() + "'\n";
}

inline QStringList readLines(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return QString::fromUtf8(file.readAll()).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
}

// Clicks where a person does: on the box and its text, not in the empty width of the widget.
inline void clickCheckBox(QCheckBox *checkBox)
{
    QStyleOptionButton option;
    option.initFrom(checkBox);
    option.text = checkBox->text();
    const QRect clickable
        = checkBox->style()->subElementRect(QStyle::SE_CheckBoxClickRect, &option, checkBox);
    QTest::mouseClick(checkBox, Qt::LeftButton, Qt::NoModifier, clickable.center());
}

#ifdef Q_OS_UNIX
// While it lives, tests run as root act as a user without administrator rights (nobody), so an
// elevated install asks pkexec for them.
class WithoutAdminRights
{
public:
    WithoutAdminRights()
        : wasRoot(::geteuid() == 0)
    {
        if (wasRoot && ::seteuid(65534) != 0)
            qFatal("seteuid failed");
    }
    ~WithoutAdminRights()
    {
        if (wasRoot && ::seteuid(0) != 0)
            qFatal("seteuid failed");
    }
    WithoutAdminRights(const WithoutAdminRights &) = delete;
    WithoutAdminRights &operator=(const WithoutAdminRights &) = delete;

private:
    bool wasRoot;
};
#endif

} // namespace updatetesting
