#pragma once

// The editor's native windows in the simulated window system, as the add-in finds them with
// its window searches: the main frame with its MDI area, docking view and project explorer
// tree; one "VbaWindow" per code window; the immediate window with a text box that answers
// posted keys; and the editor's dialogs, opened on demand. All of them belong to the editor's
// process, which is the add-in's own (the add-in runs in-process).
//
// The desktop mirrors the editor's window list when it is made and at each Sync(): a test
// that adds a module, shows or hides the immediate window or links it to a floating frame
// calls Sync() before the add-in looks for the native windows.

#include <cstdint>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "host/window_system.h"
#include "sim/desktop/dialog_layouts.h"
#include "sim/desktop/immediate_edit.h"
#include "sim/editor/sim_editor.h"
#include "sim/os/sim_os.h"

namespace tessaly::sim {

inline constexpr char16_t kMainWindowClass[] = u"wndclass_desked_gsk";
inline constexpr char16_t kEditorWindowClass[] = u"VbaWindow";
inline constexpr char16_t kFloatingPaletteClass[] = u"VbFloatingPalette";

class SimDesktop {
 public:
  // Both must outlive the desktop.
  SimDesktop(SimEditor& editor, SimOs& os);
  SimDesktop(const SimDesktop&) = delete;
  SimDesktop& operator=(const SimDesktop&) = delete;

  // Creates the native windows of code windows added since, drops those of removed ones,
  // follows the main caption and the code windows' captions and visibility, and moves the
  // immediate window to where its state puts it (which gives it a new handle).
  void Sync();

  host::WindowHandle MainWindow() const { return main_; }
  host::WindowHandle MdiClient() const { return mdi_client_; }
  host::WindowHandle DockingView() const { return docking_view_; }
  host::WindowHandle ProjectExplorer() const { return project_; }
  host::WindowHandle ProjectTree() const { return project_tree_; }
  // Throws std::invalid_argument for a module without a code window.
  host::WindowHandle CodeWindow(std::u16string_view module) const;
  host::WindowHandle ImmediateWindow() const { return immediate_; }
  // The floating palette holding the immediate window; 0 while it is not linked.
  host::WindowHandle FloatingPalette() const { return palette_; }

  // Links the editor's immediate window to a docking frame (or unlinks it) and syncs.
  void SetImmediateLinked(bool linked);
  const std::u16string& ImmediateText() const { return immediate_edit_->Text(); }
  void SetImmediateText(std::u16string text) { immediate_edit_->SetText(std::move(text)); }
  ImmediateEdit& ImmediateBox() { return *immediate_edit_; }

  // Another editor window in the MDI area, such as a form designer.
  host::WindowHandle AddEditorWindow(const std::u16string& title);

  // Creates the dialog at the middle of the screen and brings it to the foreground.
  host::WindowHandle OpenDialog(EditorDialog dialog);
  host::WindowHandle OpenDialog(const DialogLayout& layout);

  // The middle of the window's rectangle, and the cursor put there.
  host::Point CenterOf(host::WindowHandle window) const;
  void PointAt(host::WindowHandle window);

 private:
  enum class ImmediatePlace { kDocked, kHidden, kFloating };

  host::WindowHandle CreateChild(host::WindowHandle parent, const std::u16string& class_name,
                                 const std::u16string& title, host::Rect rect, bool visible = true);
  host::WindowHandle CreateInMdiArea(const std::u16string& title, bool visible);
  void CreateDialogChildren(host::WindowHandle parent, const std::vector<DialogChild>& children);
  void SyncCodeWindows();
  void PlaceImmediateWindow();
  ImmediatePlace ImmediatePlacement() const;
  SimWindow* EditorImmediateWindow() const;

  SimEditor& editor_;
  SimOs& os_;
  std::uint32_t process_;
  host::WindowHandle main_ = 0;
  host::WindowHandle mdi_client_ = 0;
  host::WindowHandle docking_view_ = 0;
  host::WindowHandle project_ = 0;
  host::WindowHandle project_tree_ = 0;
  host::WindowHandle immediate_ = 0;
  host::WindowHandle palette_ = 0;
  std::optional<ImmediatePlace> immediate_place_;
  bool immediate_linked_ = false;
  std::shared_ptr<SimWindow> docking_frame_;
  // Shared with the immediate window's procedure, which the window system keeps.
  std::shared_ptr<ImmediateEdit> immediate_edit_ = std::make_shared<ImmediateEdit>();
  host::WindowProcId immediate_proc_ = 0;
  std::map<const SimWindow*, host::WindowHandle> code_windows_;
  int mdi_slots_used_ = 0;
};

}  // namespace tessaly::sim
