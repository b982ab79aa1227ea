#pragma once

#include <cstdint>
#include <string>

#include "host/editor.h"

namespace tessaly::menu {

// What a click reads once before it dispatches. All zero and empty with no active code pane.
struct ClickState {
  // The pane's selection; a selection ending at column 1 of a later line ends on the line
  // above, since the caret line it ends on holds nothing of the selection.
  host::Selection selection;
  std::u16string line_text;      // the whole text of the start line
  std::int32_t line_length = 0;  // its length without leading and trailing blanks
  // False when the editor refused the start line: the commands that rewrite the line from
  // line_text then leave it alone rather than overwrite it with an edited empty text.
  bool line_read = false;
};

}  // namespace tessaly::menu
