#include "codetools/line_kinds.h"

#include "codetools/blanks.h"

namespace tessaly::codetools {

bool IsDirectiveLine(std::u16string_view line) {
  return TrimLeadingBlanksAndTabs(line).starts_with(u'#');
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
