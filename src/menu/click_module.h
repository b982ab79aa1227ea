#pragma once

// The code module a click works on. Every call is one resumed step: a refused call (no active
// pane, a line out of range, a refused value) is skipped and the click goes on. A refusal is
// written to the log with the caller's place, not this file's, so that two commands meeting
// the same refusal each leave their line.

#include <cstdint>
#include <memory>
#include <optional>
#include <source_location>
#include <string>

#include "host/editor.h"

namespace tessaly::menu {

class ClickModule {
 public:
  // A null module (no active code pane) refuses every call.
  explicit ClickModule(std::shared_ptr<host::CodeModule> module);

  std::optional<std::u16string> Line(std::int32_t line,
                                     std::source_location where = std::source_location::current());
  void ReplaceLine(std::int32_t line, const std::u16string& code,
                   std::source_location where = std::source_location::current());
  void InsertLines(std::int32_t line, const std::u16string& code,
                   std::source_location where = std::source_location::current());
  void DeleteLine(std::int32_t line, std::source_location where = std::source_location::current());
  // Caret (line, column) on the module's pane.
  void PlaceCaret(std::int32_t line, std::int32_t column,
                  std::source_location where = std::source_location::current());
  // The pane's selection as it is now; all zero when refused.
  host::Selection Selection(std::source_location where = std::source_location::current());
  // The start line of the pane's selection as it is now; 0 when refused.
  std::int32_t CurrentStartLine(std::source_location where = std::source_location::current());
  // The indentation prefix for the current caret line.
  std::u16string GetHeadCode(std::source_location where = std::source_location::current());

 private:
  std::shared_ptr<host::CodeModule> module_;
};

}  // namespace tessaly::menu
