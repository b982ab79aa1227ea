#pragma once

// One entry of the registration table written to the registry, in the view given (0: the
// program's own): registering the DLL and `tessaly doctor --fix` write alike.

#include "win32/windows_headers.h"

#include "registration/registration_entries.h"

namespace tessaly::win32 {

LSTATUS WriteRegistryEntry(HKEY root, const registration::RegistryEntry& entry, REGSAM view = 0);

}  // namespace tessaly::win32
