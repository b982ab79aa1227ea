#include <exception>
#include <iostream>
#include <optional>
#include <thread>

#include "cli/arguments.h"
#include "cli/command_line.h"
#include "cli/module_input.h"
#include "cli/module_output.h"
#include "cli/ordered_work.h"
#include "cli/result_bound.h"
#include "cli/style_options.h"
#include "cli/unified_diff.h"

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

// What one module comes to, worked out on any thread: nothing is printed or written yet.
struct FormattedModule {
  bool changes = false;
  // The diff with --diff; else the new bytes, unless they may be left out.
  std::optional<std::string> output;
};

struct FormatRun {
  Mode mode;
  FileEncoding plain_ascii;
  std::size_t result_limit;
};

FormattedModule FormatModule(const std::string& path, std::istream& in,
                             const codetools::IndentStyle& style, const FormatRun& run) {
  // "代码缩进" with its range set to every line of the module: the tool's own engine, without
  // an editor to read the lines from, laying the module out as it reads it. What the module
  // comes to is known from the widths alone, so a result past the bound is refused, even by
  // --check, before it is built; --check keeps nothing else.
  const ModuleFile::Reading reading{
      run.mode == Mode::kCheck ? ModuleFile::Reading::kMeasure : ModuleFile::Reading::kLayout,
      style};
  const ModuleInput input = ReadModule(path, in, run.plain_ascii, reading);
  const auto measured = input.file.Reindented();
  CheckResultSize(measured.size, run.result_limit, ShownPath(path));
  // Only a result that is not printed may be left out.
  const bool printed = run.mode == Mode::kPrint || (run.mode == Mode::kInPlace && path == "-");
  if (run.mode == Mode::kCheck || (!printed && !measured.changes)) return {measured.changes, {}};
  std::string bytes = input.file.SerializeReindented();
  // The measure leaves out the line break an emptied line may gain.
  CheckResultSize(bytes.size(), run.result_limit, ShownPath(path));
  if (run.mode == Mode::kDiff)
    return {true, UnifiedDiff(ShownPath(path), input.file.Bytes(), bytes)};
  return {measured.changes, std::move(bytes)};
}

}  // namespace

int FormatCommand(const std::vector<std::string>& args, Streams streams) {
  std::vector<std::string> flags = {"--check", "--diff", "-i"};
  flags.insert(flags.end(), kStyleFlags.begin(), kStyleFlags.end());
  std::vector<std::string> valued = {"--encoding"};
  valued.insert(valued.end(), kStyleValueOptions.begin(), kStyleValueOptions.end());
  const Arguments arguments(args, flags, valued);
  const std::vector<std::string>& paths = arguments.Operands();
  if (paths.empty()) throw UsageError(MessageId::kTakesFiles, {"fmt"});
  const FormatRun run{ModeOf(arguments), PlainAsciiEncodingOption(arguments.Value("--encoding")),
                      streams.result_limit};
  StyleOptions styles(arguments);

  // Modules are worked out on as many threads as the machine runs at once and answered here in
  // the order given, so what is printed, written and refused is what one thread would give.
  // Memory follows the few modules under way, not all of them: a thread runs ahead of the
  // answers by a few modules only, where a module's result is more than whether it changes.
  const std::size_t threads =
      streams.threads != 0 ? streams.threads : std::max(1u, std::thread::hardware_concurrency());
  const std::size_t ahead = run.mode == Mode::kCheck ? paths.size() : 2 * threads;
  std::vector<codetools::IndentStyle> module_styles(paths.size());
  OrderedWork<FormattedModule> work(
      paths.size(), threads, ahead,
      [&](std::size_t index) {
        return FormatModule(paths[index], streams.in, module_styles[index], run);
      },
      // Standard input is read when its turn comes, as one thread would read it.
      [&](std::size_t index) { return paths[index] == "-"; }, /*released=*/0);

  // Results are put in place only when every module has been read and every file can be
  // written, so bad input leaves them all untouched; and every module's style is known before
  // any is answered, so a broken .editorconfig anywhere stops the run before a file is
  // rewritten or a line printed. An unreadable file is told before a broken style, as if every
  // file were checked first. Meanwhile the other threads work out the modules whose style is
  // known: nothing of theirs is printed or written until all of this has passed.
  std::exception_ptr style_error;
  for (std::size_t index = 0; index < paths.size(); ++index) {
    CheckReadable(paths[index]);
    if (style_error) continue;
    try {
      module_styles[index] = styles.StyleFor(paths[index]);
      work.Release(index + 1);
    } catch (...) {
      style_error = std::current_exception();
    }
  }
  if (style_error) std::rethrow_exception(style_error);

  int status = kExitOk;
  ModuleOutputs outputs(run.mode == Mode::kInPlace, streams.out);
  for (std::size_t index = 0; index < paths.size(); ++index) {
    FormattedModule module = work.Take(index);
    if (run.mode == Mode::kCheck && module.changes) {
      streams.out << paths[index] << "\n";
      status = kExitChanged;
    } else if (run.mode == Mode::kDiff && module.output) {
      WriteModuleBytes(streams.out, *module.output);
      status = kExitChanged;
    } else if (module.output) {
      outputs.Add(paths[index], std::move(*module.output));
    }
  }
  outputs.Finish();
  return status;
}

}  // namespace tessaly::cli
