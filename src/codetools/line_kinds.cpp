#include "codetools/line_kinds.h"

#include "codetools/blanks.h"

namespace tessaly::codetools {

namespace {

bool IsBlankOrTab(char16_t c) {
  return c == u' ' || c == u'\t';
}

}  // namespace

bool IsDirectiveLine(std::u16string_view line) {
  return TrimLeadingBlanksAndTabs(line).starts_with(u'#');
}

bool ContinuesOnNextLine(std::u16string_view line) {
  // Asked of every line of a whole module: most end in neither an underscore nor a blank.
  if (line.empty() || (line.back() != u'_' && line.back() != u' ' && line.back() != u'\t')) {
    return false;
  }
  const std::u16string_view code = TrimTrailingBlanksAndTabs(line);
  if (code.empty() || code.back() != u'_') return false;
  return code.size() == 1 || IsBlankOrTab(code[code.size() - 2]);
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
