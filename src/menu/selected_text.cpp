#include "menu/selected_text.h"

#include "codetools/display_width.h"
#include "menu/line_text.h"

namespace tessaly::menu {

std::u16string GetSelectedText(std::u16string_view line_text, std::int32_t start_column,
                               std::int32_t end_column) {
  if (start_column < 0) start_column = 1;
  const std::int32_t a = codetools::CharIndexAtWidth(line_text, start_column);
  if (a == 0) return {};
  if (end_column == 0) end_column = a + 1;
  std::int32_t b = codetools::CharIndexAtWidth(line_text, end_column);
  if (b == 0) b = Length(line_text) + 1;
  return Mid(line_text, a, b - a).value_or(u"");
}

}  // namespace tessaly::menu
