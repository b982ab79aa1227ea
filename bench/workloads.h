#pragma once

// What the benchmarks share: the realistic module in a simulated editor, a click on a
// procedure as the function menu makes it, the `tessaly fmt` pipeline, and a stopwatch for
// measuring two workloads side by side in one run.

#include <chrono>
#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

#include "codetools/code_tool.h"
#include "sim/editor/sim_editor.h"

namespace tessaly::bench {

// The size the command line is expected to handle briskly: the editor's own line limit.
inline constexpr std::int32_t kLargeModuleLines = 65000;

// A simulated editor holding one module in the active code pane.
class ClickEditor {
 public:
  explicit ClickEditor(const std::vector<std::u16string>& lines);

  sim::SimEditor& Editor() { return editor_; }
  sim::SimCodeModule& Module() { return *module_; }
  // What a click hands a code tool: the pane, its module and the line Click saved.
  codetools::CodeTarget Target() { return {*module_->Pane(), *module_, saved_start_line_}; }

  // The selection set and its start line saved, as the dispatcher does before a tool runs.
  void Click(std::int32_t line);

  // One caret line in the body of every procedure, between its header and its end.
  std::vector<std::int32_t> ProcedureMiddles() const;

 private:
  sim::SimEditor editor_;
  sim::SimCodeModule* module_ = nullptr;
  std::int32_t saved_start_line_ = 0;
};

// Lines whose text differs; both texts have the same number of lines.
std::int64_t CountChangedLines(const std::vector<std::u16string>& before,
                               const std::vector<std::u16string>& after);

// `tessaly fmt` on bytes in memory: parse, "代码缩进" over the whole module, serialize.
std::string FormatModuleBytes(std::string bytes);

// `tessaly fmt FILE > OUT` through the command line's own reading and writing.
void FormatFile(const std::filesystem::path& in, const std::filesystem::path& out);
// The floor for the above: the same bytes read and written unchanged.
void CopyFileBytes(const std::filesystem::path& in, const std::filesystem::path& out);

// A directory of its own under the system's temporary directory, removed with the object.
class ScratchDirectory {
 public:
  ScratchDirectory();
  ~ScratchDirectory();
  ScratchDirectory(const ScratchDirectory&) = delete;
  ScratchDirectory& operator=(const ScratchDirectory&) = delete;
  const std::filesystem::path& Path() const { return path_; }

 private:
  std::filesystem::path path_;
};

void WriteBytes(const std::filesystem::path& path, const std::string& bytes);

template <typename Work>
double SecondsOf(Work&& work) {
  const auto start = std::chrono::steady_clock::now();
  work();
  return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

}  // namespace tessaly::bench
