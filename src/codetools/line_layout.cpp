#include "codetools/line_layout.h"

namespace tessaly::codetools {

std::u16string LaidOut(std::u16string_view line, const LineLayout& layout) {
  const std::u16string_view code =
      line.substr(layout.strip, line.size() - layout.strip - layout.trim);
  std::u16string text;
  // Sized once: most lines of a whole module would otherwise allocate twice.
  text.reserve(layout.Indentation() + code.size());
  text.append(layout.tabs, u'\t').append(layout.blanks, u' ').append(code);
  return text;
}

}  // namespace tessaly::codetools
