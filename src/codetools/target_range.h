#pragma once

// Which lines a code tool works on: the procedure holding the line where the selection
// starts; outside a procedure the Type, Enum or Property block around it; failing both, the
// whole module. The extent of the selection plays no part.

#include <cstdint>
#include <string>

#include "codetools/line_walk.h"
#include "host/editor.h"

namespace tessaly::codetools {

struct TargetRange {
  std::int32_t FirstLine = 1;
  std::int32_t LastLine = 0;  // before FirstLine when there is nothing to work on
  bool operator==(const TargetRange&) const = default;
};

// Both ends at once, for the procedure proc_name (empty: none) around start_line. Lines read
// by the block search stay in lines for the walk that follows.
TargetRange RangeAroundLine(LineCache& lines, const std::u16string& proc_name,
                            std::int32_t start_line);

// The TargetRange around start_line: the procedure the editor says holds it, else the block
// search.
TargetRange FindTargetRange(LineCache& lines, std::int32_t start_line);

// An empty selection at column 1 of the line; a refusal is ignored.
void RestoreCaret(host::CodePane& pane, std::int32_t line);

}  // namespace tessaly::codetools
