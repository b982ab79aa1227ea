#pragma once

#include <filesystem>
#include <string_view>

namespace tessaly::cli {

// Replaces the file's contents so that a reader, or a crash, sees either the old file or the
// new one, never a half-written one: the bytes go to a temporary file in the same folder,
// which takes the old file's permission bits and is then renamed over it. A symbolic link is
// followed, so the link stays and its target changes. A read-only file is refused. Throws
// FileError naming the file and the reason; on failure the old file is untouched and no
// temporary file is left behind.
void WriteFileAtomically(const std::filesystem::path& path, std::string_view bytes);

}  // namespace tessaly::cli
