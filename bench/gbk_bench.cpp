// Code page 936 both ways over a megabyte of module text.

#include <benchmark/benchmark.h>

#include "text/gbk.h"

namespace tessaly::bench {
namespace {

void BM_GbkRoundTripOfAMegabyte(benchmark::State& state) {
  std::string bytes;
  for (int i = 0; i < 100000; ++i)
    bytes += "x = \xB4\xFA\xC2\xEB\r\n";
  for (auto _ : state)
    benchmark::DoNotOptimize(text::EncodeGbk(text::DecodeGbk(bytes)));
  state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(bytes.size()));
}

BENCHMARK(BM_GbkRoundTripOfAMegabyte)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace tessaly::bench
