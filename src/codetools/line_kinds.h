#pragma once

// Lines that are no statement of a procedure's body: they frame it. The alignment and
// annotation walks leave them as they are.

#include <string_view>

namespace tessaly::codetools {

// A compiler directive: `#If`, `#Else`, `#End If`, `#Const`, indented or not.
bool IsDirectiveLine(std::u16string_view line);

// The statement goes on on the next line: the line ends with a blank and an underscore.
bool ContinuesOnNextLine(std::u16string_view line);

// `End Sub`, `End Function` or `End Property`, indented or not.
bool IsProcedureEndLine(std::u16string_view line);

}  // namespace tessaly::codetools
