#include "cli/editor_session.h"

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <ctime>
#include <ostream>

#include "addin/editor_queries.h"
#include "cli/command_line.h"
#include "cli/native_path.h"
#include "cli/registry_file.h"
#include "menu/menu_catalogue.h"
#include "text/utf.h"

namespace tessaly::cli {

using language::MessageId;

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
  return {os.registry, *settings, os.windows, os.loop, os.system, os.files};
}

// The user as the system names them, for $AUTHOR$.
std::u16string LoggedOnUser() {
  for (const char* name : {"USERNAME", "USER", "LOGNAME"}) {
    if (const char* value = std::getenv(name); value && *value) return text::FromUtf8(value);
  }
  return u"";
}

host::LocalTime LocalNow() {
  const std::time_t now = std::chrono::system_clock::to_time_t(std::chrono::system_clock::now());
  std::tm parts{};
#ifdef _WIN32
  localtime_s(&parts, &now);
#else
  localtime_r(&now, &parts);
#endif
  return {parts.tm_year + 1900, parts.tm_mon + 1, parts.tm_mday, parts.tm_hour, parts.tm_min};
}

std::u16string UserConfigFolderOrNone() {
  try {
    return UserConfigFolder().u16string();
  } catch (const UsageError&) {
    return u"";
  }
}

menu::SnippetFolders FoldersOf(const SessionSnippets& snippets) {
  menu::SnippetFolders folders;
  if (snippets.user_folder) folders.user_folder = snippets.user_folder->u16string();
  // The nearest folder above the module, rather than the folder of the project's file the
  // editor would use: the command line's project is saved beside the module.
  folders.project_folder = [folder = snippets.project_folder.value_or("").u16string()] {
    return folder;
  };
  return folders;
}

}  // namespace

std::optional<std::filesystem::path> ProjectSnippetRoot(const std::filesystem::path& start) {
  std::error_code error;
  auto folder = std::filesystem::absolute(start, error);
  if (error) return std::nullopt;
  for (;;) {
    if (std::filesystem::is_directory(folder / ".tessaly" / "snippets", error)) return folder;
    if (!folder.has_parent_path() || folder.parent_path() == folder) return std::nullopt;
    folder = folder.parent_path();
  }
}

bool IsPopupPath(const std::u16string& caption) {
  return caption.find(u'/') != std::u16string::npos && !MenuControlPath(caption);
}

SessionSnippets SnippetsFor(const Arguments& arguments, const std::string& module_path) {
  SessionSnippets snippets;
  if (const auto folder = arguments.Value("--snippets")) snippets.user_folder = NativePath(*folder);
  if (module_path != "-") {
    snippets.project_folder = ProjectSnippetRoot(NativePath(module_path).parent_path());
  }
  return snippets;
}

void ReportFailures(EditorSession& session, std::ostream& err) {
  for (const auto& line : session.FailureLines())
    err << "tessaly: " << text::ToUtf8(line) << "\n";
}

HostKind HostKindOption(const std::optional<std::string>& value) {
  if (!value || *value == "vb6") return HostKind::kVb6;
  if (*value == "vba") return HostKind::kVba;
  throw UsageError(MessageId::kHostValue, {*value});
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
                             bool start_up, host::SettingsStore* settings,
                             const SessionSnippets& snippets)
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
  // The user's own snippets carry their name and the time of the click.
  system.SetUserName(LoggedOnUser());
  system.SetNow(LocalNow());
  os_->files().SetUserConfigFolder(UserConfigFolderOrNone());
  add_in_ = std::make_unique<composition::TessalyAddIn>(
      host_os_, component_, about::FormWindowFactory{}, FoldersOf(snippets));
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
  auto path = MenuControlPath(caption);
  if (!path && IsPopupPath(caption)) {
    path = std::vector<std::u16string>{addin::kMenuBarName};
    for (std::size_t start = 0;;) {
      const auto slash = caption.find(u'/', start);
      path->push_back(caption.substr(start, slash - start));
      if (slash == std::u16string::npos) break;
      start = slash + 1;
    }
    try {
      editor_.Control(*path);
    } catch (const std::invalid_argument&) {
      return false;
    }
  }
  if (!path) return false;
  editor_.Click(*path);
  return true;
}

const std::vector<std::u16string>& EditorSession::FailureLines() {
  return os_->system().FailureLines();
}

const std::vector<std::u16string>& EditorSession::Lines() const {
  return module_->Text();
}

const std::vector<std::optional<std::size_t>>& EditorSession::LineOrigins() const {
  return module_->LineOrigins();
}

}  // namespace tessaly::cli
