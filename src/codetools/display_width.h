#pragma once

// How many columns the editor's fixed-pitch font gives a text. Every UTF-16 code unit from
// 257 on is a double-width (CJK) glyph to the editor; 256 and below are single-width.

#include <cstdint>
#include <string_view>

namespace tessaly::codetools {

// Columns of the text; with up_to above 0, of its first up_to characters only. A tab goes on
// to the next multiple of `tab_width` columns, as the editor shows it with that tab width.
std::int32_t DisplayWidth(std::u16string_view text, std::int32_t up_to = 0,
                          std::int32_t tab_width = 1);

// The 1-based position of the first character at which the running width reaches width or
// more; 0 when the text ends first.
std::int32_t CharIndexAtWidth(std::u16string_view text, std::int32_t width);

}  // namespace tessaly::codetools
