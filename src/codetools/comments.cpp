#include "codetools/comments.h"

#include <algorithm>

#include "codetools/blanks.h"
#include "text/ascii_case.h"

namespace tessaly::codetools {

namespace {

template <typename Unit>
std::size_t FirstApostropheOf(std::basic_string_view<Unit> text) {
  bool inside = false;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '"') {
      inside = !inside;
    } else if (text[i] == '\'' && !inside) {
      return i;
    }
  }
  return std::basic_string_view<Unit>::npos;
}

bool StartsWith(std::u16string_view text, std::u16string_view prefix) {
  return text.substr(0, prefix.size()) == prefix;
}

bool StartsWithRemAndBlankInAnyCase(std::u16string_view key) {
  return key.size() >= 4 && text::AsciiUpper(key[0]) == u'R' && text::AsciiUpper(key[1]) == u'E' &&
         text::AsciiUpper(key[2]) == u'M' && key[3] == u' ';
}

bool IsBlankTriple(std::u16string_view line, std::size_t i) {
  return i + 2 < line.size() && line[i] == u' ' && line[i + 1] == u' ' && line[i + 2] == u' ';
}

}  // namespace

std::u16string CommentKey(std::u16string_view line) {
  std::u16string squeezed;
  squeezed.reserve(line.size());
  std::size_t i = 0;
  while (i < line.size()) {
    if (IsBlankTriple(line, i)) {
      i += 3;
    } else {
      squeezed.push_back(line[i]);
      ++i;
    }
  }
  return std::u16string(TrimBlanks(squeezed));
}

std::u16string CommentKeyHead(std::u16string_view line) {
  constexpr std::size_t kHeadSize = 4;
  std::u16string head;
  std::size_t i = 0;
  while (i < line.size() && head.size() < kHeadSize) {
    if (IsBlankTriple(line, i)) {
      i += 3;
      continue;
    }
    const char16_t c = line[i++];
    if (!head.empty() || c != u' ') head.push_back(c);
  }
  // Squeezing removes blanks only, so the key goes on past the head exactly when the line
  // holds a non-blank further on; otherwise the head's own trailing blanks are trimmed off.
  if (line.find_first_not_of(u' ', i) == std::u16string_view::npos) {
    head.resize(TrimTrailingBlanks(head).size());
  }
  return head;
}

std::int32_t FindCommentStart(std::u16string_view line) {
  const std::u16string key = CommentKeyHead(line);
  if (StartsWithRemAndBlankInAnyCase(key)) return 0;
  const auto candidate = FirstApostropheOutsideString(line);
  if (candidate == std::u16string_view::npos) return 0;
  if (StartsWith(key, u"'")) return 0;
  return static_cast<std::int32_t>(candidate + 1);
}

bool IsCommentLine(std::u16string_view line) {
  const std::u16string key = CommentKeyHead(line);
  return StartsWith(key, u"'") || StartsWith(key, u"Rem");
}

std::size_t FirstApostropheOutsideString(std::u16string_view text) {
  return FirstApostropheOf(text);
}

std::size_t FirstApostropheOutsideString(std::string_view text) {
  return FirstApostropheOf(text);
}

std::u16string StripComment(std::u16string_view text) {
  const auto cut = FirstApostropheOutsideString(text);
  return std::u16string(cut == std::u16string_view::npos ? text : text.substr(0, cut));
}

}  // namespace tessaly::codetools
