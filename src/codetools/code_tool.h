#pragma once

// What every code tool of the function menu does around its own walk: work out the
// TargetRange around the line the click started on, and put the caret back afterwards.

#include <cstdint>
#include <functional>

#include "codetools/indent_style.h"
#include "codetools/line_walk.h"
#include "codetools/target_range.h"
#include "host/editor.h"

namespace tessaly::codetools {

// What a code tool is handed by the click that runs it, each read from the editor once per
// click: the active code pane, its module, and the selection's start line, where the caret
// goes back when the tool is done.
struct CodeTarget {
  host::CodePane& pane;
  host::CodeModule& module;
  std::int32_t SavedStartLine = 0;
  // The layout the module's project asks for.
  IndentStyle style{};
};

// Returns whether the walk read every line it needed; only then is the caret restored (a
// run cut short by an unreadable line leaves the caret where the editor has it).
using RangeWalk = std::function<bool(LineCache& lines, TargetRange range)>;

void RunOnTargetRange(const CodeTarget& target, const RangeWalk& walk);

}  // namespace tessaly::codetools
