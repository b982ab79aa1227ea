#pragma once

// What every code tool of the function menu does around its own walk: find the active code
// pane, work out the TargetRange, and put the caret back afterwards.

#include <functional>

#include "addin/connection.h"
#include "codetools/line_walk.h"
#include "codetools/target_range.h"

namespace tessaly::codetools {

// Returns whether the walk read every line it needed; only then is the caret restored (a
// run cut short by an unreadable line leaves the caret where the editor has it).
using RangeWalk = std::function<bool(LineCache& lines, TargetRange range)>;

// Without an active code pane nothing is touched.
void RunOnTargetRange(addin::Connection& connection, const RangeWalk& walk);

}  // namespace tessaly::codetools
