#pragma once

// What re-indenting does to one line, without the line built: the indentation it starts with
// gives way to a new one, and a run of blanks may come off its end. The command line writes a
// whole module's bytes from these, the editor face builds each changed line's text.

#include <cstdint>
#include <string>
#include <string_view>

namespace tessaly::codetools {

struct LineLayout {
  std::uint32_t strip = 0;   // leading units that give way (blanks, and tabs where they indent)
  std::uint32_t tabs = 0;    // the new indentation: tabs first,
  std::uint32_t blanks = 0;  // then blanks
  std::uint32_t trim = 0;    // trailing units that come off

  // A line left exactly as it is.
  static constexpr LineLayout Kept() { return {}; }
  std::uint32_t Indentation() const { return tabs + blanks; }
};

// Whether the layout gives the line another text, of its units or of its bytes in any encoding a
// module may have. Inline: it is asked of every line of whole modules.
template <typename Unit>
bool ChangesLine(std::basic_string_view<Unit> line, const LineLayout& layout) {
  if (layout.trim != 0 || layout.strip != layout.Indentation()) return true;
  for (std::uint32_t i = 0; i < layout.tabs; ++i) {
    if (line[i] != '\t') return true;
  }
  for (std::uint32_t i = layout.tabs; i < layout.strip; ++i) {
    if (line[i] != ' ') return true;
  }
  return false;
}

// The line's text after the layout.
std::u16string LaidOut(std::u16string_view line, const LineLayout& layout);

}  // namespace tessaly::codetools
