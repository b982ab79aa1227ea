#pragma once

// Windows, messages, input and screen as user32 offers them to the add-in.

#include <array>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>

namespace tessaly::host {

using WindowHandle = std::intptr_t;
using WindowProcId = std::intptr_t;
using WindowProc =
    std::function<std::intptr_t(WindowHandle, std::uint32_t, std::uintptr_t, std::intptr_t)>;
using KeyboardState = std::array<std::uint8_t, 256>;

struct Point {
  std::int32_t x = 0;
  std::int32_t y = 0;
  bool operator==(const Point&) const = default;
};

struct Rect {
  std::int32_t left = 0;
  std::int32_t top = 0;
  std::int32_t right = 0;
  std::int32_t bottom = 0;
  std::int32_t Width() const { return right - left; }
  std::int32_t Height() const { return bottom - top; }
  bool operator==(const Rect&) const = default;
};

struct Size {
  std::int32_t width = 0;
  std::int32_t height = 0;
  bool operator==(const Size&) const = default;
};

enum WindowMessage : std::uint32_t {
  kWmKeyDown = 0x0100,
  kWmLButtonDblClk = 0x0203,
  kWmMouseWheel = 0x020A,
};

enum MouseEventFlag : std::uint32_t { kMouseLeftDown = 0x0002, kMouseLeftUp = 0x0004 };
enum KeyStateFlag : std::uint32_t { kMkMButton = 0x0010 };

class WindowSystem {
 public:
  virtual ~WindowSystem() = default;
  // An absent class or title matches any; 0 means not found. Only this process's windows are
  // found: another editor running beside ours has windows of the same classes and captions,
  // whose procedures cannot be replaced from here.
  virtual WindowHandle FindWindow(const std::optional<std::u16string>& class_name,
                                  const std::optional<std::u16string>& title) = 0;
  virtual WindowHandle FindWindowEx(WindowHandle parent, WindowHandle child_after,
                                    const std::optional<std::u16string>& class_name,
                                    const std::optional<std::u16string>& title) = 0;
  // The next window in z-order (GetWindow with GW_HWNDNEXT); 0 at the end.
  virtual WindowHandle NextWindow(WindowHandle window) = 0;
  virtual std::u16string ClassName(WindowHandle window) = 0;
  virtual std::u16string WindowText(WindowHandle window) = 0;
  virtual std::uint32_t WindowStyle(WindowHandle window) = 0;
  virtual Rect WindowRect(WindowHandle window) = 0;
  virtual std::uint32_t WindowProcessId(WindowHandle window) = 0;
  virtual std::uint32_t CurrentProcessId() = 0;
  virtual WindowHandle ForegroundWindow() = 0;
  virtual WindowHandle WindowFromPoint(Point point) = 0;
  virtual bool MoveWindow(WindowHandle window, std::int32_t x, std::int32_t y, std::int32_t width,
                          std::int32_t height, bool repaint) = 0;
  virtual bool SetTopmost(WindowHandle window, bool topmost) = 0;

  // Subclassing: a procedure is registered once and gets an identity that can be installed
  // on a window; installing returns the identity it replaced (0 when refused). A procedure is
  // unregistered only once no window and no other procedure can call it any more.
  virtual WindowProcId RegisterWindowProc(WindowProc procedure) = 0;
  virtual void UnregisterWindowProc(WindowProcId procedure) = 0;
  virtual WindowProcId SetWindowProc(WindowHandle window, WindowProcId procedure) = 0;
  // The procedure installed on the window now (GetWindowLongPtr); 0 for no such window.
  virtual WindowProcId InstalledWindowProc(WindowHandle window) = 0;
  virtual std::intptr_t CallWindowProc(WindowProcId procedure, WindowHandle window,
                                       std::uint32_t message, std::uintptr_t w_param,
                                       std::intptr_t l_param) = 0;
  virtual bool PostMessage(WindowHandle window, std::uint32_t message, std::uintptr_t w_param,
                           std::intptr_t l_param) = 0;

  virtual KeyboardState GetKeyboardState() = 0;
  virtual void SetKeyboardState(const KeyboardState& state) = 0;
  virtual Point CursorPos() = 0;
  virtual void SetCursorPos(Point point) = 0;
  virtual void MouseEvent(std::uint32_t flags) = 0;

  virtual Size ScreenSize() = 0;
  virtual std::int32_t WheelScrollLines() = 0;
};

}  // namespace tessaly::host
