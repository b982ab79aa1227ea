// Formatting a module ten times the size must take about ten times as long; a step that
// grows with the square of the module shows up as a ratio far above 10.

#include <benchmark/benchmark.h>

#include <string>

#include "realistic_module.h"
#include "workloads.h"

namespace tessaly::bench {
namespace {

constexpr std::int32_t kSmallModuleLines = kLargeModuleLines / 10;

void BM_FormatSize(benchmark::State& state) {
  const std::string bytes = RealisticExcelModuleFile(static_cast<std::size_t>(state.range(0)));
  for (auto _ : state)
    benchmark::DoNotOptimize(FormatModuleBytes(bytes));
  state.SetItemsProcessed(state.iterations() * state.range(0));
}

void BM_FormatTenfold(benchmark::State& state) {
  const std::string small = RealisticExcelModuleFile(kSmallModuleLines);
  const std::string large = RealisticExcelModuleFile(kLargeModuleLines);
  double small_seconds = 0;
  double large_seconds = 0;
  for (auto _ : state) {
    small_seconds += SecondsOf([&] { benchmark::DoNotOptimize(FormatModuleBytes(small)); });
    const double seconds = SecondsOf([&] { benchmark::DoNotOptimize(FormatModuleBytes(large)); });
    large_seconds += seconds;
    state.SetIterationTime(seconds);
  }
  state.counters["65000/6500"] = large_seconds / small_seconds;
}

BENCHMARK(BM_FormatSize)
    ->Arg(kSmallModuleLines)
    ->Arg(kLargeModuleLines)
    ->Unit(benchmark::kMillisecond);
BENCHMARK(BM_FormatTenfold)->UseManualTime()->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace tessaly::bench
