#pragma once

// A command's result is bounded as its input is: a module of 0.8 MB, 40,000 nested blocks deep,
// re-indents to gigabytes, and one such file in a repository must not stop the machine that
// checks it. A result that would pass the bound is refused before it is built, where the
// command can tell its size first, and otherwise as soon as it grows past the bound.

#include <cstddef>
#include <string>

#include "cli/bounded_read.h"

namespace tessaly::cli {

// Throws FileError naming the file and the bound, when `size` bytes would pass it.
void CheckResultSize(std::size_t size, std::size_t limit, const std::string& shown);
[[noreturn]] void RefuseLargerResult(std::size_t limit, const std::string& shown);

}  // namespace tessaly::cli
