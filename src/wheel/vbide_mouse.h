#pragma once

// The hidden object that polls the mouse five times a second and keeps the code window under
// the cursor hooked while it is the active pane's window. Its life is the feature's: making
// it starts the 200 ms timer, unloading or destroying it restores the hooked window.

#include <cstdint>

#include "addin/connection.h"
#include "host/message_loop.h"
#include "host/settings_store.h"
#include "host/window_system.h"
#include "wheel/code_window_hook.h"

namespace tessaly::wheel {

inline constexpr std::uint32_t kMouseTimerInterval = 200;

class VBIDEMouse {
 public:
  // All three must outlive the object.
  VBIDEMouse(CodeWindowHook& hook, const addin::Connection& connection, host::WindowSystem& windows,
             host::MessageLoop& loop);
  // Termination: unloads first when that has not happened, then restores once more.
  ~VBIDEMouse();
  VBIDEMouse(const VBIDEMouse&) = delete;
  VBIDEMouse& operator=(const VBIDEMouse&) = delete;

  // The close query and the unload each restore the hooked window; the unload also ends the
  // timer. Either may run more than once.
  void QueryUnload();
  void Unload();
  void UH();

  // The tick: hooks the window under the cursor when it is the active pane's code window.
  void TimerMouse_Timer();

 private:
  bool IsActiveCodeWindow(host::WindowHandle window);

  CodeWindowHook& hook_;
  const addin::Connection& connection_;
  host::WindowSystem& windows_;
  host::MessageLoop& loop_;
  host::WindowHandle hooked_code_window_ = 0;
  host::TimerId timer_mouse_ = 0;
  bool unloaded_ = false;
};

}  // namespace tessaly::wheel
