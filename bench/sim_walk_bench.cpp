// The simulated editor answering a line-by-line walk (a read and a procedure look-up per
// line): the benchmarks above run through it, so it must not be what they measure.

#include <benchmark/benchmark.h>

#include "realistic_module.h"
#include "workloads.h"

namespace tessaly::bench {
namespace {

void BM_SimLineByLineWalk(benchmark::State& state) {
  ClickEditor editor(RealisticExcelModule(kLargeModuleLines));
  auto& module = editor.Module();
  for (auto _ : state) {
    for (std::int32_t line = 1; line <= module.CountOfLines(); ++line) {
      benchmark::DoNotOptimize(module.Lines(line, 1));
      benchmark::DoNotOptimize(module.ProcOfLine(line, 0));
    }
  }
  state.SetItemsProcessed(state.iterations() * kLargeModuleLines);
}

BENCHMARK(BM_SimLineByLineWalk)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace tessaly::bench
