#include "codetools/line_kinds.h"

namespace tessaly::codetools {

namespace {

bool IsBlankOrTab(char16_t c) {
  return c == u' ' || c == u'\t';
}

std::u16string_view TrimLeadingBlanksAndTabs(std::u16string_view line) {
  std::size_t first = 0;
  while (first < line.size() && IsBlankOrTab(line[first]))
    ++first;
  return line.substr(first);
}

}  // namespace

bool IsDirectiveLine(std::u16string_view line) {
  return TrimLeadingBlanksAndTabs(line).starts_with(u'#');
}

bool ContinuesOnNextLine(std::u16string_view line) {
  // A plain loop from the end: the library's find_last_not_of searches the set for every
  // character, and every line of a whole module is asked.
  std::size_t end = line.size();
  while (end > 0 && IsBlankOrTab(line[end - 1]))
    --end;
  if (end == 0 || line[end - 1] != u'_') return false;
  return end == 1 || IsBlankOrTab(line[end - 2]);
}

bool IsProcedureEndLine(std::u16string_view line) {
  const auto text = TrimLeadingBlanksAndTabs(line);
  for (const std::u16string_view end : {u"End Sub", u"End Function", u"End Property"}) {
    if (!text.starts_with(end)) continue;
    const auto rest = text.substr(end.size());
    return rest.empty() || IsBlankOrTab(rest.front());
  }
  return false;
}

}  // namespace tessaly::codetools
