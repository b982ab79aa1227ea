#pragma once

// Lines that are no statement of a procedure's body: they frame it. The alignment and
// annotation walks leave them as they are.

#include <string_view>

namespace tessaly::codetools {

// A compiler directive: `#If`, `#Else`, `#End If`, `#Const`, indented or not.
bool IsDirectiveLine(std::u16string_view line);

// The statement goes on on the next line: an underscore after a blank or tab ends it, blanks
// and tabs after it aside. The one rule of what a continued line is, for every tool.
bool ContinuesOnNextLine(std::u16string_view line);
bool ContinuesOnNextLine(std::string_view line);  // of bytes, in any encoding a module may have

// `End Sub`, `End Function` or `End Property`, indented or not.
bool IsProcedureEndLine(std::u16string_view line);

}  // namespace tessaly::codetools
