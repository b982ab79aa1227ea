#include "style/glob.h"

#include <algorithm>
#include <array>
#include <set>

#include "text/utf.h"

namespace tessaly::style {

namespace {

constexpr char32_t kPastUnicode = 0x110000;
// A number of more digits than this is past any bound a range can hold.
constexpr std::size_t kLongestNumber = 20;

Glob::Step OfKind(Glob::Kind kind, char32_t ch = 0) {
  Glob::Step step;
  step.kind = kind;
  step.ch = ch;
  return step;
}

bool IsDigit(char32_t c) {
  return c >= U'0' && c <= U'9';
}

// Saturating, as a bound past 64 bits means "no bound" to anyone who writes one.
std::int64_t NumberValue(std::u32string_view text) {
  bool negative = false;
  if (!text.empty() && (text.front() == U'+' || text.front() == U'-')) {
    negative = text.front() == U'-';
    text.remove_prefix(1);
  }
  constexpr std::int64_t kMost = INT64_MAX / 10 - 1;
  std::int64_t value = 0;
  for (const char32_t c : text)
    value = value > kMost ? INT64_MAX : value * 10 + (c - U'0');
  return negative ? -value : value;
}

// `{n1..n2}` from `{` to `}` inclusive.
bool IsNumberRange(std::u32string_view text, std::int64_t& low, std::int64_t& high) {
  if (text.size() < 6 || text.front() != U'{' || text.back() != U'}') return false;
  const std::u32string_view inside = text.substr(1, text.size() - 2);
  const std::size_t dots = inside.find(U"..");
  if (dots == std::u32string_view::npos) return false;
  const auto is_integer = [](std::u32string_view part) {
    if (!part.empty() && (part.front() == U'+' || part.front() == U'-')) part.remove_prefix(1);
    return !part.empty() && std::all_of(part.begin(), part.end(), IsDigit);
  };
  const std::u32string_view first = inside.substr(0, dots), second = inside.substr(dots + 2);
  if (!is_integer(first) || !is_integer(second)) return false;
  low = NumberValue(first);
  high = NumberValue(second);
  return true;
}

// The cores take braces as plain text when they do not pair up: a `}` before its `{`, or
// counts that differ.
bool BracesPair(std::u32string_view pattern) {
  std::size_t open = 0, close = 0;
  for (std::size_t i = 0; i < pattern.size(); ++i) {
    if (pattern[i] == U'\\' && i + 1 < pattern.size()) {
      ++i;
    } else if (pattern[i] == U'{') {
      ++open;
    } else if (pattern[i] == U'}' && ++close > open) {
      return false;
    }
  }
  return open == close;
}

class Compiler {
 public:
  explicit Compiler(std::u32string pattern)
      : pattern_(std::move(pattern)), braces_pair_(BracesPair(pattern_)) {}

  // False when the pattern can match nothing (a `[` never closed, a stray `}`).
  bool Compile(std::vector<Glob::Step>& steps) {
    for (std::size_t i = 0; i < pattern_.size();) {
      if (!CompileAt(i)) return false;
    }
    if (!groups_.empty()) return false;
    Add(OfKind(Glob::Kind::kAccept));
    steps = std::move(steps_);
    return true;
  }

 private:
  struct Group {
    std::uint32_t split;
    std::vector<std::uint32_t> jumps;
  };

  std::uint32_t Add(Glob::Step step) {
    steps_.push_back(std::move(step));
    return static_cast<std::uint32_t>(steps_.size() - 1);
  }
  void Char(char32_t c) { Add(OfKind(Glob::Kind::kChar, c)); }
  std::uint32_t Here() const { return static_cast<std::uint32_t>(steps_.size()); }

  bool CompileAt(std::size_t& i) {
    const char32_t c = pattern_[i];
    const bool has_next = i + 1 < pattern_.size();
    if (c == U'\\') {
      Char(has_next ? pattern_[i + 1] : U'\\');
      i += has_next ? 2 : 1;
    } else if (c == U'?') {
      Add(OfKind(Glob::Kind::kOneButSlash));
      ++i;
    } else if (c == U'*') {
      const bool any = has_next && pattern_[i + 1] == U'*';
      Add(OfKind(any ? Glob::Kind::kStarAny : Glob::Kind::kStarButSlash));
      i += any ? 2 : 1;
    } else if (c == U'/' && std::u32string_view(pattern_).substr(i, 4) == U"/**/") {
      // One `/`, or `/`, any text, `/`.
      const std::uint32_t split = Add(OfKind(Glob::Kind::kSplit));
      Char(U'/');
      const std::uint32_t jump = Add(OfKind(Glob::Kind::kJump));
      steps_[split].next = {split + 1, Here()};
      Char(U'/');
      Add(OfKind(Glob::Kind::kStarAny));
      Char(U'/');
      steps_[jump].next = {Here()};
      i += 4;
    } else if (c == U'[') {
      return CompileBracket(i);
    } else if (c == U'{' && braces_pair_) {
      CompileOpeningBrace(i);
    } else if (c == U'}' && braces_pair_ && !plain_closing_.contains(i)) {
      if (groups_.empty()) return false;
      for (const std::uint32_t jump : groups_.back().jumps)
        steps_[jump].next = {Here()};
      groups_.pop_back();
      ++i;
    } else if (c == U',' && !groups_.empty()) {
      groups_.back().jumps.push_back(Add(OfKind(Glob::Kind::kJump)));
      steps_[groups_.back().split].next.push_back(Here());
      ++i;
    } else {
      Char(c);
      ++i;
    }
    return true;
  }

  bool CompileBracket(std::size_t& i) {
    std::size_t close = i + 1;
    bool slash = false;
    for (; close < pattern_.size() && pattern_[close] != U']'; ++close) {
      if (pattern_[close] == U'\\' && close + 1 < pattern_.size()) {
        ++close;
      } else if (pattern_[close] == U'/') {
        slash = true;
      }
    }
    if (slash) {
      // Plain text up to the first `]`, as the cores take it.
      const std::size_t end = std::min(pattern_.find(U']', i), pattern_.size() - 1);
      for (std::size_t k = i; k <= end; ++k)
        Char(pattern_[k]);
      i = end + 1;
      return true;
    }
    if (close >= pattern_.size()) return false;
    Glob::Step set = OfKind(Glob::Kind::kSet);
    std::size_t k = i + 1;
    if (k < close && pattern_[k] == U'!') {
      set.negated = true;
      ++k;
    }
    while (k < close) {
      if (pattern_[k] == U'\\' && k + 1 < close) ++k;
      const char32_t first = pattern_[k++];
      if (k + 1 < close && pattern_[k] == U'-') {
        std::size_t last = k + 1;
        if (pattern_[last] == U'\\' && last + 1 < close) ++last;
        set.ranges.emplace_back(first, pattern_[last]);
        k = last + 1;
      } else {
        set.ranges.emplace_back(first, first);
      }
    }
    Add(std::move(set));
    i = close + 1;
    return true;
  }

  void CompileOpeningBrace(std::size_t& i) {
    // `{...}` without a comma before its `}` is a number range or plain text.
    std::size_t k = i + 1;
    bool comma = false;
    for (; k < pattern_.size() && pattern_[k] != U'}'; ++k) {
      if (pattern_[k] == U'\\' && k + 1 < pattern_.size()) {
        ++k;
      } else if (pattern_[k] == U',') {
        comma = true;
        break;
      }
    }
    if (!comma && k < pattern_.size()) {
      Glob::Step number = OfKind(Glob::Kind::kNumber);
      if (IsNumberRange(std::u32string_view(pattern_).substr(i, k - i + 1), number.low,
                        number.high)) {
        Add(std::move(number));
        i = k + 1;
      } else {
        Char(U'{');
        plain_closing_.insert(k);
        ++i;
      }
      return;
    }
    const std::uint32_t split = Add(OfKind(Glob::Kind::kSplit));
    steps_[split].next = {split + 1};
    groups_.push_back({split, {}});
    ++i;
  }

  std::u32string pattern_;
  bool braces_pair_;
  std::vector<Glob::Step> steps_;
  std::vector<Group> groups_;
  std::set<std::size_t> plain_closing_;
};

bool InSet(const Glob::Step& set, char32_t c) {
  const bool listed = std::any_of(set.ranges.begin(), set.ranges.end(), [c](const auto& range) {
    return c >= range.first && c <= range.second;
  });
  return listed != set.negated;
}

// An integer from `at` in range, as the cores read one: optional sign, digits, and no leading
// zero (the cores match neither `010` nor `0`).
bool NumberFits(const Glob::Step& step, std::u32string_view path, std::size_t at,
                std::size_t length) {
  const std::u32string_view text = path.substr(at, length);
  if (text.front() == U'0') return false;
  const std::size_t digits_from = text.front() == U'+' || text.front() == U'-' ? 1 : 0;
  if (digits_from >= text.size() ||
      !std::all_of(text.begin() + static_cast<std::ptrdiff_t>(digits_from), text.end(), IsDigit)) {
    return false;
  }
  const std::int64_t value = NumberValue(text);
  return value >= step.low && value <= step.high;
}

}  // namespace

std::u32string GlobCharacters(std::string_view utf8) {
  std::u32string characters;
  characters.reserve(utf8.size());
  for (std::size_t i = 0; i < utf8.size();) {
    const text::Utf8Sequence sequence = text::Utf8SequenceAt(utf8, i);
    if (sequence.length == 0) {
      characters.push_back(kPastUnicode + static_cast<unsigned char>(utf8[i]));
      ++i;
    } else {
      characters.push_back(sequence.code_point);
      i += static_cast<std::size_t>(sequence.length);
    }
  }
  return characters;
}

Glob::Glob(std::string_view pattern) {
  Compiler compiler(GlobCharacters(pattern));
  never_ = !compiler.Compile(steps_);
}

bool Glob::Matches(std::string_view utf8_path) const {
  if (never_) return false;
  const std::u32string path = GlobCharacters(utf8_path);
  const std::size_t size = path.size();
  const std::size_t count = steps_.size();
  // Whether the steps from s on match the path from i on, for i from the end back: each row
  // needs only the rows at most kLongestNumber + 1 further on, and each step's epsilon moves
  // (split, jump, a star's way on) lead to later steps, so a row is filled from its last step.
  constexpr std::size_t kRows = kLongestNumber + 2;
  std::array<std::vector<char>, kRows> rows;
  for (auto& row : rows)
    row.assign(count, 0);
  const auto row = [&](std::size_t i) -> std::vector<char>& { return rows[i % kRows]; };
  for (std::size_t i = size + 1; i-- > 0;) {
    std::vector<char>& here = row(i);
    const bool more = i < size;
    const char32_t c = more ? path[i] : 0;
    for (std::size_t s = count; s-- > 0;) {
      const Step& step = steps_[s];
      bool match = false;
      switch (step.kind) {
        case Kind::kAccept:
          match = !more;
          break;
        case Kind::kChar:
          match = more && c == step.ch && row(i + 1)[s + 1];
          break;
        case Kind::kOneButSlash:
          match = more && c != U'/' && row(i + 1)[s + 1];
          break;
        case Kind::kStarButSlash:
          match = here[s + 1] || (more && c != U'/' && row(i + 1)[s]);
          break;
        case Kind::kStarAny:
          match = here[s + 1] || (more && row(i + 1)[s]);
          break;
        case Kind::kSet:
          match = more && InSet(step, c) && row(i + 1)[s + 1];
          break;
        case Kind::kNumber:
          for (std::size_t length = 1; !match && length <= kLongestNumber + 1 && i + length <= size;
               ++length) {
            match = NumberFits(step, path, i, length) && row(i + length)[s + 1];
          }
          break;
        case Kind::kSplit:
        case Kind::kJump:
          match = std::any_of(step.next.begin(), step.next.end(),
                              [&](std::uint32_t next) { return here[next] != 0; });
          break;
      }
      here[s] = match ? 1 : 0;
    }
  }
  return row(0)[0] != 0;
}

}  // namespace tessaly::style
