#include "codetools/code_tool.h"

namespace tessaly::codetools {

void RunOnTargetRange(addin::Connection& connection, const RangeWalk& walk) {
  const ActiveCode active = FindActiveCode(connection.HostApplication.get());
  if (!active.pane) return;
  LineCache lines(*active.module);
  const TargetRange range = FindTargetRange(*active.pane, lines);
  if (walk(lines, range)) RestoreCaret(connection);
}

}  // namespace tessaly::codetools
