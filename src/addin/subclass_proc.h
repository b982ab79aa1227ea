#pragma once

// A replacement window procedure of the add-in. It is registered with the window system on
// first use and unregistered by its owner once no window calls it. A window whose procedure
// another program replaced after ours still calls ours through its chain: restoring ours
// would cut that program off and unregistering it would run freed code, so an owner that
// goes then leaves it registered, handing every message on (and the DLL cannot unload).

#include <memory>

#include "host/window_system.h"

namespace tessaly::addin {

class SubclassProc {
 public:
  SubclassProc(host::WindowSystem& windows, host::WindowProc handler);
  // Unregisters unless PassOnForever was called.
  ~SubclassProc();
  SubclassProc(const SubclassProc&) = delete;
  SubclassProc& operator=(const SubclassProc&) = delete;

  // Registers on first use; 0 when the window system refuses.
  host::WindowProcId Id();
  // Puts `previous` back on the window when ours is installed there. True when ours is off
  // the window (restored, or the window is gone); false while another procedure sits on it.
  bool Uninstall(host::WindowHandle window, host::WindowProcId previous);
  void Unregister();
  // For an owner that goes while a window may still call ours through another's chain.
  void PassOnForever(host::WindowProcId previous);

 private:
  struct Relay {
    host::WindowProc handler;
    host::WindowSystem* windows = nullptr;
    host::WindowProcId previous = 0;
  };

  host::WindowSystem& windows_;
  std::shared_ptr<Relay> relay_;
  host::WindowProcId id_ = 0;
  bool passing_on_ = false;
};

}  // namespace tessaly::addin
