#include "wheel/vbide_mouse.h"

#include <optional>
#include <string>

#include "host/host_error.h"
#include "host/resume.h"

namespace tessaly::wheel {
namespace {

constexpr char16_t kEditorWindowClass[] = u"VbaWindow";
// The English and the Chinese editor close a code window's title with these.
constexpr char16_t kCodeMarker[] = u"(Code)";
constexpr char16_t kChineseCodeMarker[] = u"(代码)";

bool Contains(const std::u16string& text, const std::u16string& part) {
  return text.find(part) != std::u16string::npos;
}

}  // namespace

VBIDEMouse::VBIDEMouse(CodeWindowHook& hook, const addin::Connection& connection,
                       host::WindowSystem& windows, host::MessageLoop& loop)
    : hook_(hook), connection_(connection), windows_(windows), loop_(loop) {
  timer_mouse_ = host::ResumeOr<host::TimerId>(0, [&] {
    return loop_.SetTimer(
        kMouseTimerInterval, [this] { TimerMouse_Timer(); }, 0);
  });
}

VBIDEMouse::~VBIDEMouse() {
  if (!unloaded_) {
    QueryUnload();
    Unload();
  }
  UH();
}

void VBIDEMouse::QueryUnload() {
  UH();
}

void VBIDEMouse::Unload() {
  UH();
  if (timer_mouse_ != 0) {
    host::Resume([&] { loop_.KillTimer(timer_mouse_); });
    timer_mouse_ = 0;
  }
  unloaded_ = true;
}

void VBIDEMouse::UH() {
  hook_.UnhookCodeWindow(hooked_code_window_);
}

bool VBIDEMouse::IsActiveCodeWindow(host::WindowHandle window) {
  auto& windows = windows_;
  const auto text_of = [&](auto read) {
    return host::ResumeOr<std::u16string>(u"", [&] { return read(); });
  };
  const std::u16string class_name = text_of([&] { return windows.ClassName(window); });
  const std::u16string title = text_of([&] { return windows.WindowText(window); });
  // Only the editor's own windows can be subclassed; another process's never qualifies, and
  // neither does a window of another class, even while no code pane is active.
  const bool own = host::ResumeOr(
      false, [&] { return windows.WindowProcessId(window) == windows.CurrentProcessId(); });
  if (!own || !Contains(class_name, kEditorWindowClass)) return false;
  const auto active_caption = host::ResumeOr<std::optional<std::u16string>>(std::nullopt, [&] {
    if (!connection_.HostApplication) throw host::HostError("no editor application");
    return std::optional(connection_.HostApplication->ActiveCodePane()->Window()->Caption());
  });
  if (active_caption && !Contains(title, *active_caption)) return false;
  return Contains(title, kCodeMarker) || Contains(title, kChineseCodeMarker);
}

void VBIDEMouse::TimerMouse_Timer() {
  const auto window = host::ResumeOr<host::WindowHandle>(
      0, [&] { return windows_.WindowFromPoint(windows_.CursorPos()); });
  if (window == 0 || !IsActiveCodeWindow(window)) return;
  if (window == hooked_code_window_) return;
  UH();
  hook_.HookCodeWindow(window);
  hooked_code_window_ = window;
}

}  // namespace tessaly::wheel
