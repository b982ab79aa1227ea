#pragma once

// The alignment walk behind "注解对齐" (mode 0) and "取消对齐" (any other mode): trailing
// comments moved to one common display column, or joined to the end of their code.

#include <cstdint>
#include <string>
#include <vector>

#include "codetools/code_tool.h"
#include "codetools/line_walk.h"
#include "codetools/procedure_body.h"
#include "host/editor.h"

namespace tessaly::codetools {

inline constexpr std::int32_t kAlignCommentsMode = 0;
inline constexpr std::int32_t kUnalignCommentsMode = 1;

// The walk over the body of a TargetRange first to last: its header and its closing line
// are left out. Returns false when a line could not be read; the lines read before it are
// aligned among themselves, the rest are untouched. Aligning first tightens each line
// (trailing blanks off, the comment pulled up to its code) and measures the widest code, a tab
// reaching the next multiple of `tab_width`, then places every trailing comment one column
// past it; no comment ends up left of where it stood.
bool AlignRange(LineCache& lines, std::int32_t first, std::int32_t last, std::int32_t mode,
                std::int32_t tab_width);

// The menu tool over the TargetRange of the click's target.
void RunAlignmentWalk(const CodeTarget& target, std::int32_t mode);

}  // namespace tessaly::codetools
