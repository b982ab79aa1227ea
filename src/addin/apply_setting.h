#pragma once

#include <cstdint>

#include "addin/connection.h"
#include "addin/features.h"
#include "host/settings_store.h"

namespace tessaly::addin {

// Makes a changed check box take effect at once and stores it. Features are only shown,
// hidden, started or stopped, never rebuilt. A value other than 0 or 1 (a grey box) changes
// nothing in the editor but is stored all the same. Throws HostError when the switch cannot
// be stored, after the editor has been changed, so the caller can tell the user.
void ApplySetting(const Connection& connection, Features& features, host::SettingsStore& settings,
                  std::int32_t index, std::int32_t value);

}  // namespace tessaly::addin
