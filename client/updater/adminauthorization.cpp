// AdminAuthorization: the elevation prompt on Windows, pkexec (polkit) elsewhere.
#include "adminauthorization.h"

#include <QCoreApplication>
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

QString AdminAuthorization::errorString() const
{
    return lastError;
}

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
    lastError = started ? QString()
                        : QCoreApplication::translate("UpdateKit::AdminAuthorization",
                            "Administrator rights were not granted: the prompt was declined, or "
                            "this computer does not offer it.");
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
    const auto translate = [](const char *text) {
        return QCoreApplication::translate("UpdateKit::AdminAuthorization", text);
    };
    lastError.clear();
    const QString pkexec = QStandardPaths::findExecutable(QStringLiteral("pkexec"));
    const QString setsid = QStandardPaths::findExecutable(QStringLiteral("setsid"));
    if (pkexec.isEmpty() || setsid.isEmpty()) {
        lastError = translate("pkexec, which asks for the administrator's password, was not "
                              "found. Install it (Debian's package \"pkexec\"), or untick "
                              "\"Run with elevated rights\".");
        return false;
    }
    // pkexec answers once the password was given or refused. setsid starts the program in a
    // session of its own and returns at once, so the answer does not wait for the install. No
    // shell parses the arguments.
    QProcess run;
    run.setProgram(pkexec);
    run.setArguments(QStringList { setsid, QStringLiteral("--fork"), program } + arguments);
    run.setWorkingDirectory(QFileInfo(program).absolutePath());
    // The program outlives the client; it must not read or write pipes that close with it.
    run.setStandardInputFile(QProcess::nullDevice());
    run.setStandardOutputFile(QProcess::nullDevice());
    run.setStandardErrorFile(QProcess::nullDevice());
    run.start();
    if (!run.waitForFinished(-1) && run.error() == QProcess::FailedToStart) {
        lastError = translate("pkexec could not be started: %1").arg(run.errorString());
        return false;
    }
    if (run.exitStatus() == QProcess::NormalExit && run.exitCode() == 0)
        return true;
    // 126 and 127 are pkexec's own answers; anything else came from setsid.
    if (run.exitStatus() == QProcess::NormalExit && run.exitCode() == 126)
        lastError = translate("The request for administrator rights was dismissed.");
    else if (run.exitStatus() == QProcess::NormalExit && run.exitCode() == 127)
        lastError = translate("Administrator rights were not granted: the password was refused, "
                              "or no authentication agent could ask for it.");
    else
        lastError = translate("pkexec failed with exit code %1.").arg(run.exitCode());
    return false;
}

#endif

} // namespace UpdateKit
