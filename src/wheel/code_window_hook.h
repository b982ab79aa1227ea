#pragma once

// The feature-wide state of wheel scrolling and the subclass of one code window: the
// replacement window procedure turns a wheel message over the hooked window into a change of
// the active pane's top line, or, with the middle button alone held, into a sideways move of
// its selection, and hands every message on to the procedure it replaced.
//
// One per add-in, owned by MouseWheel. At most one window is hooked at a time, which is what
// lets a single PreviousCodeWindowProc serve: the caller restores the old window before it
// hooks a new one. The procedure is registered while a window is hooked and unregistered
// once it is restored.

#include <cstdint>
#include <memory>

#include "addin/connection.h"
#include "addin/subclass_proc.h"
#include "host/message_loop.h"
#include "host/settings_store.h"
#include "host/window_system.h"
#include "wheel/wheel_lines.h"

namespace tessaly::wheel {

class CodeWindowHook {
 public:
  // Both arguments must outlive the hook.
  CodeWindowHook(const addin::Connection& connection, host::WindowSystem& windows,
                 host::SettingsStore& settings);
  // Restores a window still hooked; one whose procedure was replaced again after ours keeps
  // ours, which then only passes messages on.
  ~CodeWindowHook();
  CodeWindowHook(const CodeWindowHook&) = delete;
  CodeWindowHook& operator=(const CodeWindowHook&) = delete;

  // Subclasses the window first, then reads the line settings.
  void HookCodeWindow(host::WindowHandle hwnd);
  // Puts PreviousCodeWindowProc back on the window while ours is its procedure; doing it
  // twice is harmless, and a window that was never hooked (0) or whose hook was refused is
  // left alone.
  void UnhookCodeWindow(host::WindowHandle hwnd);
  std::intptr_t CodeWindowProc(host::WindowHandle hwnd, std::uint32_t msg, std::uintptr_t w_param,
                               std::intptr_t l_param);

  // 0 while no window is hooked.
  host::WindowProcId ProcedureId() const { return procedure_; }
  host::WindowProcId PreviousCodeWindowProc() const { return previous_; }
  const WheelLineState& Lines() const { return lines_; }

 private:
  void HandleWheel(std::uintptr_t w_param);
  void ScrollVertically(host::CodePane& pane, std::int16_t delta);
  void MoveSideways(host::CodePane& pane, std::int16_t delta);

  const addin::Connection& connection_;
  host::WindowSystem& windows_;
  host::SettingsStore& settings_;
  addin::SubclassProc proc_;
  host::WindowProcId procedure_ = 0;
  host::WindowHandle hooked_ = 0;
  host::WindowProcId previous_ = 0;
  WheelLineState lines_;
};

}  // namespace tessaly::wheel
