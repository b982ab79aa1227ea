#pragma once

// "代码缩进": every line of the range loses its leading blanks and is written behind four
// blanks per block level.

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "codetools/code_tool.h"
#include "codetools/line_walk.h"
#include "host/editor.h"

namespace tessaly::codetools {

// How many blanks each of a run of lines is to stand behind, the level starting at 0 on the
// first; its code follows unchanged, without the blanks it had. Re-indenting can make text far
// larger than it was (each level adds four blanks to every line inside it, so deep nesting
// grows with the square of its depth): the sizes tell what the result comes to before it is
// built. Linear in the size of the text; a line's result depends only on the lines above it.
std::vector<std::size_t> IndentWidths(const std::vector<std::u16string>& lines);

// The re-indented texts, built from IndentWidths.
std::vector<std::u16string> IndentLines(const std::vector<std::u16string>& lines);

// Re-indents lines first to last of a module, writing only the lines that change, each built
// just before it is written, so that no more than the editor takes is ever held. Returns
// false when a line could not be read: the lines above it are indented, the rest untouched.
bool IndentRange(LineCache& lines, std::int32_t first, std::int32_t last);
bool IndentRange(host::CodeModule& module, std::int32_t first, std::int32_t last);

// The menu tool: the TargetRange of the active code pane, then the caret back to
// SavedStartLine.
void IndentCode(const CodeTarget& target);

}  // namespace tessaly::codetools
