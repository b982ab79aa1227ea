#include <iostream>

#include "cli/arguments.h"
#include "cli/command_line.h"
#include "cli/editor_session.h"
#include "cli/module_input.h"

namespace tessaly::cli {

namespace {

// "代码注解" once per procedure, in file order, with the caret on each procedure's header.
std::vector<std::u16string> AnnotateEveryProcedure(const ModuleInput& input) {
  EditorSession session(HostKind::kVba);
  auto& module = session.Load(input.module_name, input.file.VisibleLines());
  std::vector<std::int32_t> headers;
  for (const auto& procedure : module.Procedures().Procedures()) {
    headers.push_back(procedure.header_line);
  }
  for (const std::int32_t header : headers) {
    session.Select({header, 1, header, 1});
    session.Click(u"代码注解");
  }
  return session.Lines();
}

}  // namespace

int AnnotateCommand(const std::vector<std::string>& args, Streams streams) {
  const Arguments arguments(args, {"-i"}, {});
  if (arguments.Operands().empty()) throw UsageError("annotate takes one or more FILEs");
  std::vector<ModuleInput> inputs;
  for (const auto& path : arguments.Operands())
    inputs.push_back(ReadModule(path, streams.in));
  // Every result is made before any is written, as in fmt.
  const bool in_place = arguments.Flag("-i");
  std::vector<std::pair<const ModuleInput*, std::string>> outputs;
  for (const auto& input : inputs) {
    const auto lines = AnnotateEveryProcedure(input);
    if (!in_place || lines != input.file.VisibleLines()) {
      outputs.emplace_back(&input, SerializeModule(input, lines));
    }
  }
  for (const auto& [input, bytes] : outputs)
    PutModuleBytes(*input, bytes, in_place, streams.out);
  return kExitOk;
}

}  // namespace tessaly::cli
