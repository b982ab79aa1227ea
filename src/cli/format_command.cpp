#include <algorithm>
#include <cstring>
#include <iostream>

#include "cli/arguments.h"
#include "cli/command_line.h"
#include "cli/module_input.h"
#include "cli/module_output.h"
#include "cli/unified_diff.h"
#include "codetools/indent.h"

namespace tessaly::cli {

namespace {

// "代码缩进" with its range set to every line of the module: the tool's own engine, without
// an editor to read the lines from, since every line is in the range.
std::vector<std::u16string> IndentWholeModule(const ModuleInput& input) {
  return codetools::IndentLines(input.file.VisibleLines());
}

// Indentation keeps the number of lines. The library compares char16_t text unit by unit; a
// byte comparison is several times faster over a whole module.
bool AnyLineChanged(const std::vector<std::u16string>& before,
                    const std::vector<std::u16string>& after) {
  return !std::equal(before.begin(), before.end(), after.begin(), after.end(),
                     [](const std::u16string& a, const std::u16string& b) {
                       return a.size() == b.size() &&
                              std::memcmp(a.data(), b.data(), a.size() * sizeof(char16_t)) == 0;
                     });
}

enum class Mode { kPrint, kCheck, kDiff, kInPlace };

Mode ModeOf(const Arguments& arguments) {
  const bool check = arguments.Flag("--check");
  const bool diff = arguments.Flag("--diff");
  const bool in_place = arguments.Flag("-i");
  if (check + diff + in_place > 1) throw UsageError("fmt takes one of --check, --diff and -i");
  return check ? Mode::kCheck : diff ? Mode::kDiff : in_place ? Mode::kInPlace : Mode::kPrint;
}

}  // namespace

int FormatCommand(const std::vector<std::string>& args, Streams streams) {
  const Arguments arguments(args, {"--check", "--diff", "-i"}, {"--encoding"});
  if (arguments.Operands().empty()) throw UsageError("fmt takes one or more FILEs");
  const Mode mode = ModeOf(arguments);
  const FileEncoding plain_ascii = PlainAsciiEncodingOption(arguments.Value("--encoding"));

  // One module at a time, so that memory follows the largest file, not all of them. Results
  // are put in place only when every module has been read and every file can be written, so
  // bad input leaves them all untouched.
  for (const auto& path : arguments.Operands())
    CheckReadable(path);
  int status = kExitOk;
  ModuleOutputs outputs(mode == Mode::kInPlace, streams.out);
  for (const auto& path : arguments.Operands()) {
    const ModuleInput input = ReadModule(path, streams.in, plain_ascii);
    const auto lines = IndentWholeModule(input);
    // Printing needs no comparison, and comparing every line of a module is not free; only a
    // result that is not printed may be left out.
    const bool printed =
        mode == Mode::kPrint || (mode == Mode::kInPlace && !outputs.WritesBack(input));
    if (!printed && !AnyLineChanged(input.file.VisibleLines(), lines)) continue;
    if (mode == Mode::kCheck) {
      streams.out << path << "\n";
      status = kExitChanged;
      continue;
    }
    // Indentation rewrites lines where they stand.
    std::string bytes = SerializeModule(input, lines);
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
