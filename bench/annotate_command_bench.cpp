// `tessaly annotate` against `tessaly fmt` on the same 40,000-line file, both through the
// command line with standard output in memory. Annotating renders every word of every code
// line, so it costs a few times what re-indenting does; it must grow with the module as fmt
// does, not with the module times its procedures.

#include <benchmark/benchmark.h>

#include <sstream>

#include "cli/command_line.h"
#include "realistic_module.h"
#include "workloads.h"

namespace tessaly::bench {
namespace {

constexpr std::int32_t kAnnotatedModuleLines = 40000;

void RunToMemory(const std::vector<std::string>& args) {
  std::istringstream in;
  std::ostringstream out;
  std::ostringstream err;
  if (cli::RunCommandLine(args, {in, out, err}) != cli::kExitOk) {
    throw std::runtime_error(err.str());
  }
  benchmark::DoNotOptimize(out.str().size());
}

void BM_AnnotateAgainstFmt(benchmark::State& state) {
  const ScratchDirectory scratch;
  const auto path = (scratch.Path() / "模块1.bas").string();
  WriteBytes(path, RealisticExcelModuleFile(kAnnotatedModuleLines));
  double fmt_seconds = 0;
  double annotate_seconds = 0;
  for (auto _ : state) {
    fmt_seconds += SecondsOf([&] { RunToMemory({"fmt", path}); });
    const double annotate = SecondsOf([&] { RunToMemory({"annotate", path}); });
    annotate_seconds += annotate;
    state.SetIterationTime(annotate);
  }
  const double runs = static_cast<double>(state.iterations());
  state.counters["annotate_lines/s"] = kAnnotatedModuleLines * runs / annotate_seconds;
  state.counters["fmt_lines/s"] = kAnnotatedModuleLines * runs / fmt_seconds;
  state.counters["annotate/fmt"] = annotate_seconds / fmt_seconds;
}

BENCHMARK(BM_AnnotateAgainstFmt)->UseManualTime()->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace tessaly::bench
