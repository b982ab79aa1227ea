#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>

namespace tessaly::menu {

// Reads one line of the module; nothing when the editor refuses the line number.
using LineReader = std::function<std::optional<std::u16string>(std::int32_t line)>;

// The indentation prefix for code inserted at `start_line`: the leading blanks of the nearest
// non-blank line (searching below first, then above, up to 33 lines away), one level deeper
// when that line closes a block. A line the module refuses (before the first or past the last
// line) counts as blank, so the search looks on rather than taking a line that is not there.
std::u16string IndentPrefixAt(std::int32_t start_line, const LineReader& read_line);

}  // namespace tessaly::menu
