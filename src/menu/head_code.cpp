#include "menu/head_code.h"

#include "codetools/blanks.h"
#include "menu/line_text.h"

namespace tessaly::menu {
namespace {

constexpr std::int32_t kSearchDistance = 33;
constexpr std::u16string_view kBlockClosers[] = {u"End ", u"Next", u"Loop", u"Wend"};
constexpr std::u16string_view kOneLevel = u"    ";

bool IsBlankAt(std::int32_t line, const LineReader& read_line) {
  const auto text = read_line(line);
  return !text || IsBlankLine(*text);
}

}  // namespace

std::u16string IndentPrefixAt(std::int32_t start_line, const LineReader& read_line) {
  std::int32_t n = start_line;
  if (IsBlankAt(n, read_line)) {
    bool found_above = false;
    // The search keeps moving from wherever it last landed: after a hit above, the next steps
    // look further down from that line.
    for (std::int32_t i = 1; i <= kSearchDistance; ++i) {
      if (!IsBlankAt(n + i, read_line)) {
        n += i;
        break;
      }
      if (!found_above && !IsBlankAt(n - i, read_line)) {
        n -= i;
        found_above = true;
      }
    }
  }
  const std::u16string reference = read_line(n).value_or(u"");
  const std::u16string prefix = LeadingBlanks(reference);
  const std::u16string_view key = codetools::TrimBlanks(reference).substr(0, 4);
  for (auto closer : kBlockClosers) {
    if (key == closer) return prefix + std::u16string(kOneLevel);
  }
  return prefix;
}

}  // namespace tessaly::menu
