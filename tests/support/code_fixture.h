#pragma once

// An editor with one module in an active code pane, for tests of the code tools and of
// anything that runs them (dispatcher, command line).

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "codetools/code_tool.h"
#include "sim/editor/sim_application.h"

namespace tessaly::test_support {

class CodeFixture {
 public:
  explicit CodeFixture(std::vector<std::u16string> lines);

  // What a click on a code tool hands it: the module, its pane and the start line Click set.
  codetools::CodeTarget Target() { return {*module_->Pane(), *module_, saved_start_line_}; }
  sim::SimApplication& Application() { return *application_; }
  sim::SimCodeModule& Module() { return *module_; }
  const std::vector<std::u16string>& Text() const { return module_->Text(); }

  // A selection as a click finds it: the pane's selection is set and its start line saved
  // as the target's SavedStartLine, as the dispatcher does before it runs a tool.
  void Click(std::int32_t start_line, std::int32_t start_column = 1, std::int32_t end_line = 0,
             std::int32_t end_column = 0);
  void ClearActivePane() { application_->SetActivePane(nullptr); }
  host::Selection Caret() const;

  std::int64_t Calls(std::u16string_view member) const;
  void ResetCalls();

 private:
  std::shared_ptr<sim::SimApplication> application_;
  sim::SimCodeModule* module_ = nullptr;
  std::int32_t saved_start_line_ = 0;
};

// The lines of a UTF-8 text split at line feeds.
std::vector<std::u16string> SplitUtf8Lines(std::string_view text);

}  // namespace tessaly::test_support
