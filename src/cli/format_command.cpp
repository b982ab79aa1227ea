#include <iostream>

#include "cli/arguments.h"
#include "cli/command_line.h"
#include "cli/module_input.h"
#include "cli/module_output.h"
#include "cli/result_bound.h"
#include "cli/style_options.h"
#include "cli/unified_diff.h"
#include "codetools/indent.h"

namespace tessaly::cli {

using language::MessageId;

namespace {

enum class Mode { kPrint, kCheck, kDiff, kInPlace };

Mode ModeOf(const Arguments& arguments) {
  const bool check = arguments.Flag("--check");
  const bool diff = arguments.Flag("--diff");
  const bool in_place = arguments.Flag("-i");
  if (check + diff + in_place > 1) throw UsageError(MessageId::kFormatModes);
  return check ? Mode::kCheck : diff ? Mode::kDiff : in_place ? Mode::kInPlace : Mode::kPrint;
}

}  // namespace

int FormatCommand(const std::vector<std::string>& args, Streams streams) {
  std::vector<std::string> flags = {"--check", "--diff", "-i"};
  flags.insert(flags.end(), kStyleFlags.begin(), kStyleFlags.end());
  std::vector<std::string> valued = {"--encoding"};
  valued.insert(valued.end(), kStyleValueOptions.begin(), kStyleValueOptions.end());
  const Arguments arguments(args, flags, valued);
  if (arguments.Operands().empty()) throw UsageError(MessageId::kTakesFiles, {"fmt"});
  const Mode mode = ModeOf(arguments);
  const FileEncoding plain_ascii = PlainAsciiEncodingOption(arguments.Value("--encoding"));
  StyleOptions styles(arguments);

  // One module at a time, so that memory follows the largest file, not all of them. Results
  // are put in place only when every module has been read and every file can be written, so
  // bad input leaves them all untouched.
  for (const auto& path : arguments.Operands())
    CheckReadable(path);
  // Every module's style before any is formatted: a broken .editorconfig anywhere stops the run
  // before a file is rewritten or a line printed.
  std::vector<codetools::IndentStyle> module_styles;
  for (const auto& path : arguments.Operands())
    module_styles.push_back(styles.StyleFor(path));
  int status = kExitOk;
  ModuleOutputs outputs(mode == Mode::kInPlace, streams.out);
  for (std::size_t index = 0; index < arguments.Operands().size(); ++index) {
    const std::string& path = arguments.Operands()[index];
    const ModuleInput input = ReadModule(path, streams.in, plain_ascii);
    // "代码缩进" with its range set to every line of the module: the tool's own engine, without
    // an editor to read the lines from. What the module comes to is known from the widths
    // alone, so a result past the bound is refused, even by --check, before it is built.
    const auto layouts = codetools::IndentLayouts(input.file.VisibleLines(), module_styles[index]);
    const auto measured = input.file.MeasureReindented(layouts);
    CheckResultSize(measured.size, streams.result_limit, ShownPath(path));
    // Only a result that is not printed may be left out.
    const bool printed =
        mode == Mode::kPrint || (mode == Mode::kInPlace && !outputs.WritesBack(input));
    if (!printed && !measured.changes) continue;
    if (mode == Mode::kCheck) {
      streams.out << path << "\n";
      status = kExitChanged;
      continue;
    }
    std::string bytes = input.file.SerializeReindented(layouts);
    // The measure leaves out the line break an emptied line may gain.
    CheckResultSize(bytes.size(), streams.result_limit, ShownPath(path));
    if (mode == Mode::kDiff) {
      WriteModuleBytes(streams.out, UnifiedDiff(ShownPath(path), input.file.Bytes(), bytes));
      status = kExitChanged;
    } else {
      outputs.Add(input, std::move(bytes));
    }
  }
  outputs.Finish();
  return status;
}

}  // namespace tessaly::cli
