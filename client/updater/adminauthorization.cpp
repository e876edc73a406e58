// AdminAuthorization: the elevation prompt on Windows, pkexec (polkit) elsewhere.
#include "adminauthorization.h"

#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>

#ifdef Q_OS_WIN
#include <QSettings>
#include <QVariant>

#include <qt_windows.h>

#include <objbase.h>
#include <shellapi.h>
#else
#include <QProcess>
#include <QStandardPaths>

#include <unistd.h>
#endif

namespace UpdateKit {

namespace {

// Backslashes only escape a following quote, so a run of n of them before a quote becomes 2n + 1.
QString escapeQuotes(const QString &argument)
{
    static const QRegularExpression backslashesBeforeQuote(QStringLiteral("(\\\\*)\""));
    QString escaped = argument;
    return escaped.replace(backslashesBeforeQuote, QStringLiteral("\\1\\1\\\""));
}

QString quoteArgument(const QString &argument)
{
    const QString escaped = escapeQuotes(argument);
    if (!escaped.isEmpty() && !escaped.contains(QLatin1Char(' '))
        && !escaped.contains(QLatin1Char('\t')))
        return escaped;
    // Trailing backslashes go after the closing quote, where they cannot escape it.
    int body = escaped.size();
    while (body > 0 && escaped.at(body - 1) == QLatin1Char('\\'))
        --body;
    return QLatin1Char('"') + escaped.left(body) + QLatin1Char('"') + escaped.mid(body);
}

} // namespace

QString AdminAuthorization::parameterString(const QStringList &arguments)
{
    QString parameters;
    for (const QString &argument : arguments)
        parameters += QLatin1Char(' ') + quoteArgument(argument);
    return parameters;
}

#ifdef Q_OS_WIN

bool AdminAuthorization::hasAdminRights()
{
    SID_IDENTIFIER_AUTHORITY ntAuthority = SECURITY_NT_AUTHORITY;
    PSID administrators = nullptr;
    if (!AllocateAndInitializeSid(&ntAuthority, 2, SECURITY_BUILTIN_DOMAIN_RID,
            DOMAIN_ALIAS_RID_ADMINS, 0, 0, 0, 0, 0, 0, &administrators))
        return false;
    BOOL isMember = FALSE;
    if (!CheckTokenMembership(nullptr, administrators, &isMember))
        isMember = FALSE;
    FreeSid(administrators);
    return isMember != FALSE;
}

namespace {

// With "EnableLUA" 0 Windows offers no elevation prompt; "runas" would start without rights.
bool elevationSwitchedOff()
{
    const QSettings policies(QStringLiteral("HKEY_LOCAL_MACHINE\\SOFTWARE\\Microsoft\\Windows\\"
                                            "CurrentVersion\\Policies\\System"),
        QSettings::NativeFormat);
    const QVariant enableLua = policies.value(QStringLiteral("EnableLUA"));
    bool isNumber = false;
    const int value = enableLua.toInt(&isNumber);
    return enableLua.isValid() && isNumber && value == 0;
}

} // namespace

bool AdminAuthorization::executeAsAdmin(const QString &program, const QStringList &arguments)
{
    const HRESULT comResult = CoInitialize(nullptr);
    bool started = false;
    if (hasAdminRights() || !elevationSwitchedOff()) {
        const QString file = QDir::toNativeSeparators(program);
        const QString parameters = parameterString(arguments);
        SHELLEXECUTEINFOW info;
        ZeroMemory(&info, sizeof(info));
        info.cbSize = sizeof(info);
        info.fMask = 0;
        info.hwnd = nullptr;
        info.lpVerb = L"runas";
        info.lpFile = reinterpret_cast<LPCWSTR>(file.utf16());
        info.lpParameters = reinterpret_cast<LPCWSTR>(parameters.utf16());
        info.nShow = SW_SHOW;
        started = ShellExecuteExW(&info) != FALSE;
    }
    if (SUCCEEDED(comResult))
        CoUninitialize();
    return started;
}

#else

bool AdminAuthorization::hasAdminRights()
{
    return geteuid() == 0;
}

bool AdminAuthorization::executeAsAdmin(const QString &program, const QStringList &arguments)
{
    const QString pkexec = QStandardPaths::findExecutable(QStringLiteral("pkexec"));
    if (pkexec.isEmpty())
        return false;
    // pkexec takes the program and its arguments as they are; no shell parses them.
    return QProcess::startDetached(
        pkexec, QStringList(program) + arguments, QFileInfo(program).absolutePath());
}

#endif

} // namespace UpdateKit
