#pragma once

// The editor's object model over the real editor: each member of the host seam is one
// late-bound call on the editor's own object (see late_bound.h). These objects only translate;
// the add-in's logic stays in the core.

#include "win32/windows_headers.h"

#include <memory>

#include "host/editor.h"
#include "win32/late_bound.h"

namespace tessaly::win32 {

// Implemented by the wrappers whose editor object is handed back to the editor as an argument.
class HoldsDispatch {
 public:
  virtual ~HoldsDispatch() = default;
  virtual const ComPtr<IDispatch>& Dispatch() const = 0;
};

std::shared_ptr<host::Application> MakeApplication(ComPtr<IDispatch> application);
std::shared_ptr<host::CommandBarControl> MakeCommandBarControl(ComPtr<IDispatch> control);
std::shared_ptr<host::Window> MakeWindow(ComPtr<IDispatch> window);
std::shared_ptr<host::CodePane> MakeCodePane(ComPtr<IDispatch> pane);
std::shared_ptr<host::CodeModule> MakeCodeModule(ComPtr<IDispatch> module);
std::shared_ptr<host::Windows> MakeWindows(ComPtr<IDispatch> windows);
// The click source of a VB6 CommandBarEvents object or of an Office button: clicks arrive
// through the connection point the object offers.
std::shared_ptr<host::ClickSource> MakeClickSource(ComPtr<IUnknown> source,
                                                   ComPtr<IDispatch> button);

}  // namespace tessaly::win32
