#pragma once

// Lines that are no statement of a procedure's body: they frame it. The alignment and
// annotation walks leave them as they are.

#include <string_view>

#include "codetools/blanks.h"

namespace tessaly::codetools {

// A compiler directive: `#If`, `#Else`, `#End If`, `#Const`, indented or not.
bool IsDirectiveLine(std::u16string_view line);

// The statement goes on on the next line: an underscore after a blank or tab ends it, blanks
// and tabs after it aside. The one rule of what a continued line is, for every tool, of units or
// of bytes in any encoding a module may have. Inline: it is asked of every line of whole modules,
// and most end in neither an underscore nor a blank.
template <typename Unit>
bool ContinuesOnNextLine(std::basic_string_view<Unit> line) {
  if (line.empty() || (line.back() != '_' && !IsBlankOrTab(line.back()))) return false;
  const std::basic_string_view<Unit> code = TrimTrailingBlanksAndTabs(line);
  if (code.empty() || code.back() != '_') return false;
  return code.size() == 1 || IsBlankOrTab(code[code.size() - 2]);
}
inline bool ContinuesOnNextLine(std::u16string_view line) {
  return ContinuesOnNextLine<char16_t>(line);
}
inline bool ContinuesOnNextLine(std::string_view line) {
  return ContinuesOnNextLine<char>(line);
}

// `End Sub`, `End Function` or `End Property`, indented or not.
bool IsProcedureEndLine(std::u16string_view line);

}  // namespace tessaly::codetools
