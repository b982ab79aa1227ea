#pragma once

// An editor with one module in an active code pane, for tests of the code tools and of
// anything that runs them (dispatcher, command line).

#include <algorithm>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "codetools/code_tool.h"
#include "sim/editor/sim_application.h"
#include "text/utf.h"

namespace tessaly::test_support {

class CodeFixture {
 public:
  explicit CodeFixture(std::vector<std::u16string> lines)
      : application_(std::make_shared<sim::SimApplication>(sim::EditorOptions{})),
        module_(&application_->AddModule(u"VBAProject", u"模块1", std::move(lines))) {}

  // What a click on a code tool hands it: the module, its pane and the start line Click set.
  codetools::CodeTarget Target() { return {*module_->Pane(), *module_, saved_start_line_}; }
  sim::SimApplication& Application() { return *application_; }
  sim::SimCodeModule& Module() { return *module_; }
  const std::vector<std::u16string>& Text() const { return module_->Text(); }

  // A selection as a click finds it: the pane's selection is set and its start line saved
  // as the target's SavedStartLine, as the dispatcher does before it runs a tool.
  void Click(std::int32_t start_line, std::int32_t start_column = 1, std::int32_t end_line = 0,
             std::int32_t end_column = 0) {
    module_->Pane()->Select(start_line, start_column, end_line ? end_line : start_line,
                            end_column ? end_column : start_column);
    application_->SetActivePane(module_->Pane());
    saved_start_line_ = start_line;
  }
  host::Selection Caret() const { return module_->Pane()->CurrentSelection(); }

  std::int64_t Calls(std::u16string_view member) const {
    return application_->Calls().Calls(member);
  }
  void ResetCalls() { application_->Calls().Reset(); }

 private:
  std::shared_ptr<sim::SimApplication> application_;
  sim::SimCodeModule* module_ = nullptr;
  std::int32_t saved_start_line_ = 0;
};

// The lines of a UTF-8 text split at line feeds.
inline std::vector<std::u16string> SplitUtf8Lines(std::string_view text) {
  std::vector<std::u16string> lines;
  while (!text.empty()) {
    const auto end = std::min(text.find('\n'), text.size());
    lines.push_back(text::FromUtf8(text.substr(0, end)));
    text.remove_prefix(std::min(end + 1, text.size()));
  }
  return lines;
}

}  // namespace tessaly::test_support
