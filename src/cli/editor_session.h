#pragma once

// One run of the simulated editor with the add-in loaded, as a user would have it: the
// module in a code window, the caret where the user put it, and clicks that travel through
// the menu's button sinks exactly as in the editor.

#include <filesystem>
#include <iosfwd>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "cli/arguments.h"
#include "cli/module_input.h"
#include "cli/module_place.h"
#include "composition/tessaly_add_in.h"
#include "host/editor.h"
#include "sim/desktop/sim_desktop.h"
#include "sim/editor/sim_editor.h"
#include "sim/os/sim_os.h"

namespace tessaly::cli {

enum class HostKind { kVb6, kVba };

// The value of --host: vb6 (the default when absent) or vba; throws UsageError otherwise.
HostKind HostKindOption(const std::optional<std::string>& value);

// Where a caption stands on the function menu's bar: the bar's name, the popup's caption for
// a popup item, then the caption itself. Nothing for a caption the menu does not hold.
std::optional<std::vector<std::u16string>> MenuControlPath(const std::u16string& caption);

// A path through the popups written with slashes ("我的代码/错误处理"); not the catalogue's.
bool IsPopupPath(const std::u16string& caption);

// The user's own snippets ("我的代码") a session's menu shows.
struct SessionSnippets {
  // --snippets; else the snippets folder of the user's configuration.
  std::optional<std::filesystem::path> user_folder;
  // The nearest folder above the module that holds .tessaly/snippets.
  std::optional<std::filesystem::path> project_folder;
};

// The folder at or above `start` that holds .tessaly/snippets, if any.
std::optional<std::filesystem::path> ProjectSnippetRoot(const std::filesystem::path& start);

// The snippets of a run on that module ("-": none of a project): --snippets names the user's.
SessionSnippets SnippetsFor(const Arguments& arguments, const std::string& module_path);

class EditorSession;
// The add-in's failure log of the run, one "tessaly: " line each.
void ReportFailures(EditorSession& session, std::ostream& err);

class EditorSession {
 public:
  // Without a registry file the registry lives in memory and nothing is stored. Without
  // start_up the add-in is connected but the editor's start-up is not completed: no feature
  // starts and no registration is written, so only what the user changes is stored. A settings
  // store given (the add-in's own in the real registry) takes the settings instead of the
  // simulated registry; it must outlive the session.
  explicit EditorSession(HostKind host,
                         const std::optional<std::filesystem::path>& registry_file = {},
                         bool start_up = true, host::SettingsStore* settings = nullptr,
                         const SessionSnippets& snippets = {});
  ~EditorSession();
  EditorSession(const EditorSession&) = delete;
  EditorSession& operator=(const EditorSession&) = delete;

  // Loads the lines as a module in its own code window, which gets the caret.
  sim::SimCodeModule& Load(const std::u16string& module_name,
                           const std::vector<std::u16string>& lines, const ModulePlace& place = {});
  // Loads the module read from a file, in the place the file gives it (module_place.h).
  sim::SimCodeModule& Open(const ModuleInput& input);
  // The editor refuses a selection outside the module: HostError.
  void Select(const host::Selection& selection);
  host::Selection Caret() const;

  // Clicks the menu control of that caption, or of that path through the popups
  // ("我的代码/错误处理"); false when the menu holds no such control.
  bool Click(const std::u16string& caption);
  // What the add-in wrote to its failure log, for the user to read.
  const std::vector<std::u16string>& FailureLines();

  sim::SimEditor& Editor() { return editor_; }
  sim::SimDesktop& Desktop() { return *desktop_; }
  sim::SimOs& Os() { return *os_; }
  composition::TessalyAddIn& AddIn() { return *add_in_; }
  const std::vector<std::u16string>& Lines() const;
  // For each of Lines(), the loaded line it stems from (sim::SimCodeModule::LineOrigins).
  const std::vector<std::optional<std::size_t>>& LineOrigins() const;

 private:
  HostKind host_;
  std::unique_ptr<sim::SimOs> os_;
  host::Os host_os_;
  sim::SimEditor editor_;
  std::unique_ptr<sim::SimDesktop> desktop_;
  host::AddInInstance instance_;
  composition::TessalyComponent component_;
  std::unique_ptr<composition::TessalyAddIn> add_in_;
  sim::SimCodeModule* module_ = nullptr;
};

}  // namespace tessaly::cli
