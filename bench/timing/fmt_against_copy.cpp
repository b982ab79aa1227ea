// `tessaly fmt` against a plain copy of the same file, timed with the standard clock, for the
// faces Google Benchmark is not built for: Debian ships no sources of it to cross-compile, so
// this program measures the same two workloads as fmt_throughput_bench.cpp on Linux and, built
// by the mingw cross build, under Wine. Each round copies, then formats, one after the other, so
// both meet the same load; the median of the rounds' ratios is the figure.
//
// usage: fmt_against_copy [ROUNDS]

#include <algorithm>
#include <charconv>
#include <cstdio>
#include <string_view>
#include <vector>

#include "realistic_module.h"
#include "workloads.h"

int main(int argc, char** argv) {
  using namespace tessaly::bench;
  int rounds = 15;
  if (argc > 1) std::from_chars(argv[1], argv[1] + std::string_view(argv[1]).size(), rounds);
  const ScratchDirectory scratch;
  const auto in = scratch.Path() / u8"模块1.bas";
  WriteBytes(in, RealisticExcelModuleFile(kLargeModuleLines));
  FormatFile(in, scratch.Path() / "warm.bas");  // the first read meets a cold cache

  std::vector<double> ratios;
  double copy_seconds = 0;
  double fmt_seconds = 0;
  for (int round = 0; round < rounds; ++round) {
    const double copy = SecondsOf([&] { CopyFileBytes(in, scratch.Path() / "copy.bas"); });
    const double fmt = SecondsOf([&] { FormatFile(in, scratch.Path() / "fmt.bas"); });
    copy_seconds += copy;
    fmt_seconds += fmt;
    ratios.push_back(fmt / copy);
  }
  std::sort(ratios.begin(), ratios.end());
  std::printf("fmt/copy median %.2f (lowest %.2f, highest %.2f) over %d rounds of %d lines\n",
              ratios[ratios.size() / 2], ratios.front(), ratios.back(), rounds, kLargeModuleLines);
  std::printf("fmt %.2f million lines/s, copy %.2f million lines/s\n",
              kLargeModuleLines * rounds / fmt_seconds / 1e6,
              kLargeModuleLines * rounds / copy_seconds / 1e6);
}
