// The benchmarks, or with --instructions a single run of the workloads whose ratios are
// compared, marked for callgrind (see instruction_counts.h).

#include <benchmark/benchmark.h>

#include <string_view>

#include "instruction_counts.h"

int main(int argc, char** argv) {
  if (argc == 2 && std::string_view(argv[1]) == "--instructions")
    return tessaly::bench::RunInstructionCounts();
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
