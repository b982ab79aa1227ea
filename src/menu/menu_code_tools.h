#pragma once

// The code tools a click on the "【功能】" popup runs. They work on the active code pane and
// return the caret to the connection's SavedStartLine, which the dispatcher records first.

#include "codetools/cleaning.h"

namespace tessaly::menu {

class MenuCodeTools {
 public:
  virtual ~MenuCodeTools() = default;
  virtual void IndentCode() = 0;
  // "删除注解", "删除空行" or "取消缩进": one line-cleaning walk.
  virtual void CleanLines(codetools::Cleaning cleaning) = 0;
  virtual void AlignComments() = 0;
  virtual void UnalignComments() = 0;
};

}  // namespace tessaly::menu
