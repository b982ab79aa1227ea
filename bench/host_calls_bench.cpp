// Calls into the editor per line for the whitespace tools. Every call crosses into the host
// process in the real editor and costs far more than the text work, so the tools promise to
// read each line of their range at most once (`Lines` per range line <= 1) and to write
// only the lines they change (`ReplaceLine` per changed line <= 1).

#include <benchmark/benchmark.h>

#include <cstdint>
#include <vector>

#include "codetools/alignment.h"
#include "codetools/cleaning.h"
#include "codetools/indent.h"
#include "codetools/target_range.h"
#include "realistic_module.h"
#include "workloads.h"

namespace tessaly::bench {
namespace {

enum Tool : std::int64_t { kIndent, kUnindent, kAlign, kUnalign };

const char* CaptionOf(std::int64_t tool) {
  switch (tool) {
    case kIndent:
      return "代码缩进";
    case kUnindent:
      return "取消缩进";
    case kAlign:
      return "注解对齐";
    default:
      return "取消对齐";
  }
}

void ClickTool(std::int64_t tool, const codetools::CodeTarget& target) {
  switch (tool) {
    case kIndent:
      codetools::IndentCode(target);
      break;
    case kUnindent:
      codetools::RunCleaningWalk(target, codetools::Cleaning::kUnindent);
      break;
    case kAlign:
      codetools::RunAlignmentWalk(target, codetools::kAlignCommentsMode);
      break;
    default:
      codetools::RunAlignmentWalk(target, codetools::kUnalignCommentsMode);
  }
}

void WholeModuleTool(std::int64_t tool, sim::SimCodeModule& module) {
  const std::int32_t last = module.LineCount();
  switch (tool) {
    case kIndent: {
      codetools::LineCache lines(module);
      codetools::IndentRange(lines, 1, last, {});
    } break;
    case kUnindent: {
      codetools::LineCache lines(module);
      codetools::CleanRange(lines, 1, last, codetools::Cleaning::kUnindent);
    } break;
    case kAlign: {
      codetools::LineCache lines(module);
      codetools::AlignRange(lines, 1, last, codetools::kAlignCommentsMode, 4);
    } break;
    default: {
      codetools::LineCache lines(module);
      codetools::AlignRange(lines, 1, last, codetools::kUnalignCommentsMode, 4);
    }
  }
}

// The sums over every iteration, turned into the counters once at the end.
struct CallTally {
  std::int64_t range_lines = 0;
  std::int64_t changed_lines = 0;
  std::int64_t reads = 0;
  std::int64_t writes = 0;
  std::int64_t all_calls = 0;
  std::int64_t runs = 0;

  void Add(ClickEditor& editor, const std::vector<std::u16string>& before, std::int64_t lines,
           std::int64_t tool_runs) {
    range_lines += lines;
    changed_lines += CountChangedLines(before, editor.Module().Text());
    reads += editor.Editor().Calls(u"CodeModule.Lines");
    writes += editor.Editor().Calls(u"CodeModule.ReplaceLine");
    all_calls += editor.Editor().App().Calls().TotalCalls();
    runs += tool_runs;
  }

  void Report(benchmark::State& state) const {
    state.counters["Lines/line"] = static_cast<double>(reads) / static_cast<double>(range_lines);
    state.counters["ReplaceLine/changed"] =
        changed_lines == 0 ? 0.0 : static_cast<double>(writes) / static_cast<double>(changed_lines);
    state.counters["calls/run"] = static_cast<double>(all_calls) / static_cast<double>(runs);
    state.counters["changed/line"] =
        static_cast<double>(changed_lines) / static_cast<double>(range_lines);
  }
};

// A click in every procedure of a module of thousands, each running the tool over its own
// TargetRange, as a user working through the module would. Only the calls count here: the
// time is mostly the simulated editor rebuilding its procedure table after each edit.
void BM_ClickEveryProcedure(benchmark::State& state) {
  const auto original = RealisticExcelModule(kLargeModuleLines);
  ClickEditor editor(original);
  const auto carets = editor.ProcedureMiddles();
  std::int64_t range_lines = 0;
  for (const auto caret : carets) {
    editor.Click(caret);
    codetools::LineCache lines(editor.Module());
    const auto range = codetools::FindTargetRange(lines, caret);
    range_lines += range.LastLine - range.FirstLine + 1;
  }
  CallTally tally;
  for (auto _ : state) {
    state.PauseTiming();
    editor.Module().SetText(original);
    editor.Editor().ResetCalls();
    state.ResumeTiming();
    for (const auto caret : carets) {
      editor.Click(caret);
      ClickTool(state.range(0), editor.Target());
    }
    state.PauseTiming();
    tally.Add(editor, original, range_lines, static_cast<std::int64_t>(carets.size()));
    state.ResumeTiming();
  }
  tally.Report(state);
  state.SetLabel(std::string(CaptionOf(state.range(0))) + ", " + std::to_string(carets.size()) +
                 " procedures");
}

// The range variants the command line uses, over all 65,000 lines at once.
void BM_WholeModuleRange(benchmark::State& state) {
  const auto original = RealisticExcelModule(kLargeModuleLines);
  ClickEditor editor(original);
  CallTally tally;
  for (auto _ : state) {
    state.PauseTiming();
    editor.Module().SetText(original);
    editor.Editor().ResetCalls();
    state.ResumeTiming();
    WholeModuleTool(state.range(0), editor.Module());
    state.PauseTiming();
    tally.Add(editor, original, kLargeModuleLines, 1);
    state.ResumeTiming();
  }
  tally.Report(state);
  state.SetItemsProcessed(state.iterations() * kLargeModuleLines);
  state.SetLabel(CaptionOf(state.range(0)));
}

BENCHMARK(BM_ClickEveryProcedure)->DenseRange(kIndent, kUnalign)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_WholeModuleRange)->DenseRange(kIndent, kUnalign)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace tessaly::bench
