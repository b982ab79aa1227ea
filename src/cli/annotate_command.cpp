#include <iostream>
#include <optional>

#include "cli/arguments.h"
#include "cli/command_line.h"
#include "cli/editor_session.h"
#include "cli/module_input.h"
#include "cli/module_output.h"
#include "cli/result_bound.h"
#include "codetools/annotation_dictionary.h"
#include "codetools/annotation_walk.h"
#include "codetools/target_range.h"

namespace tessaly::cli {

using language::MessageId;

namespace {

// "代码注解" in every procedure the editor counts, over that procedure's own range, as a
// click in its body gives where the range search finds the procedure. A click in a
// procedure the search misses (a `Friend` or indented property header, the second of two
// procedures of one name) works on another range, so the walk does not click. The boundaries are
// read once; the procedures are taken from the bottom up, so a line the editor splits on writing
// cannot move a range still to come.
struct Annotated {
  std::vector<std::u16string> lines;
  std::vector<std::optional<std::size_t>> origins;
};

// Annotation adds to every line: the editor takes no more than `limit` (result_bound.h).
Annotated AnnotateEveryProcedure(const ModuleInput& input, std::size_t limit) {
  EditorSession session(HostKind::kVba);
  auto& module = session.Load(input.module_name, input.file.VisibleLines());
  module.SetCapacity(limit);
  const codetools::AnnotationDictionary dictionary;
  const auto& procedures = module.Procedures().Procedures();
  std::vector<codetools::TargetRange> ranges;
  ranges.reserve(procedures.size());
  for (const auto& procedure : procedures)
    ranges.push_back({procedure.start_line, procedure.end_line});
  for (auto range = ranges.rbegin(); range != ranges.rend(); ++range) {
    codetools::LineCache lines(module);
    codetools::AnnotateRange(lines, range->FirstLine, range->LastLine, dictionary);
  }
  if (module.Overflowed()) RefuseLargerResult(limit, ShownPath(input.path));
  return {session.Lines(), session.LineOrigins()};
}

}  // namespace

int AnnotateCommand(const std::vector<std::string>& args, Streams streams) {
  const Arguments arguments(args, {"-i"}, {"--encoding"});
  if (arguments.Operands().empty()) throw UsageError(MessageId::kTakesFiles, {"annotate"});
  const FileEncoding plain_ascii = PlainAsciiEncodingOption(arguments.Value("--encoding"));
  const bool in_place = arguments.Flag("-i");
  // Nothing is put in place before every module is annotated, as in fmt.
  ModuleOutputs outputs(in_place, streams.out);
  for (const auto& path : arguments.Operands()) {
    const ModuleInput input = ReadModule(path, streams.in, plain_ascii);
    const Annotated annotated = AnnotateEveryProcedure(input, streams.result_limit);
    if (!outputs.WritesBack(input) || annotated.lines != input.file.VisibleLines()) {
      std::string bytes = SerializeModule(input, annotated.lines, annotated.origins);
      CheckResultSize(bytes.size(), streams.result_limit, ShownPath(path));
      outputs.Add(input, std::move(bytes));
    }
  }
  outputs.Finish();
  return kExitOk;
}

}  // namespace tessaly::cli
