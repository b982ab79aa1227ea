#include "codetools/display_width.h"

namespace tessaly::codetools {

namespace {

std::int32_t CharWidth(char16_t c) {
  return c >= 257 ? 2 : 1;
}

}  // namespace

std::int32_t DisplayWidth(std::u16string_view text, std::int32_t up_to, std::int32_t tab_width) {
  if (up_to > 0 && static_cast<std::size_t>(up_to) < text.size()) text = text.substr(0, up_to);
  std::int32_t width = 0;
  for (const char16_t c : text)
    width = c == u'\t' ? (width / tab_width + 1) * tab_width : width + CharWidth(c);
  return width;
}

std::int32_t CharIndexAtWidth(std::u16string_view text, std::int32_t width) {
  std::int32_t total = 0;
  for (std::size_t i = 0; i < text.size(); ++i) {
    total += CharWidth(text[i]);
    if (total >= width) return static_cast<std::int32_t>(i + 1);
  }
  return 0;
}

}  // namespace tessaly::codetools
