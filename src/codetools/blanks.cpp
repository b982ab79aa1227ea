#include "codetools/blanks.h"

namespace tessaly::codetools {

namespace {

template <typename Unit>
std::basic_string_view<Unit> TrimLeadingRun(std::basic_string_view<Unit> text) {
  std::size_t begin = 0;
  while (begin < text.size() && IsBlankOrTab(text[begin]))
    ++begin;
  return text.substr(begin);
}

template <typename Unit>
std::basic_string_view<Unit> TrimTrailingRun(std::basic_string_view<Unit> text) {
  std::size_t end = text.size();
  while (end > 0 && IsBlankOrTab(text[end - 1]))
    --end;
  return text.substr(0, end);
}

}  // namespace

std::u16string_view TrimLeadingBlanks(std::u16string_view text) {
  // A plain loop: the library's find_first_not_of searches a set of characters for every
  // character of the text, which shows on a whole module.
  std::size_t first = 0;
  while (first < text.size() && text[first] == u' ')
    ++first;
  return text.substr(first);
}

std::u16string_view TrimTrailingBlanks(std::u16string_view text) {
  const auto last = text.find_last_not_of(u' ');
  return last == std::u16string_view::npos ? std::u16string_view() : text.substr(0, last + 1);
}

std::u16string_view TrimBlanks(std::u16string_view text) {
  return TrimTrailingBlanks(TrimLeadingBlanks(text));
}

bool IsBlankLine(std::u16string_view line) {
  return TrimBlanks(line).empty();
}

std::u16string_view TrimLeadingBlanksAndTabs(std::u16string_view text) {
  return TrimLeadingRun(text);
}

std::u16string_view TrimTrailingBlanksAndTabs(std::u16string_view text) {
  return TrimTrailingRun(text);
}

std::string_view TrimLeadingBlanksAndTabs(std::string_view text) {
  return TrimLeadingRun(text);
}

std::string_view TrimTrailingBlanksAndTabs(std::string_view text) {
  return TrimTrailingRun(text);
}

std::u16string TrimBlanksAndTabs(std::u16string_view text) {
  return std::u16string(TrimTrailingBlanksAndTabs(TrimLeadingBlanksAndTabs(text)));
}

}  // namespace tessaly::codetools
