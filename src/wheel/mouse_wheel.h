#pragma once

// The mouse-wheel feature as the add-in owns it: the feature-wide hook state for the life of
// the add-in, and the polling object while the feature is on.

#include <memory>

#include "addin/connection.h"
#include "host/message_loop.h"
#include "host/settings_store.h"
#include "host/window_system.h"
#include "wheel/code_window_hook.h"
#include "wheel/vbide_mouse.h"

namespace tessaly::wheel {

class MouseWheel {
 public:
  // Both must outlive the feature.
  MouseWheel(const addin::Connection& connection, host::WindowSystem& windows,
             host::MessageLoop& loop, host::SettingsStore& settings);
  ~MouseWheel() { UnloadWheel(); }
  MouseWheel(const MouseWheel&) = delete;
  MouseWheel& operator=(const MouseWheel&) = delete;

  // Makes VBIDEMouse when there is none; loading it again changes nothing.
  void LoadWheel();
  // Unloads VBIDEMouse, which restores the hooked window, and drops it; nothing when off.
  void UnloadWheel();

  bool IsLoaded() const { return form_ != nullptr; }
  VBIDEMouse* Form() const { return form_.get(); }
  CodeWindowHook& Hook() { return hook_; }

 private:
  const addin::Connection& connection_;
  host::WindowSystem& windows_;
  host::MessageLoop& loop_;
  CodeWindowHook hook_;
  std::unique_ptr<VBIDEMouse> form_;
};

}  // namespace tessaly::wheel
