#include <iostream>

#include "addin/feature_settings.h"
#include "cli/arguments.h"
#include "cli/command_line.h"
#include "cli/editor_session.h"
#include "cli/registry_file.h"
#include "registry_paths/get_key_value.h"
#include "registry_paths/vb_number.h"
#include "text/utf.h"

namespace tessaly::cli {

using language::MessageId;

namespace {

std::string Text(const registry_paths::VbValue& value, const Streams& streams) {
  if (const auto* text = std::get_if<std::u16string>(&value)) return text::ToUtf8(*text);
  if (const auto* number = std::get_if<double>(&value)) {
    return text::ToUtf8(registry_paths::FormatVbNumber(*number));
  }
  return streams.Words(MessageId::kNone);
}

}  // namespace

// The editor as a user sees it right after start-up with the add-in loaded.
int DemoCommand(const std::vector<std::string>& args, Streams streams) {
  const Arguments arguments(args, {}, {"--host", "--registry"});
  if (!arguments.Operands().empty()) throw UsageError(MessageId::kDemoOperands);
  const HostKind host = HostKindOption(arguments.Value("--host"));
  // Start-up writes the registration, as the add-in does in the editor.
  const auto registry = RegistryFile(arguments);
  PrepareRegistryFolder(registry);
  const RegistryLock lock(registry);
  EditorSession session(host, registry);
  auto& os = session.Os();
  auto& out = streams.out;

  const auto& connection = session.AddIn().Connection();
  out << streams.Say({MessageId::kDemoEditor,
                      {text::ToUtf8(connection.HostName), text::ToUtf8(connection.HostVersion),
                       text::ToUtf8(connection.HostMode)},
                      {}})
      << "\n";
  out << streams.Words(MessageId::kDemoAddInsMenu) << "\n";
  for (const auto& control : session.Editor().Bar(u"Add-Ins").ControlList().All()) {
    if (control->IsDeleted()) continue;
    out << "    " << (control->Properties().begin_group ? "── " : "   ")
        << text::ToUtf8(control->Properties().caption) << "\n";
  }
  out << streams.Words(MessageId::kDemoSwitches) << "\n";
  for (std::int32_t index = 0; index < 4; ++index) {
    out << "    " << text::ToUtf8(addin::kFeatureKeys[index]) << " = "
        << text::ToUtf8(addin::ReadFeatureSetting(os.settings(), index)) << "\n";
  }
  out << streams.Words(MessageId::kDemoRegistration) << "\n";
  const char16_t* keys[] = {
      u"HKEY_CURRENT_USER\\Software\\Microsoft\\VBA\\VBE\\6.0\\Addins\\QWIX.Connect\\",
      u"HKEY_CURRENT_USER\\Software\\Microsoft\\Office\\Excel\\Addins\\QWIX.Connect\\",
      u"HKEY_CURRENT_USER\\Software\\Microsoft\\Visual Basic\\6.0\\Addins\\QWIX.Connect\\"};
  for (const char16_t* key : keys) {
    const auto name = registry_paths::GetKeyValue(os.registry(), os.system(),
                                                  std::u16string(key) + u"FriendlyName", u"", 0);
    if (Text(name, streams).empty()) continue;
    const auto behaviour = registry_paths::GetKeyValue(
        os.registry(), os.system(), std::u16string(key) + u"LoadBehavior", u"4", 0);
    out << "    " << text::ToUtf8(key) << "FriendlyName = " << Text(name, streams) << "\n";
    out << "    " << text::ToUtf8(key) << "LoadBehavior = " << Text(behaviour, streams) << "\n";
  }
  return kExitOk;
}

}  // namespace tessaly::cli
