#pragma once

// "代码注解" over a TargetRange: every code line of the procedure gets its Chinese rendering
// as a trailing comment. The header and the end line are left as they are, like the
// alignment walk leaves them.

#include <cstdint>

#include "codetools/annotation_dictionary.h"
#include "codetools/code_tool.h"
#include "codetools/line_walk.h"

namespace tessaly::codetools {

// Returns false when a line could not be read; the lines read before it are annotated.
bool AnnotateRange(LineCache& lines, std::int32_t first, std::int32_t last,
                   const AnnotationDictionary& dictionary);

// The menu tool over the TargetRange of the active code pane, then the caret back to
// SavedStartLine.
void AnnotateCode(const CodeTarget& target, const AnnotationDictionary& dictionary);

}  // namespace tessaly::codetools
