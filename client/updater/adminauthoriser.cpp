// AdminAuthoriser: how the install run is started with administrator rights.
#include "adminauthoriser.h"

namespace UpdateKit {

AdminAuthoriser::~AdminAuthoriser() = default;

QString AdminAuthoriser::errorString() const
{
    return QString();
}

} // namespace UpdateKit
