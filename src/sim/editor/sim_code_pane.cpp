#include "sim/editor/sim_code_pane.h"

#include <algorithm>
#include <string>

#include "host/host_error.h"
#include "sim/editor/sim_code_module.h"

namespace tessaly::sim {

SimCodePane::SimCodePane(std::weak_ptr<SimCodeModule> module, std::shared_ptr<SimWindow> window,
                         std::shared_ptr<CallLog> calls)
    : module_(std::move(module)), window_(std::move(window)), calls_(std::move(calls)) {}

std::int32_t SimCodePane::LastLine() const {
  auto module = module_.lock();
  if (!module) throw calls_->Refused("the pane's module is gone");
  return std::max(1, module->LineCount());
}

void SimCodePane::RequireLine(std::int32_t line, const char* member) const {
  if (line < 1 || line > LastLine()) {
    throw calls_->Refused(std::string(member) + ": line " + std::to_string(line) + " out of range");
  }
}

host::Selection SimCodePane::GetSelection() {
  calls_->Enter(u"CodePane.GetSelection");
  return selection_;
}

void SimCodePane::SetSelection(std::int32_t start_line, std::int32_t start_column,
                               std::int32_t end_line, std::int32_t end_column) {
  calls_->Enter(u"CodePane.SetSelection");
  Select(start_line, start_column, end_line, end_column);
}

void SimCodePane::Select(std::int32_t start_line, std::int32_t start_column, std::int32_t end_line,
                         std::int32_t end_column) {
  RequireLine(start_line, "SetSelection");
  RequireLine(end_line, "SetSelection");
  for (std::int32_t column : {start_column, end_column}) {
    if (column < 1 || column > kMaxColumn) {
      throw calls_->Refused("SetSelection: column " + std::to_string(column) + " out of range");
    }
  }
  selection_ = host::Selection{start_line, start_column, end_line, end_column};
}

std::int32_t SimCodePane::TopLine() {
  calls_->Enter(u"CodePane.TopLine");
  return top_line_;
}

void SimCodePane::SetTopLine(std::int32_t line) {
  calls_->Enter(u"CodePane.SetTopLine");
  RequireLine(line, "TopLine");
  top_line_ = line;
}

std::shared_ptr<host::Window> SimCodePane::Window() {
  calls_->Enter(u"CodePane.Window");
  return window_;
}

std::shared_ptr<host::CodeModule> SimCodePane::CodeModule() {
  calls_->Enter(u"CodePane.CodeModule");
  auto module = module_.lock();
  if (!module) throw calls_->Refused("CodeModule: the pane's module is gone");
  return module;
}

}  // namespace tessaly::sim
