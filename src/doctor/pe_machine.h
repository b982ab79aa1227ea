#pragma once

// Which processor a Windows program or DLL is built for, from the Machine field of its PE
// header: what decides whether an editor of a bitness can load it.

#include <cstdint>
#include <optional>
#include <vector>

#include "doctor/installation.h"

namespace tessaly::doctor {

// None when the bytes do not start a PE file of x86 or x64 code (or its header lies beyond
// them).
std::optional<Bitness> PeBitness(const std::vector<std::uint8_t>& head);

}  // namespace tessaly::doctor
