#pragma once

// Clicks on the function menu with the module before and after, one table for both faces: the
// Linux suite runs it through the simulated editor, the fake editor host under Wine through
// QWIX.dll, so the two cannot drift apart.

#include <cstdint>
#include <string>
#include <vector>

#include "host/editor.h"
#include "sim/editor/sim_editor.h"

namespace tessaly::test_support {

struct ClickCase {
  const char* name;
  std::vector<std::u16string> before;
  host::Selection caret;
  std::u16string caption;
  std::vector<std::u16string> after;
  host::Selection caret_after;
};

const std::vector<ClickCase>& ClickCases();

// The caption path of the function menu's control with that caption.
sim::ControlPath FunctionMenuPath(const sim::SimEditor& editor, const std::u16string& caption);

}  // namespace tessaly::test_support
