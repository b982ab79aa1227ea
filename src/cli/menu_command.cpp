#include <iostream>

#include "addin/editor_queries.h"
#include "cli/arguments.h"
#include "cli/command_line.h"
#include "cli/editor_session.h"
#include "text/utf.h"

namespace tessaly::cli {

namespace {

void PrintControls(const sim::SimCommandBarControls& controls, const std::string& indent,
                   std::ostream& out) {
  for (const auto& control : controls.All()) {
    const auto& properties = control->Properties();
    if (properties.begin_group) out << indent << "──────\n";
    out << indent << text::ToUtf8(properties.caption);
    if (!properties.enabled) out << "    [disabled]";
    if (!properties.tooltip_text.empty())
      out << "    (" << text::ToUtf8(properties.tooltip_text) << ")";
    out << "\n";
    if (control->Children()) PrintControls(*control->Children(), indent + "    ", out);
  }
}

}  // namespace

// The bar as the add-in builds it in the editor, not as the catalogue lists it.
int MenuCommand(const std::vector<std::string>& args, Streams streams) {
  const Arguments arguments(args, {}, {"--snippets"});
  if (!arguments.Operands().empty()) throw UsageError("menu takes no operands");
  EditorSession session(HostKind::kVb6, std::nullopt, true, nullptr, SnippetsFor(arguments, "-"));
  ReportFailures(session, streams.err);
  auto& bar = session.Editor().Bar(addin::kMenuBarName);
  streams.out << text::ToUtf8(addin::kMenuBarName) << "\n";
  PrintControls(bar.ControlList(), "    ", streams.out);
  return kExitOk;
}

}  // namespace tessaly::cli
