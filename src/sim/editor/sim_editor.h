#pragma once

// The simulated editor as tests drive it: load modules, move the caret, click controls by
// their caption path, and look at what the add-in did through the concrete sim objects. The
// add-in itself sees only Application() and the object model behind it.

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "host/editor.h"
#include "sim/editor/editor_options.h"
#include "sim/editor/sim_application.h"
#include "sim/editor/sim_code_module.h"
#include "sim/editor/sim_code_pane.h"
#include "sim/editor/sim_command_bar_control.h"
#include "sim/editor/sim_command_bars.h"
#include "sim/editor/sim_window.h"
#include "sim/editor/sim_windows.h"

namespace tessaly::sim {

// A caption path: the bar's name, the captions of the popups on the way, the control's caption.
using ControlPath = std::vector<std::u16string>;

class SimEditor {
 public:
  explicit SimEditor(EditorOptions options = {});

  std::shared_ptr<host::Application> Application() { return application_; }
  SimApplication& App() const { return *application_; }

  // Adds the module (creating the project) and opens its code window; the new pane becomes
  // the active one.
  // The project is opened saved as EditorOptions::project_file.
  SimCodeModule& AddModule(const std::u16string& project, const std::u16string& module,
                           const std::vector<std::u16string>& lines,
                           std::int32_t component_type = host::kStdModule);
  // The following throw std::invalid_argument for a name or path that does not exist: that is
  // a mistake in the test, not a refusal of the editor.
  SimCodeModule& Module(const std::u16string& module) const;
  SimVBProject& Project(const std::u16string& project) const;
  void Activate(const std::u16string& module);
  void ClearActivePane();
  // The pane with the caret, or null.
  SimCodePane* ActivePane() const { return application_->ActivePane(); }

  void RegisterDocumentClass(const std::u16string& prog_id,
                             std::function<std::shared_ptr<host::UserDocument>()> factory);

  // Raises the click of the control as the editor would, through every live sink of both kinds.
  ClickResult Click(const ControlPath& path);
  int SinkCount(const ControlPath& path, SinkKind kind) const;
  // Subscriptions to any control's clicks that were made and not yet released.
  std::int64_t LiveEventConnections() const { return application_->Calls().LiveConnections(); }

  std::int64_t Calls(std::u16string_view member) const;
  void ResetCalls();
  // Makes every later call of the member ("Interface.Member") throw HostError until allowed.
  void Refuse(std::u16string_view member, std::string description = {});
  void Allow(std::u16string_view member);

  bool HasBar(std::u16string_view name) const;
  SimCommandBar& Bar(std::u16string_view name) const;
  SimCommandBarControl& Control(const ControlPath& path) const;
  SimWindow& Window(std::u16string_view caption) const;
  bool HasWindow(std::u16string_view caption) const;
  const std::vector<std::shared_ptr<SimWindow>>& Windows() const;
  SimWindow& MainWindow() const { return application_->Main(); }
  // The user closes a window: it leaves the window list, and a closed code window's pane
  // loses the caret.
  void CloseWindow(std::u16string_view caption);

 private:
  std::shared_ptr<SimApplication> application_;
};

}  // namespace tessaly::sim
