#include "sim/editor/sim_code_module.h"

#include <span>
#include <string>

#include "host/host_error.h"
#include "sim/editor/sim_code_pane.h"
#include "text/utf.h"

namespace tessaly::sim {
namespace {

// A plain loop: a tool rewrites every line of a large module through here.
bool HasLineBreak(const std::u16string& code) {
  const char16_t* text = code.data();
  for (std::size_t i = 0, size = code.size(); i < size; ++i) {
    if (text[i] == u'\r' || text[i] == u'\n') return true;
  }
  return false;
}

std::size_t UnitsOf(std::span<const std::u16string> lines) {
  std::size_t units = 0;
  for (const auto& line : lines)
    units += line.size();
  return units;
}

// Every line where it stands: the lines of a text just set.
std::vector<std::optional<std::size_t>> OriginalPlaces(std::size_t count) {
  std::vector<std::optional<std::size_t>> places(count);
  for (std::size_t k = 0; k < count; ++k)
    places[k] = k;
  return places;
}

}  // namespace

SimCodeModule::SimCodeModule(std::u16string project, std::u16string name,
                             std::vector<std::u16string> lines, std::shared_ptr<CallLog> calls,
                             std::int32_t component_type)
    : project_(std::move(project)),
      name_(std::move(name)),
      lines_(std::move(lines)),
      origins_(OriginalPlaces(lines_.size())),
      calls_(std::move(calls)),
      component_(std::make_shared<SimVBComponent>(name_, component_type, calls_)),
      units_(UnitsOf(lines_)) {}

void SimCodeModule::RequireRoomFor(std::size_t units, const char* member) {
  if (!capacity_ || units <= *capacity_) return;
  overflowed_ = true;
  throw host::HostError(std::string(member) + ": out of memory");
}

void SimCodeModule::RequireLines(std::int32_t start_line, std::int32_t count,
                                 const char* member) const {
  if (start_line < 1 || count < 0 || start_line > LineCount() ||
      count > LineCount() - start_line + 1) {
    throw calls_->Refused(std::string(member) + ": lines " + std::to_string(start_line) + "+" +
                          std::to_string(count) + " outside " + text::ToUtf8(name_));
  }
}

std::u16string SimCodeModule::Lines(std::int32_t start_line, std::int32_t count) {
  calls_->Enter(u"CodeModule.Lines");
  RequireLines(start_line, count, "Lines");
  return host::JoinCodeLines(std::span(lines_).subspan(static_cast<std::size_t>(start_line - 1),
                                                       static_cast<std::size_t>(count)));
}

void SimCodeModule::ReplaceLine(std::int32_t line, const std::u16string& code) {
  calls_->Enter(u"CodeModule.ReplaceLine");
  RequireLines(line, 1, "ReplaceLine");
  std::u16string& replaced = lines_[line - 1];
  if (!HasLineBreak(code)) {
    RequireRoomFor(units_ - replaced.size() + code.size(), "ReplaceLine");
    units_ = units_ - replaced.size() + code.size();
    replaced = code;
    Edited();
    return;
  }
  auto replacement = host::SplitCodeLines(code);
  const std::size_t units = units_ - replaced.size() + UnitsOf(replacement);
  RequireRoomFor(units, "ReplaceLine");
  units_ = units;
  replaced = std::move(replacement.front());
  lines_.insert(lines_.begin() + line, std::make_move_iterator(replacement.begin() + 1),
                std::make_move_iterator(replacement.end()));
  origins_.insert(origins_.begin() + line, replacement.size() - 1, std::nullopt);
  Edited();
}

void SimCodeModule::InsertLines(std::int32_t line, const std::u16string& code) {
  calls_->Enter(u"CodeModule.InsertLines");
  if (line < 1 || line > LineCount() + 1) {
    throw calls_->Refused("InsertLines: line " + std::to_string(line) + " outside the module");
  }
  auto inserted = host::SplitCodeLines(code);
  RequireRoomFor(units_ + UnitsOf(inserted), "InsertLines");
  units_ += UnitsOf(inserted);
  lines_.insert(lines_.begin() + (line - 1), std::make_move_iterator(inserted.begin()),
                std::make_move_iterator(inserted.end()));
  origins_.insert(origins_.begin() + (line - 1), inserted.size(), std::nullopt);
  Edited();
}

void SimCodeModule::DeleteLines(std::int32_t start_line, std::int32_t count) {
  calls_->Enter(u"CodeModule.DeleteLines");
  if (count < 1) throw calls_->Refused("DeleteLines: count below 1");
  RequireLines(start_line, count, "DeleteLines");
  units_ -= UnitsOf(std::span(lines_).subspan(static_cast<std::size_t>(start_line - 1),
                                              static_cast<std::size_t>(count)));
  lines_.erase(lines_.begin() + (start_line - 1), lines_.begin() + (start_line - 1 + count));
  origins_.erase(origins_.begin() + (start_line - 1), origins_.begin() + (start_line - 1 + count));
  Edited();
}

std::int32_t SimCodeModule::CountOfLines() {
  calls_->Enter(u"CodeModule.CountOfLines");
  return LineCount();
}

std::u16string SimCodeModule::ProcOfLine(std::int32_t line, std::int32_t /*proc_kind*/) {
  calls_->Enter(u"CodeModule.ProcOfLine");
  RequireLines(line, 1, "ProcOfLine");
  const Procedure* procedure = Procedures().At(line);
  return procedure ? procedure->name : std::u16string();
}

std::int32_t SimCodeModule::ProcStartLine(const std::u16string& name, std::int32_t proc_kind) {
  calls_->Enter(u"CodeModule.ProcStartLine");
  const Procedure* procedure = Procedures().Find(name, proc_kind);
  if (!procedure) throw calls_->Refused("ProcStartLine: no procedure " + text::ToUtf8(name));
  return procedure->start_line;
}

std::int32_t SimCodeModule::ProcCountLines(const std::u16string& name, std::int32_t proc_kind) {
  calls_->Enter(u"CodeModule.ProcCountLines");
  const Procedure* procedure = Procedures().Find(name, proc_kind);
  if (!procedure) throw calls_->Refused("ProcCountLines: no procedure " + text::ToUtf8(name));
  return procedure->end_line - procedure->start_line + 1;
}

std::shared_ptr<host::CodePane> SimCodeModule::CodePane() {
  calls_->Enter(u"CodeModule.CodePane");
  if (!pane_) throw calls_->Refused("CodePane: the module has no open pane");
  return pane_;
}

std::shared_ptr<host::VBComponent> SimCodeModule::Parent() {
  calls_->Enter(u"CodeModule.Parent");
  return component_;
}

void SimCodeModule::SetText(std::vector<std::u16string> lines) {
  lines_ = std::move(lines);
  units_ = UnitsOf(lines_);
  origins_ = OriginalPlaces(lines_.size());
  Edited();
}

const ProcedureTable& SimCodeModule::Procedures() const {
  if (!procedures_) procedures_ = ProcedureTable::Scan(lines_);
  return *procedures_;
}

}  // namespace tessaly::sim
