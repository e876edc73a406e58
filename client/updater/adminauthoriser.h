// AdminAuthoriser: how the install run is started with administrator rights.
#pragma once

#include <QString>
#include <QStringList>

namespace UpdateKit {

class AdminAuthoriser
{
public:
    virtual ~AdminAuthoriser();
    // Whether this process already has administrator rights.
    virtual bool hasAdminRights() = 0;
    // Starts the program with administrator rights; returns whether it was started.
    virtual bool executeAsAdmin(const QString &program, const QStringList &arguments) = 0;
    // Why the last executeAsAdmin did not start the program, for the user; empty when unknown.
    virtual QString errorString() const;
};

} // namespace UpdateKit
