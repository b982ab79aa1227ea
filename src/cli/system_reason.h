#pragma once

// Why the system refused a file, in the words the command line uses on every system: the
// reasons a Linux user reads ("No such file or directory", "Permission denied", "Not a
// directory") for the failures both systems share, the system's own text for the others.

#include <cstdint>
#include <filesystem>
#include <string>

namespace tessaly::cli {

// `error` is the system's error code for an operation on `path`.
std::string SystemReason(std::uint32_t error, const std::filesystem::path& path);

}  // namespace tessaly::cli
