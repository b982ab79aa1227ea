#pragma once

// The fake editor host: the simulated editor's object model handed to QWIX.dll over IDispatch,
// with the two editors' event sources, as VB6 and the Office VBA editors hand out theirs.

#include <map>
#include <memory>
#include <set>
#include <string>
#include <string_view>

#include "sim/editor/sim_editor.h"
#include "win32/fake_host/control_container.h"
#include "win32/fake_host/fake_object.h"

namespace tessaly::fake_host {

class FakeEditor {
 public:
  explicit FakeEditor(sim::EditorOptions options) : sim_(std::move(options)) {}

  sim::SimEditor& Sim() { return sim_; }
  bool IsVb6() const { return sim_.App().IsVb6(); }
  EditorKind Kind() const { return IsVb6() ? EditorKind::kVb6 : EditorKind::kVba; }
  ComPtr<IDispatch> Application();
  ComPtr<IDispatch> AddInInstance();
  // Fake objects and event points alive now, the host's own included.
  long LiveObjects() const { return live_.use_count() - 1; }
  // Sinks connected to any control's event point.
  std::size_t ConnectedSinks() const;
  // Event points the editor made for its controls; they live as long as the controls.
  std::size_t PointCount() const { return control_points_.size() + button_points_.size(); }

  // The user clicks the control: each editor raises Click(control, handled, CancelDefault) in
  // the sinks of the control's events object; Office also raises Click(Ctrl, CancelDefault) in
  // the sinks of every button whose Tag equals the clicked one's.
  void Click(const sim::ControlPath& path);
  // The user closes a tool window: the editor closes the control and lets go of its document.
  void CloseToolWindow(const std::u16string& caption);
  // The container of a tool window's control, while the window exists; null otherwise.
  ControlContainer* ToolWindowContainer(const std::u16string& caption) const;
  // Client sites the editor gave to controls and the controls still hold.
  long LiveSites() const { return sites_.use_count() - 1; }
  // The editor exits, after disconnecting its add-ins: it closes its tool windows (each control's
  // IOleObject::Close comes after OnDisconnection) and lets go of the event sources it made. The
  // same object then plays the editor's next run, which starts with the command bars and
  // controls this one kept, as the editors keep those added without the temporary flag.
  void Exit();

 private:
  template <class T>
  class Bind;
  ComPtr<IDispatch> Make(std::string_view published, std::vector<FakeObject::Member> members,
                         std::shared_ptr<host::CommandBarControl> control = {},
                         ComPtr<EventPoint> events = {});
  ComPtr<IDispatch> Wrap(std::shared_ptr<host::CommandBars> bars);
  ComPtr<IDispatch> Wrap(std::shared_ptr<host::CommandBar> bar);
  ComPtr<IDispatch> Wrap(std::shared_ptr<host::CommandBarControls> controls);
  ComPtr<IDispatch> Wrap(std::shared_ptr<host::CommandBarControl> control);
  ComPtr<IDispatch> Wrap(std::shared_ptr<host::Windows> windows);
  ComPtr<IDispatch> Wrap(std::shared_ptr<host::Window> window);
  ComPtr<IDispatch> Wrap(std::shared_ptr<host::CodePane> pane);
  ComPtr<IDispatch> Wrap(std::shared_ptr<host::CodeModule> module);
  ComPtr<IDispatch> Wrap(std::shared_ptr<host::VBComponent> component);
  ComPtr<IDispatch> Wrap(std::shared_ptr<host::VBProject> project);
  ComPtr<IDispatch> EventsObject();
  ComPtr<EventPoint> PointOf(std::map<host::CommandBarControl*, ComPtr<EventPoint>>& points,
                             host::CommandBarControl* control, const IID& events);
  Variant CreateToolWindow(Arguments& arguments);
  Variant FindControl(host::CommandBar& bar, Arguments& arguments);

  LiveCount live_ = std::make_shared<const int>();
  sim::SimEditor sim_;
  // The click points of the controls' events objects, and Office's buttons' own.
  std::map<host::CommandBarControl*, ComPtr<EventPoint>> control_points_;
  std::map<host::CommandBarControl*, ComPtr<EventPoint>> button_points_;
  std::map<host::CommandBarControl*, std::u16string> tags_;
  // Documents of tool windows, kept while the window exists, as the editor keeps them.
  std::map<std::u16string, ComPtr<IDispatch>> tool_documents_;
  // Captions of the tool windows made in this run, closed ones included.
  std::set<std::u16string> tool_windows_made_;
  LiveCount sites_ = std::make_shared<const int>();
  // Declared last: the controls close before their documents are let go.
  std::map<std::u16string, std::unique_ptr<ControlContainer>> containers_;
};

}  // namespace tessaly::fake_host
