#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace tessaly::menu {

// The text between two of the editor's display columns of a line, where a double-width
// character spans two columns. A selection that runs past the line's end (as any selection
// up to the end of a line does) yields the text up to the end; a start past the end yields
// nothing.
std::u16string GetSelectedText(std::u16string_view line_text, std::int32_t start_column,
                               std::int32_t end_column);

}  // namespace tessaly::menu
