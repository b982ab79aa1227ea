#pragma once

// What the About form tells about the running system: its name and bit width, and the bit
// width of the host process. Pure queries: none of them raises an error.

#include <cstdint>
#include <string>

#include "host/registry.h"
#include "host/system_services.h"

namespace tessaly::about {

// Shown when neither the version table, the registry nor the management service names the
// system: still true, and better than a blank in the middle of a sentence.
inline constexpr char16_t kUnknownOsName[] = u"Windows";

std::u16string GetOSName(host::SystemServices& system, host::Registry& registry);
// The caption of the management service's operating-system object; empty when it fails.
std::u16string GetWmiOSCaption(host::SystemServices& system);
std::int32_t GetOSBits(host::SystemServices& system);
std::int32_t GetAppBits(host::SystemServices& system);

}  // namespace tessaly::about
