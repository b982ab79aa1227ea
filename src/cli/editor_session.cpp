#include "cli/editor_session.h"

#include <algorithm>

#include "addin/editor_queries.h"
#include "cli/command_line.h"
#include "menu/menu_catalogue.h"

namespace tessaly::cli {

namespace {

sim::EditorOptions OptionsFor(HostKind host) {
  sim::EditorOptions options;
  if (host == HostKind::kVba) {
    options.name = u"Microsoft Excel";
    options.version = u"7.01";
  }
  return options;
}

host::Os WithSettings(host::Os os, host::SettingsStore* settings) {
  if (!settings) return os;
  return {os.registry, *settings, os.windows, os.loop, os.system};
}

}  // namespace

HostKind HostKindOption(const std::optional<std::string>& value) {
  if (!value || *value == "vb6") return HostKind::kVb6;
  if (*value == "vba") return HostKind::kVba;
  throw UsageError("--host takes vb6 or vba, not '" + *value + "'");
}

std::optional<std::vector<std::u16string>> MenuControlPath(const std::u16string& caption) {
  const auto popups = menu::MenuTop(menu::kPopupGroup);
  for (int popup = 0; popup < menu::kPopupCount; ++popup) {
    for (const auto& item : menu::MenuItems(popup)) {
      if (item.caption == caption) {
        return std::vector<std::u16string>{addin::kMenuBarName,
                                           std::u16string(popups[popup].caption), caption};
      }
    }
  }
  for (const auto& button : menu::MenuTop(menu::kButtonGroup)) {
    if (button.caption == caption) {
      return std::vector<std::u16string>{addin::kMenuBarName, caption};
    }
  }
  return std::nullopt;
}

EditorSession::EditorSession(HostKind host,
                             const std::optional<std::filesystem::path>& registry_file,
                             bool start_up, host::SettingsStore* settings)
    : host_(host),
      os_(registry_file ? std::make_unique<sim::SimOs>(*registry_file)
                        : std::make_unique<sim::SimOs>()),
      host_os_(WithSettings(os_->Os(), settings)),
      editor_(OptionsFor(host)),
      desktop_(std::make_unique<sim::SimDesktop>(editor_, *os_)) {
  // The machine the command line plays: a 32-bit editor on 64-bit Windows 10, as most users
  // of these editors have it. Version 10.0 is past the name table, so the About form names
  // the system from the management service, as it does there.
  auto& system = os_->system();
  system.SetVersion({2, 10, 0});
  system.SetWmiOsCaption(u"Microsoft Windows 10 专业版");
  system.SetWow64(true);
  system.SetIs64BitProcess(false);
  system.SetEnvironmentVariable(u"PROCESSOR_ARCHITECTURE", u"x86");
  add_in_ = std::make_unique<composition::TessalyAddIn>(host_os_, component_);
  // As the add-in's COM registration lets the editor create the tab window's document.
  editor_.RegisterDocumentClass(tabs::VBIDETabProgId(add_in_->Connection().ComponentName),
                                [this] { return component_.NewTabDocument(); });
  desktop_->Sync();
  add_in_->Connect().OnConnection(editor_.Application(), host::kStartup, instance_);
  if (start_up) add_in_->Connect().OnStartupComplete();
}

EditorSession::~EditorSession() {
  add_in_->Connect().OnDisconnection(0);
}

sim::SimCodeModule& EditorSession::Load(const std::u16string& module_name,
                                        const std::vector<std::u16string>& lines,
                                        const ModulePlace& place) {
  constexpr char16_t kProject[] = u"Project1";
  module_ = &editor_.AddModule(kProject, module_name, lines, place.component_type);
  editor_.Project(kProject).SetFileName(place.project_file);
  desktop_->Sync();
  return *module_;
}

sim::SimCodeModule& EditorSession::Open(const ModuleInput& input) {
  return Load(input.module_name, input.file.VisibleLines(),
              PlaceOf(input.path, host_ == HostKind::kVb6));
}

void EditorSession::Select(const host::Selection& selection) {
  editor_.Application()->ActiveCodePane()->SetSelection(
      selection.start_line, selection.start_column, selection.end_line, selection.end_column);
}

host::Selection EditorSession::Caret() const {
  auto* pane = editor_.ActivePane();
  if (!pane) return host::Selection{};
  // The editor keeps its caret inside the text: lines deleted under the caret take it to the
  // end of the last line left. The simulated pane keeps the place the caret had.
  host::Selection caret = pane->CurrentSelection();
  if (!module_) return caret;
  const auto& lines = module_->Text();
  const auto last_line = static_cast<std::int32_t>(lines.size());
  const auto keep_inside = [&](std::int32_t& line, std::int32_t& column) {
    if (line <= last_line || (last_line == 0 && line == 1 && column == 1)) return;
    line = std::max(last_line, 1);
    column = last_line == 0 ? 1 : static_cast<std::int32_t>(lines.back().size()) + 1;
  };
  keep_inside(caret.start_line, caret.start_column);
  keep_inside(caret.end_line, caret.end_column);
  return caret;
}

bool EditorSession::Click(const std::u16string& caption) {
  const auto path = MenuControlPath(caption);
  if (!path) return false;
  editor_.Click(*path);
  return true;
}

const std::vector<std::u16string>& EditorSession::Lines() const {
  return module_->Text();
}

const std::vector<std::optional<std::size_t>>& EditorSession::LineOrigins() const {
  return module_->LineOrigins();
}

}  // namespace tessaly::cli
