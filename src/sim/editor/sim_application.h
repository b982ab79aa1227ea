#pragma once

// The editor application object and everything it owns: bars, windows, modules with their
// panes, and which pane has the caret. Whoever holds the application keeps the whole editor.

#include <cstdint>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "host/editor.h"
#include "sim/editor/call_log.h"
#include "sim/editor/editor_options.h"
#include "sim/editor/sim_code_module.h"
#include "sim/editor/sim_code_pane.h"
#include "sim/editor/sim_command_bars.h"
#include "sim/editor/sim_events.h"
#include "sim/editor/sim_vb_project.h"
#include "sim/editor/sim_windows.h"

namespace tessaly::sim {

class SimApplication : public host::Application {
 public:
  explicit SimApplication(EditorOptions options);

  std::u16string Name() override;
  std::u16string ExecutableName() override;
  std::u16string Version() override;
  std::shared_ptr<host::CommandBars> CommandBars() override;
  std::shared_ptr<host::Windows> Windows() override;
  std::shared_ptr<host::Window> MainWindow() override;
  std::shared_ptr<host::Events> Events() override;
  std::shared_ptr<host::CodePane> ActiveCodePane() override;
  // The project of the module with the caret, else the project opened last; refused while
  // the editor holds no project.
  std::shared_ptr<host::VBProject> ActiveVBProject() override;

  // Model side; not counted.
  const EditorOptions& Options() const { return options_; }
  bool IsVb6() const { return options_.name == kVb6HostName; }
  CallLog& Calls() const { return *calls_; }
  SimCommandBars& Bars() const { return *bars_; }
  SimWindows& WindowList() const { return *windows_; }
  SimWindow& Main() const { return *main_window_; }
  // Opens the project first when it is not open yet, saved as the options say.
  SimCodeModule& AddModule(const std::u16string& project, const std::u16string& module,
                           std::vector<std::u16string> lines,
                           std::int32_t component_type = host::kStdModule);
  // The open project of that name, or null.
  SimVBProject* FindProject(std::u16string_view project) const;
  // The module of that name in any project, or null.
  SimCodeModule* FindModule(std::u16string_view module) const;
  void SetActivePane(const std::shared_ptr<SimCodePane>& pane) { focus_->active = pane; }
  SimCodePane* ActivePane() const { return focus_->active.lock().get(); }

 private:
  void AddStandardBars();

  EditorOptions options_;
  std::shared_ptr<CallLog> calls_;
  std::shared_ptr<SimCommandBars> bars_;
  std::shared_ptr<SimWindows> windows_;
  std::shared_ptr<SimWindow> main_window_;
  std::shared_ptr<SimEvents> events_;
  std::shared_ptr<PaneFocus> focus_;
  std::vector<std::shared_ptr<SimCodeModule>> modules_;
  std::map<std::u16string, std::shared_ptr<SimVBProject>, std::less<>> projects_;
  std::shared_ptr<SimVBProject> last_opened_;
};

}  // namespace tessaly::sim
