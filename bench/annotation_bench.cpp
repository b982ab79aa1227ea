// "代码注解" looks up every word of every line in the dictionary; it may cost more than
// "代码缩进" on the same lines, but not by much. Both run over the same module in every
// iteration, each on a fresh copy of the text.

#include <benchmark/benchmark.h>

#include "codetools/annotation_dictionary.h"
#include "codetools/annotation_walk.h"
#include "codetools/indent.h"
#include "realistic_module.h"
#include "workloads.h"

namespace tessaly::bench {
namespace {

void BM_AnnotateAgainstIndent(benchmark::State& state) {
  const codetools::AnnotationDictionary dictionary;
  const auto original = RealisticExcelModule(kLargeModuleLines);
  ClickEditor editor(original);
  auto& module = editor.Module();
  double annotate_seconds = 0;
  double indent_seconds = 0;
  for (auto _ : state) {
    module.SetText(original);
    const double annotate = SecondsOf([&] {
      codetools::LineCache lines(module);
      codetools::AnnotateRange(lines, 1, module.LineCount(), dictionary);
    });
    annotate_seconds += annotate;
    state.SetIterationTime(annotate);
    module.SetText(original);
    indent_seconds += SecondsOf([&] {
      codetools::LineCache lines(module);
      codetools::IndentRange(lines, 1, module.LineCount(), {});
    });
  }
  const double lines = kLargeModuleLines * static_cast<double>(state.iterations());
  state.counters["annotate_lines/s"] = lines / annotate_seconds;
  state.counters["indent_lines/s"] = lines / indent_seconds;
  state.counters["annotate/indent"] = annotate_seconds / indent_seconds;
  state.SetLabel(std::to_string(module.Procedures().Procedures().size()) + " procedures");
}

BENCHMARK(BM_AnnotateAgainstIndent)->UseManualTime()->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace tessaly::bench
