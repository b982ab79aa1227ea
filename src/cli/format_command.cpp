#include <algorithm>
#include <cstring>
#include <iostream>

#include "cli/arguments.h"
#include "cli/command_line.h"
#include "cli/module_input.h"
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

}  // namespace

int FormatCommand(const std::vector<std::string>& args, Streams streams) {
  const Arguments arguments(args, {"--check", "-i"}, {});
  if (arguments.Operands().empty()) throw UsageError("fmt takes one or more FILEs");
  const bool check = arguments.Flag("--check");
  const bool in_place = arguments.Flag("-i");
  if (check && in_place) throw UsageError("fmt takes --check or -i, not both");

  // Every file is read before any is written, so bad input leaves them all untouched.
  std::vector<ModuleInput> inputs;
  for (const auto& path : arguments.Operands())
    inputs.push_back(ReadModule(path, streams.in));

  // And every result is made before any is written, so that a module its encoding cannot
  // hold stops the run before the first write.
  int status = kExitOk;
  std::vector<std::pair<const ModuleInput*, std::string>> outputs;
  for (const auto& input : inputs) {
    const auto lines = IndentWholeModule(input);
    // Only --check and -i ask whether anything changed, and comparing every line of a module
    // is not free.
    const bool changed = (check || in_place) && AnyLineChanged(input.file.VisibleLines(), lines);
    if (check) {
      if (changed) {
        streams.out << input.path << "\n";
        status = kExitChanged;
      }
    } else if (!in_place || changed) {
      // Indentation rewrites lines where they stand.
      outputs.emplace_back(&input, SerializeModule(input, lines, LinePairing::kSamePlaces));
    }
  }
  for (const auto& [input, bytes] : outputs)
    PutModuleBytes(*input, bytes, in_place, streams.out);
  return status;
}

}  // namespace tessaly::cli
