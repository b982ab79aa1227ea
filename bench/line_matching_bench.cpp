// Matching the lines of a whole re-indented module to its original, which the command line
// does to carry hidden member attributes along with their lines.

#include <benchmark/benchmark.h>

#include "cli/line_matching.h"
#include "realistic_module.h"
#include "workloads.h"

namespace tessaly::bench {
namespace {

void BM_LineOriginsOfReindentedModule(benchmark::State& state) {
  const auto before = RealisticExcelModule(kLargeModuleLines);
  std::vector<std::u16string> after;
  for (std::size_t i = 0; i < before.size(); ++i) {
    after.push_back(u"    " + before[i]);
    if (i % 1000 == 0) after.push_back(u"' 插入");
  }
  for (auto _ : state)
    benchmark::DoNotOptimize(cli::FindLineOrigins(before, after));
  state.SetItemsProcessed(state.iterations() * kLargeModuleLines);
}

BENCHMARK(BM_LineOriginsOfReindentedModule)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace tessaly::bench
