#include "instruction_counts.h"

#include <valgrind/callgrind.h>

#include <cstdio>
#include <functional>

#include "codetools/annotation_dictionary.h"
#include "codetools/annotation_walk.h"
#include "codetools/indent.h"
#include "realistic_module.h"
#include "workloads.h"

namespace tessaly::bench {

namespace {

// The work runs once unmeasured first, so one-time costs (first allocations, lazy tables)
// land outside the count; prepare runs before each pass and is never counted.
void Count(const char* label, const std::function<void()>& prepare,
           const std::function<void()>& work) {
  prepare();
  work();
  prepare();
  CALLGRIND_TOGGLE_COLLECT;
  work();
  CALLGRIND_TOGGLE_COLLECT;
  CALLGRIND_DUMP_STATS_AT(label);
}

}  // namespace

int RunInstructionCounts() {
  if (!RUNNING_ON_VALGRIND) {
    std::fputs("--instructions counts only under callgrind: run bench/instruction_ratios.sh\n",
               stderr);
    return 2;
  }
  const auto nothing = [] {};
  const std::string small = RealisticExcelModuleFile(kLargeModuleLines / 10);
  const std::string large = RealisticExcelModuleFile(kLargeModuleLines);
  Count("format-6500", nothing, [&] { FormatModuleBytes(small); });
  Count("format-65000", nothing, [&] { FormatModuleBytes(large); });

  const ScratchDirectory scratch;
  const auto in = scratch.Path() / "模块1.bas";
  WriteBytes(in, large);
  Count("copy-file-65000", nothing, [&] { CopyFileBytes(in, scratch.Path() / "copy.bas"); });
  Count("fmt-file-65000", nothing, [&] { FormatFile(in, scratch.Path() / "fmt.bas"); });

  const codetools::AnnotationDictionary dictionary;
  const auto original = RealisticExcelModule(kLargeModuleLines);
  ClickEditor editor(original);
  auto& module = editor.Module();
  const auto reset = [&] { module.SetText(original); };
  Count("indent-range-65000", reset, [&] {
    codetools::LineCache lines(module);
    codetools::IndentRange(lines, 1, module.LineCount(), {});
  });
  Count("annotate-range-65000", reset, [&] {
    codetools::LineCache lines(module);
    codetools::AnnotateRange(lines, 1, module.LineCount(), dictionary);
  });
  return 0;
}

}  // namespace tessaly::bench
