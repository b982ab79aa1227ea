#pragma once

// Windows, messages and input over user32. Subclassing installs one procedure of ours that
// finds the core's procedure from properties on the window, with the ANSI or Unicode call that
// matches the window, so the editor's ANSI windows stay ANSI.

#include "win32/windows_headers.h"

#include <map>

#include "host/window_system.h"
#include "win32/server_lock.h"

namespace tessaly::win32 {

class WinWindowSystem : public host::WindowSystem {
 public:
  WinWindowSystem() = default;
  ~WinWindowSystem() override;
  WinWindowSystem(const WinWindowSystem&) = delete;
  WinWindowSystem& operator=(const WinWindowSystem&) = delete;

  host::WindowHandle FindWindow(const std::optional<std::u16string>& class_name,
                                const std::optional<std::u16string>& title) override;
  host::WindowHandle FindWindowEx(host::WindowHandle parent, host::WindowHandle child_after,
                                  const std::optional<std::u16string>& class_name,
                                  const std::optional<std::u16string>& title) override;
  host::WindowHandle NextWindow(host::WindowHandle window) override;
  std::u16string ClassName(host::WindowHandle window) override;
  std::u16string WindowText(host::WindowHandle window) override;
  std::uint32_t WindowStyle(host::WindowHandle window) override;
  host::Rect WindowRect(host::WindowHandle window) override;
  std::uint32_t WindowProcessId(host::WindowHandle window) override;
  std::uint32_t CurrentProcessId() override;
  host::WindowHandle ForegroundWindow() override;
  host::WindowHandle WindowFromPoint(host::Point point) override;
  bool MoveWindow(host::WindowHandle window, std::int32_t x, std::int32_t y, std::int32_t width,
                  std::int32_t height, bool repaint) override;
  bool SetTopmost(host::WindowHandle window, bool topmost) override;

  host::WindowProcId RegisterWindowProc(host::WindowProc procedure) override;
  void UnregisterWindowProc(host::WindowProcId procedure) override;
  host::WindowProcId SetWindowProc(host::WindowHandle window,
                                   host::WindowProcId procedure) override;
  host::WindowProcId InstalledWindowProc(host::WindowHandle window) override;
  std::intptr_t CallWindowProc(host::WindowProcId procedure, host::WindowHandle window,
                               std::uint32_t message, std::uintptr_t w_param,
                               std::intptr_t l_param) override;
  bool PostMessage(host::WindowHandle window, std::uint32_t message, std::uintptr_t w_param,
                   std::intptr_t l_param) override;

  host::KeyboardState GetKeyboardState() override;
  void SetKeyboardState(const host::KeyboardState& state) override;
  host::Point CursorPos() override;
  void SetCursorPos(host::Point point) override;
  void MouseEvent(std::uint32_t flags) override;

  host::Size ScreenSize() override;
  std::int32_t WheelScrollLines() override;

  // Windows that still carry a procedure of ours.
  std::size_t SubclassedWindows() const { return subclassed_.size(); }

 private:
  static LRESULT CALLBACK SubclassProc(HWND window, UINT message, WPARAM w_param, LPARAM l_param);
  bool IsOurs(host::WindowProcId procedure) const { return procedures_.count(procedure) != 0; }

  std::map<host::WindowProcId, host::WindowProc> procedures_;
  std::map<HWND, ServerLock> subclassed_;
  host::WindowProcId next_procedure_ = 1;
};

}  // namespace tessaly::win32
