// Registration of the library's own resources (the update icon).
#pragma once

namespace UpdateKit {

// A static library's resources are not registered by themselves; call before using the icon.
void initUpdateKitResources();

} // namespace UpdateKit
