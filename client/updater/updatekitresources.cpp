// Registration of the library's own resources (the update icon).
#include "updatekitresources.h"

#include <QtGlobal>

// Q_INIT_RESOURCE declares a function and must stay outside any namespace.
static void registerUpdateKitQrc()
{
    Q_INIT_RESOURCE(updatekit);
}

namespace UpdateKit {

void initUpdateKitResources()
{
    static const bool registered = (registerUpdateKitQrc(), true);
    Q_UNUSED(registered)
}

} // namespace UpdateKit
