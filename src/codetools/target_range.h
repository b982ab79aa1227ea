#pragma once

// Which lines a code tool works on: the procedure holding the line where the selection
// starts; outside a procedure the Type, Enum or Property block around it; failing both, the
// whole module. The extent of the selection plays no part.

#include <cstdint>
#include <memory>
#include <string>

#include "addin/connection.h"
#include "codetools/line_walk.h"
#include "host/editor.h"

namespace tessaly::codetools {

struct TargetRange {
  std::int32_t FirstLine = 1;
  std::int32_t LastLine = 0;  // before FirstLine when there is nothing to work on
  bool operator==(const TargetRange&) const = default;
};

// The pane with the caret and its module, fetched afresh for each run; both null when the
// editor has no active code pane.
struct ActiveCode {
  std::shared_ptr<host::CodePane> pane;
  std::shared_ptr<host::CodeModule> module;
};
ActiveCode FindActiveCode(host::Application* application);

// The name of the procedure holding the selection's start line; empty outside every
// procedure or when the editor refuses.
std::u16string ProcNameAtCaret(host::Application& application);

// The first line of the TargetRange, or its last when want_last is set.
std::int32_t RangeBoundary(host::Application& application, const std::u16string& proc_name,
                           bool want_last);

// Both ends at once, for the procedure proc_name (empty: none) around start_line. Lines read
// by the block search stay in lines for the walk that follows.
TargetRange RangeAroundLine(LineCache& lines, const std::u16string& proc_name,
                            std::int32_t start_line);

// The TargetRange of the pane's selection.
TargetRange FindTargetRange(host::CodePane& pane, LineCache& lines);

// An empty selection at column 1 of SavedStartLine; a refusal is ignored.
void RestoreCaret(addin::Connection& connection);

}  // namespace tessaly::codetools
