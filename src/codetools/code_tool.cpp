#include "codetools/code_tool.h"

namespace tessaly::codetools {

void RunOnTargetRange(const CodeTarget& target, const RangeWalk& walk) {
  LineCache lines(target.module);
  const TargetRange range = FindTargetRange(lines, target.SavedStartLine);
  if (walk(lines, range)) RestoreCaret(target.pane, target.SavedStartLine);
}

}  // namespace tessaly::codetools
