#pragma once

#include <filesystem>

#include "cli/arguments.h"

namespace tessaly::cli {

// The simulated OS's registry file: --registry FILE, else
// $XDG_CONFIG_HOME/tessaly/registry.reg (~/.config/tessaly/registry.reg), where other tools
// keep their settings. Throws UsageError when neither a file nor a home is known.
std::filesystem::path RegistryFile(const Arguments& arguments);

// Makes the file's folder, so that the first setting stored can be written.
void PrepareRegistryFolder(const std::filesystem::path& file);

}  // namespace tessaly::cli
