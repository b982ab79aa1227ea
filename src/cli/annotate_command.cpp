#include <iostream>

#include "cli/arguments.h"
#include "cli/command_line.h"
#include "cli/editor_session.h"
#include "cli/encoding_option.h"
#include "cli/module_input.h"
#include "cli/module_output.h"

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
  const Arguments arguments(args, {"-i"}, {"--encoding"});
  if (arguments.Operands().empty()) throw UsageError("annotate takes one or more FILEs");
  const FileEncoding plain_ascii = PlainAsciiEncodingOption(arguments.Value("--encoding"));
  const bool in_place = arguments.Flag("-i");
  // Nothing is put in place before every module is annotated, as in fmt.
  ModuleOutputs outputs(in_place, streams.out);
  for (const auto& path : arguments.Operands()) {
    const ModuleInput input = ReadModule(path, streams.in, plain_ascii);
    const auto lines = AnnotateEveryProcedure(input);
    if (!in_place || lines != input.file.VisibleLines()) {
      outputs.Add(input, SerializeModule(input, lines));
    }
  }
  outputs.Finish();
  return kExitOk;
}

}  // namespace tessaly::cli
