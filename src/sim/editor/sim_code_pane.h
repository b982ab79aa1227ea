#pragma once

// The pane of a code window: the caret or selection and the first visible line of one module.

#include <cstdint>
#include <memory>

#include "host/editor.h"
#include "sim/editor/call_log.h"
#include "sim/editor/sim_window.h"

namespace tessaly::sim {

class SimCodeModule;

// Columns the editor accepts in a selection.
inline constexpr std::int32_t kMaxColumn = 1024;

class SimCodePane : public host::CodePane {
 public:
  SimCodePane(std::weak_ptr<SimCodeModule> module, std::shared_ptr<SimWindow> window,
              std::shared_ptr<CallLog> calls);

  host::Selection GetSelection() override;
  void SetSelection(std::int32_t start_line, std::int32_t start_column, std::int32_t end_line,
                    std::int32_t end_column) override;
  std::int32_t TopLine() override;
  void SetTopLine(std::int32_t line) override;
  std::shared_ptr<host::Window> Window() override;
  std::shared_ptr<host::CodeModule> CodeModule() override;

  // Test side; not counted, but checked like the editor checks.
  const host::Selection& CurrentSelection() const { return selection_; }
  void Select(std::int32_t start_line, std::int32_t start_column, std::int32_t end_line,
              std::int32_t end_column);
  void PlaceCaret(std::int32_t line, std::int32_t column) { Select(line, column, line, column); }
  std::int32_t CurrentTopLine() const { return top_line_; }
  SimWindow& CodeWindow() const { return *window_; }
  const std::shared_ptr<SimWindow>& CodeWindowPtr() const { return window_; }
  // The module shown, or null once it is gone (the application holds the modules).
  SimCodeModule* Module() const { return module_.lock().get(); }

 private:
  // Lines 1 to the module's count (line 1 even in an empty module).
  std::int32_t LastLine() const;
  void RequireLine(std::int32_t line, const char* member) const;

  std::weak_ptr<SimCodeModule> module_;
  std::shared_ptr<SimWindow> window_;
  std::shared_ptr<CallLog> calls_;
  host::Selection selection_{1, 1, 1, 1};
  std::int32_t top_line_ = 1;
};

// Which pane has the caret; shared by the application and the code windows that take it.
struct PaneFocus {
  std::weak_ptr<SimCodePane> active;
};

}  // namespace tessaly::sim
