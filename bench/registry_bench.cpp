// Loading and writing a registry file ten times the size must take about ten times as long;
// a key looked up among its siblings one by one shows up as a ratio far above 10.

#include <benchmark/benchmark.h>

#include <cstdint>
#include <string>
#include <vector>

#include "sim/os/reg_file.h"
#include "workloads.h"

namespace tessaly::bench {
namespace {

constexpr int kLargeRegistryKeys = 100'000;

// `keys` sibling keys with a value each, as a UTF-8 .reg file.
std::vector<std::uint8_t> RegistryWithKeys(int keys) {
  std::string text = "Windows Registry Editor Version 5.00\r\n\r\n";
  for (int k = 0; k < keys; ++k) {
    text += "[HKEY_CURRENT_USER\\Software\\Tessaly\\Key" + std::to_string(k) +
            "]\r\n\"Value\"=dword:00000001\r\n\r\n";
  }
  return {text.begin(), text.end()};
}

std::vector<std::uint8_t> LoadAndWrite(const std::vector<std::uint8_t>& file) {
  sim::RegistryTree tree;
  sim::ParseRegFile(file, "registry.reg", tree);
  return sim::FormatRegFile(tree);
}

void BM_RegistryTenfold(benchmark::State& state) {
  const auto small = RegistryWithKeys(kLargeRegistryKeys / 10);
  const auto large = RegistryWithKeys(kLargeRegistryKeys);
  double small_seconds = 0;
  double large_seconds = 0;
  for (auto _ : state) {
    small_seconds += SecondsOf([&] { benchmark::DoNotOptimize(LoadAndWrite(small)); });
    const double seconds = SecondsOf([&] { benchmark::DoNotOptimize(LoadAndWrite(large)); });
    large_seconds += seconds;
    state.SetIterationTime(seconds);
  }
  state.counters["100000/10000"] = large_seconds / small_seconds;
}

BENCHMARK(BM_RegistryTenfold)->UseManualTime()->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace tessaly::bench
