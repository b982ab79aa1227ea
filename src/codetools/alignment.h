#pragma once

// The alignment walk behind "注解对齐" (mode 0) and "取消对齐" (any other mode): trailing
// comments moved to one common display column, or joined to the end of their code.

#include <cstdint>
#include <string>
#include <vector>

#include "addin/connection.h"
#include "codetools/line_walk.h"
#include "host/editor.h"

namespace tessaly::codetools {

inline constexpr std::int32_t kAlignCommentsMode = 0;
inline constexpr std::int32_t kUnalignCommentsMode = 1;

// Aligns or unaligns every line given. Aligning first tightens each line (trailing blanks
// off, the comment pulled up to its code) and measures the widest code, then places every
// trailing comment one column past it; no comment ends up left of where it stood.
std::vector<std::u16string> AlignLines(const std::vector<std::u16string>& lines, std::int32_t mode);

// How many lines at the top of a range belong to the header the walk leaves alone: the
// blank and whole-line comment lines the editor counts above a procedure, and the first
// line after them.
std::size_t CountHeaderLines(const std::vector<std::u16string>& lines);

// The lines of a TargetRange first to last without its header and its end line, which the
// alignment and annotation walks leave alone; `first` is the line number of lines[0].
struct ProcedureBody {
  std::int32_t first = 0;
  std::vector<std::u16string> lines;
  bool complete = true;  // false when a line could not be read; lines stop before it
};
ProcedureBody ReadProcedureBody(LineCache& lines, std::int32_t first, std::int32_t last);

// The walk over a TargetRange first to last: its last line (the end line) and its header
// are left out. Returns false when a line could not be read; the lines read before it are
// aligned among themselves, the rest are untouched.
bool AlignRange(LineCache& lines, std::int32_t first, std::int32_t last, std::int32_t mode);
bool AlignRange(host::CodeModule& module, std::int32_t first, std::int32_t last, std::int32_t mode);

// The menu tools over the TargetRange of the active code pane.
void RunAlignmentWalk(addin::Connection& connection, std::int32_t mode);
void AlignComments(addin::Connection& connection);
void UnalignComments(addin::Connection& connection);

}  // namespace tessaly::codetools
