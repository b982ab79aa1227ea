#include <iostream>

#include "cli/arguments.h"
#include "cli/command_line.h"
#include "cli/style_options.h"

namespace tessaly::cli {

using language::MessageId;

// Each file's layout key by key, with where each value comes from: a file's name, then
// `  key = value  (origin)` lines, the origin an .editorconfig's path and line, `--style` or
// `default`.
int StyleCommand(const std::vector<std::string>& args, Streams streams) {
  const Arguments arguments(args, kStyleFlags, kStyleValueOptions);
  if (arguments.Operands().empty()) throw UsageError(MessageId::kTakesFiles, {"style"});
  StyleOptions options(arguments);
  std::string shown;
  for (const auto& path : arguments.Operands()) {
    const style::ResolvedStyle resolved = options.ResolvedFor(path);
    shown += path + "\n";
    for (const auto& setting : resolved.settings) {
      const std::string origin = setting.origin == style::kDefaultOrigin
                                     ? streams.Words(MessageId::kDefaultOrigin)
                                     : setting.origin;
      shown += "  " + setting.key + " = " + setting.value + "  (" + origin + ")\n";
    }
  }
  // Nothing is shown before every file's layout is known, so an error leaves no half answer.
  streams.out << shown;
  return kExitOk;
}

}  // namespace tessaly::cli
