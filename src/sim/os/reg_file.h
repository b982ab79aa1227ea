#pragma once

// The registry as a Registry Editor 5.00 file: UTF-16LE with a byte-order mark, one
// [key] section per key and one line per value, long hex data wrapped with a trailing
// backslash. What FormatRegFile writes, ParseRegFile reads back to the same tree, and a
// file regedit wrote in its own key order is written back byte for byte.

#include <cstdint>
#include <string>
#include <vector>

#include "sim/os/registry_tree.h"

namespace tessaly::sim {

std::vector<std::uint8_t> FormatRegFile(const RegistryTree& tree);

// Loads the file's keys and values into the tree. A malformed file throws
// std::runtime_error with "<source_name>:<line>: <reason>".
void ParseRegFile(const std::vector<std::uint8_t>& bytes, const std::string& source_name,
                  RegistryTree& tree);

// Whether a key or value name can be written as a line of the file.
bool IsStorableRegistryName(std::u16string_view name);

}  // namespace tessaly::sim
