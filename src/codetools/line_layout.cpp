#include "codetools/line_layout.h"

namespace tessaly::codetools {

namespace {

template <typename Unit>
bool Changes(std::basic_string_view<Unit> line, const LineLayout& layout) {
  if (layout.trim != 0 || layout.strip != layout.Indentation()) return true;
  for (std::uint32_t i = 0; i < layout.tabs; ++i) {
    if (line[i] != '\t') return true;
  }
  for (std::uint32_t i = layout.tabs; i < layout.strip; ++i) {
    if (line[i] != ' ') return true;
  }
  return false;
}

}  // namespace

bool ChangesLine(std::u16string_view line, const LineLayout& layout) {
  return Changes(line, layout);
}

bool ChangesLine(std::string_view line, const LineLayout& layout) {
  return Changes(line, layout);
}

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
