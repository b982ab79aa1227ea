// Reading an exported module and writing it back after a whole-module edit, without the
// code tool in between.

#include <benchmark/benchmark.h>

#include "cli/module_file.h"
#include "realistic_module.h"
#include "workloads.h"

namespace tessaly::bench {
namespace {

void BM_ModuleFileParseAndSerialize(benchmark::State& state) {
  const std::string bytes = RealisticExcelModuleFile(kLargeModuleLines);
  for (auto _ : state) {
    const cli::ModuleFile file = cli::ModuleFile::Parse(bytes);
    std::vector<std::u16string> lines = file.VisibleLines();
    for (auto& line : lines)
      line.insert(0, u"  ");
    lines.insert(lines.begin() + 20, u"' 插入");
    benchmark::DoNotOptimize(file.Serialize(lines));
  }
  state.SetItemsProcessed(state.iterations() * kLargeModuleLines);
}

BENCHMARK(BM_ModuleFileParseAndSerialize)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace tessaly::bench
