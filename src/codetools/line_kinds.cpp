#include "codetools/line_kinds.h"

#include "codetools/blanks.h"

namespace tessaly::codetools {

namespace {

template <typename Unit>
bool Continues(std::basic_string_view<Unit> line) {
  // Asked of every line of a whole module: most end in neither an underscore nor a blank.
  if (line.empty() || (line.back() != '_' && !IsBlankOrTab(line.back()))) return false;
  const std::basic_string_view<Unit> code = TrimTrailingBlanksAndTabs(line);
  if (code.empty() || code.back() != '_') return false;
  return code.size() == 1 || IsBlankOrTab(code[code.size() - 2]);
}

}  // namespace

bool IsDirectiveLine(std::u16string_view line) {
  return TrimLeadingBlanksAndTabs(line).starts_with(u'#');
}

bool ContinuesOnNextLine(std::u16string_view line) {
  return Continues(line);
}

bool ContinuesOnNextLine(std::string_view line) {
  return Continues(line);
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
