#include <iostream>

#include "addin/editor_queries.h"
#include "cli/arguments.h"
#include "cli/command_line.h"
#include "cli/editor_session.h"
#include "text/utf.h"

namespace tessaly::cli {

using language::MessageId;

namespace {

void PrintControls(const sim::SimCommandBarControls& controls, const std::string& indent,
                   const Streams& streams) {
  std::ostream& out = streams.out;
  for (const auto& control : controls.All()) {
    const auto& properties = control->Properties();
    if (properties.begin_group) out << indent << "──────\n";
    out << indent << text::ToUtf8(properties.caption);
    if (!properties.enabled) out << "    " << streams.Words(MessageId::kDisabled);
    if (!properties.tooltip_text.empty())
      out << "    (" << text::ToUtf8(properties.tooltip_text) << ")";
    out << "\n";
    if (control->Children()) PrintControls(*control->Children(), indent + "    ", streams);
  }
}

}  // namespace

// The bar as the add-in builds it in the editor, not as the catalogue lists it.
int MenuCommand(const std::vector<std::string>& args, Streams streams) {
  const Arguments arguments(args, {}, {"--snippets"});
  if (!arguments.Operands().empty()) throw UsageError(MessageId::kTakesNoOperands, {"menu"});
  EditorSession session(HostKind::kVb6, std::nullopt, true, nullptr, SnippetsFor(arguments, "-"));
  ReportFailures(session, streams.err);
  auto& bar = session.Editor().Bar(addin::kMenuBarName);
  streams.out << text::ToUtf8(addin::kMenuBarName) << "\n";
  PrintControls(bar.ControlList(), "    ", streams);
  return kExitOk;
}

}  // namespace tessaly::cli
