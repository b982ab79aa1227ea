#pragma once

// The body of a TargetRange, which the alignment and annotation walks work on: its lines
// without the header above them and without the closing line below them.

#include <cstdint>
#include <string>
#include <vector>

#include "codetools/line_walk.h"

namespace tessaly::codetools {

// How many lines at the top of a range belong to the header: the blank, comment and
// directive lines the editor counts above a procedure, then the first other line (the
// header) with the lines it continues on.
std::size_t CountHeaderLines(const std::vector<std::u16string>& lines);

// How many lines at the bottom of a range's lines, its last line left out, follow the
// body. None when that last line closes the procedure, as it does for every procedure but
// the module's last: the editor counts every line below the module's last `End Sub` into
// that procedure, and then that `End Sub` and the blank, comment and directive lines under
// it are left out, wherever the count ends.
std::size_t CountLinesAfterBody(const std::vector<std::u16string>& lines);

// The lines of a TargetRange first to last without its header and its closing line.
// `first` is the line number of lines[0].
struct ProcedureBody {
  std::int32_t first = 0;
  std::vector<std::u16string> lines;
  bool complete = true;  // false when a line could not be read; lines stop before it
};
ProcedureBody ReadProcedureBody(LineCache& lines, std::int32_t first, std::int32_t last);

}  // namespace tessaly::codetools
