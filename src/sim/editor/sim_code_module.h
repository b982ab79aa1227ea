#pragma once

// A code module held in memory. It answers the object model's line and procedure calls as the
// editor does, including its refusals, and lets tests read every line.

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "host/code_lines.h"
#include "host/editor.h"
#include "sim/editor/call_log.h"
#include "sim/editor/procedure_table.h"
#include "sim/editor/sim_vb_component.h"

namespace tessaly::sim {

class SimCodePane;

class SimCodeModule : public host::CodeModule {
 public:
  SimCodeModule(std::u16string project, std::u16string name, std::vector<std::u16string> lines,
                std::shared_ptr<CallLog> calls, std::int32_t component_type = host::kStdModule);

  std::u16string Lines(std::int32_t start_line, std::int32_t count) override;
  void ReplaceLine(std::int32_t line, const std::u16string& code) override;
  void InsertLines(std::int32_t line, const std::u16string& code) override;
  void DeleteLines(std::int32_t start_line, std::int32_t count) override;
  std::int32_t CountOfLines() override;
  std::u16string ProcOfLine(std::int32_t line, std::int32_t proc_kind) override;
  std::int32_t ProcStartLine(const std::u16string& name, std::int32_t proc_kind) override;
  std::int32_t ProcCountLines(const std::u16string& name, std::int32_t proc_kind) override;
  std::shared_ptr<host::CodePane> CodePane() override;
  std::shared_ptr<host::VBComponent> Parent() override;

  // Test side; none of these is counted as an object-model call.
  const std::u16string& Project() const { return project_; }
  const std::u16string& Name() const { return name_; }
  const std::vector<std::u16string>& Text() const { return lines_; }
  // For each line, the line of the text the module was made or last set with (0-based) that it
  // stems from, however often it was replaced or moved by lines inserted and deleted above it;
  // none for a line inserted since. Of a line that ReplaceLine splits, the first part stems
  // from it. Lines never change their order, so the origins given increase.
  const std::vector<std::optional<std::size_t>>& LineOrigins() const { return origins_; }
  void SetText(std::vector<std::u16string> lines);
  std::int32_t LineCount() const { return static_cast<std::int32_t>(lines_.size()); }
  const ProcedureTable& Procedures() const;
  // The most text (UTF-16 units, line breaks not counted) the module takes: an edit that would
  // take it past that is refused, as the editor refuses one when it runs out of memory, and
  // Overflowed says so from then on. Unbounded unless set.
  void SetCapacity(std::size_t units) { capacity_ = units; }
  bool Overflowed() const { return overflowed_; }
  const std::shared_ptr<SimCodePane>& Pane() const { return pane_; }
  void AttachPane(std::shared_ptr<SimCodePane> pane) { pane_ = std::move(pane); }

 private:
  void RequireLines(std::int32_t start_line, std::int32_t count, const char* member) const;
  void Edited() { procedures_.reset(); }
  // Throws HostError, for `member`, when the module's text would come to `units`.
  void RequireRoomFor(std::size_t units, const char* member);

  std::u16string project_;
  std::u16string name_;
  std::vector<std::u16string> lines_;
  std::vector<std::optional<std::size_t>> origins_;
  std::shared_ptr<CallLog> calls_;
  std::shared_ptr<SimCodePane> pane_;
  std::shared_ptr<SimVBComponent> component_;
  // Rebuilt only after an edit, so reading a module line by line stays linear.
  mutable std::optional<ProcedureTable> procedures_;
  std::size_t units_ = 0;
  std::optional<std::size_t> capacity_;
  bool overflowed_ = false;
};

}  // namespace tessaly::sim
