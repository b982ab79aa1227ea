#include "cli/module_header.h"
#include "text/ascii_case.h"

#include <algorithm>

namespace tessaly::cli {

namespace {

constexpr bool IsSpaceTabOrReturn(char c) {
  return c == ' ' || c == '\t' || c == '\r';
}

bool IsBlankLine(std::string_view line) {
  return std::all_of(line.begin(), line.end(), IsSpaceTabOrReturn);
}

bool EqualsIgnoringCase(std::string_view text, std::string_view lower_word) {
  return text.size() == lower_word.size() &&
         std::equal(text.begin(), text.end(), lower_word.begin(),
                    [](char a, char b) { return text::AsciiLower(a) == b; });
}

std::string_view FirstWord(std::string_view line) {
  const auto start =
      std::find_if_not(line.begin(), line.end(), [](char c) { return IsSpaceTabOrReturn(c); });
  const auto end = std::find_if(start, line.end(), [](char c) { return IsSpaceTabOrReturn(c); });
  return line.substr(start - line.begin(), end - start);
}

// The rest of the line after its first word, without leading blanks.
std::string_view AfterFirstWord(std::string_view line) {
  const std::string_view word = FirstWord(line);
  std::string_view rest = line.substr(word.data() + word.size() - line.data());
  rest.remove_prefix(std::find_if_not(rest.begin(), rest.end(), IsSpaceTabOrReturn) - rest.begin());
  return rest;
}

// Header lines are told by their words, wherever they start: an indented header line is
// still header, so that re-indenting the lines after it cannot make it header on the next run.
std::string_view WithoutLeadingBlanks(std::string_view line) {
  return line.substr(std::find_if_not(line.begin(), line.end(), IsSpaceTabOrReturn) - line.begin());
}

bool IsVersionLine(std::string_view line) {
  return EqualsIgnoringCase(FirstWord(line), "version");
}

// `Object = "{...}#2.0#0"; "MSCOMCTL.OCX"`; the first word may touch the equals sign.
bool IsObjectLine(std::string_view line) {
  line = WithoutLeadingBlanks(line);
  if (line.size() < 6 || !EqualsIgnoringCase(line.substr(0, 6), "object")) return false;
  const std::string_view rest = line.substr(6);
  const auto equals = std::find_if_not(rest.begin(), rest.end(), IsSpaceTabOrReturn);
  return equals != rest.end() && *equals == '=';
}

bool IsAttributeLine(std::string_view line) {
  line = WithoutLeadingBlanks(line);
  const std::string_view word = FirstWord(line);
  return EqualsIgnoringCase(word, "attribute") && line.size() > word.size();
}

bool OpensBlock(std::string_view line) {
  return EqualsIgnoringCase(FirstWord(line), "begin");
}

bool ClosesBlock(std::string_view line) {
  return EqualsIgnoringCase(FirstWord(line), "end");
}

// Index of the line after the `End` that closes the block opened at `begin`; a block left
// open runs to the end of the file.
std::size_t SkipBlock(std::span<const std::string_view> lines, std::size_t begin) {
  int depth = 0;
  for (std::size_t i = begin; i < lines.size(); ++i) {
    if (OpensBlock(lines[i])) {
      ++depth;
    } else if (ClosesBlock(lines[i]) && --depth == 0) {
      return i + 1;
    }
  }
  return lines.size();
}

}  // namespace

std::size_t CountHeaderLines(std::span<const std::string_view> lines) {
  std::size_t count = 0;
  // Blank lines belong to the header only when more header follows them.
  const auto take = [&](auto is_header_line) {
    std::size_t next = count;
    while (next < lines.size() && IsBlankLine(lines[next]))
      ++next;
    if (next == lines.size() || !is_header_line(lines[next])) return false;
    count = next + 1;
    return true;
  };
  if (!lines.empty() && IsVersionLine(lines[0])) {
    count = 1;
    while (take(IsObjectLine)) {
    }
    if (take(OpensBlock)) count = SkipBlock(lines, count - 1);
  }
  while (take(IsAttributeLine)) {
  }
  return count;
}

bool IsMemberAttribute(std::string_view line) {
  // Asked of every line of a module: an attribute line starts with its keyword, not a blank,
  // so the first byte turns almost every line away before any word is looked for.
  if (line.empty() || text::AsciiLower(line.front()) != 'a' || !IsAttributeLine(line)) return false;
  const std::string_view rest = AfterFirstWord(line);
  const std::size_t dot = rest.find('.');
  if (dot == 0 || dot == std::string_view::npos) return false;
  const std::string_view name = rest.substr(0, dot);
  if (std::any_of(name.begin(), name.end(),
                  [](char c) { return IsSpaceTabOrReturn(c) || c == '='; })) {
    return false;
  }
  return rest.size() >= dot + 4 && EqualsIgnoringCase(rest.substr(dot + 1, 3), "vb_");
}

}  // namespace tessaly::cli
