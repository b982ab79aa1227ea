#pragma once

// The operations of the features that the add-in's life calls at connection, start-up,
// settings changes and disconnection. Connect knows only this narrow seam; each feature
// fills its part.

#include <string>

#include "host/editor.h"
#include "host/window_system.h"

namespace tessaly::addin {

class Features {
 public:
  virtual ~Features() = default;
  // Builds the function menu's bar "TessalyIDE" and wires its buttons.
  virtual void BuildFunctionMenu() = 0;
  // The function menu's dispatcher, for the VBA editor's Add-Ins entry.
  virtual void RunFunctionMenu(const std::u16string& caption) = 0;
  // An editor that keeps command bars between runs shows the bar at the next connection,
  // which skips the build; its buttons then need this run's sinks.
  virtual void RewireFunctionMenu() = 0;
  // Creates the tab tool window "标签" and keeps its document and window in the connection.
  virtual void CreateTabWindow(host::AddInInstance& add_in) = 0;
  // The window outlives a disconnection: a connection that finds it takes it and its document
  // again as TabWindow and TabDocument.
  virtual void TakeOverTabWindow() = 0;
  virtual void TabInitialize() = 0;
  // The project explorer's double-click hook, which selects the tab of a window it opens;
  // unhooking also ends a check a double-click started.
  virtual void HookProjectTree() = 0;
  virtual void UnhookProjectTree() = 0;
  virtual void LoadWheel() = 0;
  virtual void UnloadWheel() = 0;
  virtual void StartDialogWatch() = 0;
  virtual void StopDialogWatch() = 0;
  virtual void ShowAbout() = 0;
};

}  // namespace tessaly::addin
