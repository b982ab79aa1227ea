#pragma once

// The code module a click works on. Every call is one resumed step: a refused call (no active
// pane, a line out of range, a refused value) is skipped and the click goes on.

#include <cstdint>
#include <memory>
#include <optional>
#include <string>

#include "host/editor.h"

namespace tessaly::menu {

class ClickModule {
 public:
  // A null module (no active code pane) refuses every call.
  explicit ClickModule(std::shared_ptr<host::CodeModule> module);

  std::optional<std::u16string> Line(std::int32_t line);
  void ReplaceLine(std::int32_t line, const std::u16string& code);
  void InsertLines(std::int32_t line, const std::u16string& code);
  void DeleteLine(std::int32_t line);
  // Caret (line, column) on the module's pane.
  void PlaceCaret(std::int32_t line, std::int32_t column);
  // The pane's selection as it is now; all zero when refused.
  host::Selection Selection();
  // The start line of the pane's selection as it is now; 0 when refused.
  std::int32_t CurrentStartLine();
  // The indentation prefix for the current caret line.
  std::u16string GetHeadCode();

 private:
  std::shared_ptr<host::CodeModule> module_;
};

}  // namespace tessaly::menu
