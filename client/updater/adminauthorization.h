// AdminAuthorization: the elevation prompt on Windows, pkexec (polkit) elsewhere.
#pragma once

#include "adminauthoriser.h"

namespace UpdateKit {

class AdminAuthorization : public AdminAuthoriser
{
public:
    bool hasAdminRights() override;
    bool executeAsAdmin(const QString &program, const QStringList &arguments) override;

    // The Windows parameter string of an argument list: each argument after one blank, quoted
    // so that the program's command-line parser gets the arguments back unchanged.
    static QString parameterString(const QStringList &arguments);
};

} // namespace UpdateKit
