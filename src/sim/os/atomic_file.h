#pragma once

#include <cstdint>
#include <filesystem>
#include <vector>

namespace tessaly::sim {

// Replaces the file's content as one step: the bytes go to a temporary file in the same
// folder, reach the disk, and that file is renamed over the old one. A crash leaves either
// the old or the new content, never part of one. Returns false (and leaves no temporary
// file) when any step fails.
bool WriteFileAtomically(const std::filesystem::path& file, const std::vector<std::uint8_t>& bytes);

// The whole file; throws std::runtime_error naming the path when it cannot be read.
std::vector<std::uint8_t> ReadWholeFile(const std::filesystem::path& file);

}  // namespace tessaly::sim
