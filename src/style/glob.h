#pragma once

// A section's glob, compiled once and matched against many paths. Matching is a table over
// (pattern step, path position), so any pattern against any path takes time in proportion to
// their product, whatever the pattern's stars and braces: no backtracking, and a number range
// {n1..n2} is compared as a number, never expanded.
//
// The forms, as the EditorConfig cores give them: `*` any text without `/`, `**` any text,
// `/**/` one `/` or any folders between two, `?` one character but `/`, `[abc]`, `[a-z]`,
// `[!abc]` (which, as in the cores, may match `/`), `{a,b}` nested, `{n1..n2}` an integer
// without leading zero between n1 and n2, `\x` the character x. A `[...]` holding a `/` is
// plain text; braces that do not pair up are plain text throughout; `{x}` without a comma is
// plain text. A `[` without its `]` makes a glob that matches nothing.

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace tessaly::style {

class Glob {
 public:
  explicit Glob(std::string_view pattern);

  bool Matches(std::string_view path) const;

  enum class Kind : std::uint8_t {
    kChar,
    kOneButSlash,
    kStarButSlash,
    kStarAny,
    kSet,
    kNumber,
    kSplit,
    kJump,
    kAccept,
  };
  struct Step {
    Kind kind = Kind::kAccept;
    char32_t ch = 0;
    bool negated = false;
    std::vector<std::pair<char32_t, char32_t>> ranges;  // kSet
    std::int64_t low = 0, high = 0;                     // kNumber
    std::vector<std::uint32_t> next;                    // kSplit, kJump
  };

 private:
  std::vector<Step> steps_;
  bool never_ = false;
};

// Text as the matcher compares it: code points, and each byte that starts no UTF-8 sequence as
// a value of its own past Unicode, so that such a name still matches itself.
std::u32string GlobCharacters(std::string_view utf8);

}  // namespace tessaly::style
