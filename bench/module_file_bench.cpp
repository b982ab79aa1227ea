// Reading an exported module and writing it back after a whole-module edit, without the
// code tool in between.

#include <benchmark/benchmark.h>

#include <optional>

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
    std::vector<std::optional<std::size_t>> origins(lines.size());
    for (std::size_t k = 0; k < lines.size(); ++k)
      origins[k] = k < 20   ? std::optional<std::size_t>(k)
                   : k > 20 ? std::optional(k - 1)
                            : std::nullopt;
    benchmark::DoNotOptimize(file.Serialize(lines, origins));
  }
  state.SetItemsProcessed(state.iterations() * kLargeModuleLines);
}

BENCHMARK(BM_ModuleFileParseAndSerialize)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace tessaly::bench
