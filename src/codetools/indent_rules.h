#pragma once

// The word table that decides how a line moves the block level. The engine never parses a
// statement; it looks at the first word (and for a few keywords the second) of a line that
// has already lost its leading blanks.

#include <string_view>

namespace tessaly::codetools {

struct LevelEffect {
  bool open_after = false;    // the lines below stand one level deeper
  bool close_before = false;  // this line stands one level shallower
};

// The effect of a line's words, continuation aside. Case-sensitive, first group wins even
// when its condition fails.
LevelEffect EffectOfWords(std::u16string_view line);

}  // namespace tessaly::codetools
