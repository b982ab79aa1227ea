// `tessaly fmt` against the floor any formatter stands on: reading and writing the same
// bytes. Both run in every iteration, one after the other, so the ratio compares them under
// the same load on a shared machine.

#include <benchmark/benchmark.h>

#include "realistic_module.h"
#include "workloads.h"

namespace tessaly::bench {
namespace {

void BM_FmtAgainstCopy(benchmark::State& state) {
  const ScratchDirectory scratch;
  const auto in = scratch.Path() / "模块1.bas";
  WriteBytes(in, RealisticExcelModuleFile(kLargeModuleLines));
  double copy_seconds = 0;
  double fmt_seconds = 0;
  for (auto _ : state) {
    copy_seconds += SecondsOf([&] { CopyFileBytes(in, scratch.Path() / "copy.bas"); });
    const double fmt = SecondsOf([&] { FormatFile(in, scratch.Path() / "fmt.bas"); });
    fmt_seconds += fmt;
    state.SetIterationTime(fmt);
  }
  const double runs = static_cast<double>(state.iterations());
  state.counters["fmt_lines/s"] = kLargeModuleLines * runs / fmt_seconds;
  state.counters["copy_lines/s"] = kLargeModuleLines * runs / copy_seconds;
  state.counters["fmt/copy"] = fmt_seconds / copy_seconds;
}

BENCHMARK(BM_FmtAgainstCopy)->UseManualTime()->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace tessaly::bench
