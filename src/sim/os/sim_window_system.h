#pragma once

// Windows, procedures, input and screen in memory. Rectangles are screen coordinates; the
// simulation has no non-client area, so a child's position for MoveWindow is measured from
// its parent's window rectangle, and moving a window carries its descendants along.
// Top-level windows keep a z-order (front first, topmost ones ahead of the rest); children
// keep their creation order, which is also their enumeration and z-order.

#include <cstdint>
#include <deque>
#include <map>
#include <optional>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "host/window_system.h"

namespace tessaly::sim {

struct WindowParams {
  // A constructor rather than an aggregate, so a test names only what it cares about.
  WindowParams(std::u16string class_name, std::u16string title, std::uint32_t style = 0,
               host::Rect rect = {}, host::WindowHandle parent = 0,
               std::optional<std::uint32_t> process = std::nullopt, bool visible = true)
      : class_name(std::move(class_name)),
        title(std::move(title)),
        style(style),
        rect(rect),
        parent(parent),
        process(process),
        visible(visible) {}

  std::u16string class_name;
  std::u16string title;
  std::uint32_t style = 0;
  host::Rect rect;
  host::WindowHandle parent = 0;
  std::optional<std::uint32_t> process;  // the current process when absent
  bool visible = true;
};

struct WindowMessageRecord {
  host::WindowHandle window = 0;
  std::uint32_t message = 0;
  std::uintptr_t w_param = 0;
  std::intptr_t l_param = 0;
  host::KeyboardState keyboard{};  // the state in force when the message was handled
};

struct MouseEventRecord {
  std::uint32_t flags = 0;
  host::Point cursor;
};

struct MoveRecord {
  host::WindowHandle window = 0;
  std::int32_t x = 0;
  std::int32_t y = 0;
  std::int32_t width = 0;
  std::int32_t height = 0;
};

class SimWindowSystem : public host::WindowSystem {
 public:
  SimWindowSystem() = default;
  SimWindowSystem(const SimWindowSystem&) = delete;
  SimWindowSystem& operator=(const SimWindowSystem&) = delete;

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
  std::uint32_t CurrentProcessId() override { return current_process_; }
  host::WindowHandle ForegroundWindow() override { return foreground_; }
  host::WindowHandle WindowFromPoint(host::Point point) override;
  bool MoveWindow(host::WindowHandle window, std::int32_t x, std::int32_t y, std::int32_t width,
                  std::int32_t height, bool repaint) override;
  bool SetTopmost(host::WindowHandle window, bool topmost) override;

  host::WindowProcId RegisterWindowProc(host::WindowProc procedure) override;
  // Throws std::logic_error for a procedure a window still has installed: on Windows its
  // next message would run freed code.
  void UnregisterWindowProc(host::WindowProcId procedure) override;
  host::WindowProcId SetWindowProc(host::WindowHandle window,
                                   host::WindowProcId procedure) override;
  host::WindowProcId InstalledWindowProc(host::WindowHandle window) override {
    return WindowProc(window);
  }
  std::intptr_t CallWindowProc(host::WindowProcId procedure, host::WindowHandle window,
                               std::uint32_t message, std::uintptr_t w_param,
                               std::intptr_t l_param) override;
  bool PostMessage(host::WindowHandle window, std::uint32_t message, std::uintptr_t w_param,
                   std::intptr_t l_param) override;

  host::KeyboardState GetKeyboardState() override { return keyboard_; }
  void SetKeyboardState(const host::KeyboardState& state) override { keyboard_ = state; }
  host::Point CursorPos() override { return cursor_; }
  void SetCursorPos(host::Point point) override { cursor_ = point; }
  void MouseEvent(std::uint32_t flags) override { mouse_events_.push_back({flags, cursor_}); }

  host::Size ScreenSize() override { return screen_; }
  std::int32_t WheelScrollLines() override { return wheel_lines_; }

  // ---- for tests ----
  // The class's default procedure for windows created afterwards; a class without one gets
  // a procedure that records each message it receives and returns 0.
  void RegisterClass(const std::u16string& class_name, host::WindowProc procedure);
  // A procedure of the editor's own windows, installable like a registered one but never
  // counted among the subclasses.
  host::WindowProcId RegisterEditorProc(host::WindowProc procedure) {
    return AddProcedure(std::move(procedure));
  }
  host::WindowHandle CreateWindow(const WindowParams& params);
  bool DestroyWindow(host::WindowHandle window);
  bool IsWindow(host::WindowHandle window) const { return windows_.contains(window); }
  void SetForeground(host::WindowHandle window);
  void SetCursor(host::Point point) { cursor_ = point; }
  void SetWindowText(host::WindowHandle window, const std::u16string& title);
  void SetVisible(host::WindowHandle window, bool visible);
  void SetScreenSize(host::Size size) { screen_ = size; }
  void SetWheelScrollLines(std::int32_t lines) { wheel_lines_ = lines; }
  void SetCurrentProcessId(std::uint32_t process) { current_process_ = process; }
  host::WindowProcId WindowProc(host::WindowHandle window) const;
  // Procedures registered through the seam (not the classes' own) and not unregistered, and
  // the windows that have one of them installed.
  std::size_t RegisteredProcCount() const { return seam_procedures_.size(); }
  std::vector<host::WindowHandle> WindowsWithRegisteredProc() const;
  // Sends through the window's installed chain, as the system does for a sent message.
  std::intptr_t SendMessage(host::WindowHandle window, std::uint32_t message,
                            std::uintptr_t w_param, std::intptr_t l_param);
  // Hands each message that was queued when the call began to its window's current
  // procedure (messages posted meanwhile wait for the next call). Returns how many.
  std::size_t DeliverPostedMessages();
  std::size_t PendingMessageCount() const { return posted_.size(); }
  const std::vector<WindowMessageRecord>& Delivered() const { return delivered_; }
  const std::vector<WindowMessageRecord>& DefaultProcMessages() const { return default_log_; }
  const std::vector<MouseEventRecord>& MouseEvents() const { return mouse_events_; }
  const std::vector<MoveRecord>& Moves() const { return moves_; }
  std::vector<host::WindowHandle> Children(host::WindowHandle parent) const;
  std::vector<host::WindowHandle> TopLevelZOrder() const { return z_order_; }

 private:
  struct Window {
    WindowParams params;
    host::WindowProcId procedure = 0;
    bool topmost = false;
    std::vector<host::WindowHandle> children;
  };

  Window* Find(host::WindowHandle window);
  host::WindowProcId AddProcedure(host::WindowProc procedure);
  const std::vector<host::WindowHandle>* Siblings(host::WindowHandle parent) const;
  host::WindowProcId ClassProcedure(const std::u16string& class_name);
  host::WindowHandle DeepestAt(host::WindowHandle window, host::Point point) const;
  void Shift(host::WindowHandle window, std::int32_t dx, std::int32_t dy);
  void BringToFront(host::WindowHandle window);

  std::map<host::WindowHandle, Window> windows_;
  std::vector<host::WindowHandle> z_order_;
  host::WindowHandle next_handle_ = 0x10010;
  host::WindowHandle foreground_ = 0;
  std::map<host::WindowProcId, host::WindowProc> procedures_;
  std::set<host::WindowProcId> seam_procedures_;
  std::set<host::WindowProcId> unregistered_;
  host::WindowProcId next_procedure_ = 0x7F000010;
  std::map<std::u16string, host::WindowProcId> class_procedures_;
  std::deque<WindowMessageRecord> posted_;
  std::vector<WindowMessageRecord> delivered_;
  std::vector<WindowMessageRecord> default_log_;
  std::vector<MouseEventRecord> mouse_events_;
  std::vector<MoveRecord> moves_;
  host::KeyboardState keyboard_{};
  host::Point cursor_;
  host::Size screen_{1024, 768};
  std::int32_t wheel_lines_ = 3;
  std::uint32_t current_process_ = 4242;
};

}  // namespace tessaly::sim
