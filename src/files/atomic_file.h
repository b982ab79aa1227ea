#pragma once

#include <cstdint>
#include <filesystem>
#include <vector>

namespace tessaly::files {

// Replaces the file's content as one step, as FileReplacement does (file_replacement.h):
// a link is followed, the file's mode is kept and a read-only file is refused. Returns false
// (and leaves no temporary file) when any step fails.
bool WriteFileAtomically(const std::filesystem::path& file, const std::vector<std::uint8_t>& bytes);

// The whole file; throws std::runtime_error naming the path when it cannot be read.
std::vector<std::uint8_t> ReadWholeFile(const std::filesystem::path& file);

}  // namespace tessaly::files
