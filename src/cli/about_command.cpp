#include <filesystem>
#include <iostream>

#include "about/describe_about_form.h"
#include "addin/feature_settings.h"
#include "cli/arguments.h"
#include "cli/command_line.h"
#include "cli/editor_session.h"
#include "cli/native_path.h"
#include "cli/registry_file.h"
#include "text/utf.h"

namespace tessaly::cli {

using language::MessageId;

namespace {

struct SwitchChange {
  std::int32_t index = 0;
  std::int32_t value = 0;
};

SwitchChange ParseSwitch(const std::string& assignment) {
  const auto equals = assignment.find('=');
  const std::string key = assignment.substr(0, equals);
  const std::string value = equals == std::string::npos ? "" : assignment.substr(equals + 1);
  for (std::int32_t index = 0; index < static_cast<std::int32_t>(addin::kFeatureKeys.size());
       ++index) {
    if (text::FromUtf8(key) != addin::kFeatureKeys[index]) continue;
    if (value != "0" && value != "1") {
      throw UsageError(MessageId::kSetValue, {key, value});
    }
    return {index, value == "1" ? 1 : 0};
  }
  throw UsageError(MessageId::kSetKey, {key});
}

}  // namespace

// What the About and settings form shows, and its four switches changed as a click on
// their boxes would change them.
int AboutCommand(const std::vector<std::string>& args, Streams streams) {
  const Arguments arguments(args, {}, {"--host", "--registry", "--set"});
  if (!arguments.Operands().empty()) throw UsageError(MessageId::kTakesNoOperands, {"about"});
  const HostKind host = HostKindOption(arguments.Value("--host"));
  std::vector<SwitchChange> changes;
  for (const auto& assignment : arguments.Values("--set")) {
    changes.push_back(ParseSwitch(assignment));
  }
  // The switches the add-in really reads, where the system has them and no file is named.
  std::string store_name;
  const auto add_in_store =
      arguments.Value("--registry") ? nullptr : AddInSettingsStore(store_name);
  std::optional<std::filesystem::path> registry;
  std::optional<RegistryLock> lock;
  if (!add_in_store) {
    registry = RegistryFile(arguments);
    if (!changes.empty()) PrepareRegistryFolder(*registry);
    lock.emplace(*registry);
    store_name = PathText(*registry);
  }
  EditorSession session(host, registry, /*start_up=*/false, add_in_store.get());
  session.AddIn().ShowAbout();
  auto& form = session.AddIn().About().Form();
  const auto boxes_before = session.Os().system().MessageBoxes().size();
  // Each click stores its switch at once, so every switch is checked before the first click.
  for (const auto& change : changes) {
    const auto& box = form.Check1[static_cast<std::size_t>(change.index)];
    if (!box.Enabled) {
      throw UsageError(MessageId::kCannotBeChangedHere, {text::ToUtf8(box.Caption)});
    }
  }
  for (const auto& change : changes) {
    auto& box = form.Check1[static_cast<std::size_t>(change.index)];
    box.Value = change.value;
    form.Check1_MouseUp(change.index, 1, 0, 0, 0);
  }
  const auto& boxes = session.Os().system().MessageBoxes();
  if (boxes.size() > boxes_before) {
    throw std::runtime_error(text::ToUtf8(boxes.back().text) + " (" + store_name + ")");
  }
  for (const auto& line : about::DescribeAboutForm(form)) {
    streams.out << text::ToUtf8(line) << "\n";
  }
  return kExitOk;
}

}  // namespace tessaly::cli
