#pragma once

// Paths as the command line takes them, UTF-8 text, and as the system opens them. On Linux a
// path is its bytes; on Windows it is UTF-16, whatever the process's code page, and a long one
// takes the \\?\ form so that no call stops at 260 characters.

#include <filesystem>
#include <string>

namespace tessaly::cli {

std::filesystem::path NativePath(const std::string& utf8);

// A path as messages show it: UTF-8, without the \\?\ form.
std::string PathText(const std::filesystem::path& path);

}  // namespace tessaly::cli
