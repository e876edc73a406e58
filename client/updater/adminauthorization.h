// AdminAuthorization: the elevation prompt on Windows, pkexec (polkit) elsewhere.
#pragma once

#include "adminauthoriser.h"

namespace UpdateKit {

class AdminAuthorization : public AdminAuthoriser
{
public:
    bool hasAdminRights() override;
    // Returns once the program was started or the rights were refused.
    bool executeAsAdmin(const QString &program, const QStringList &arguments) override;
    QString errorString() const override;

    // The Windows parameter string of an argument list: each argument after one blank, quoted
    // so that the program's command-line parser gets the arguments back unchanged.
    static QString parameterString(const QStringList &arguments);

private:
    QString lastError;
};

} // namespace UpdateKit
