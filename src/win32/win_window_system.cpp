#include "win32/win_window_system.h"

#include <vector>

#include "win32/com_barrier.h"
#include "win32/failed_call.h"
#include "win32/unique_handle.h"
#include "win32/wide_text.h"

namespace tessaly::win32 {

namespace {

// Properties on a subclassed window: the window system that installed us, the core procedure's
// identity, and the procedure we replaced.
constexpr wchar_t kOwnerProperty[] = L"Tessaly.WindowSystem";
constexpr wchar_t kProcedureProperty[] = L"Tessaly.Procedure";
constexpr wchar_t kPreviousProperty[] = L"Tessaly.Previous";

HWND Handle(host::WindowHandle window) {
  return reinterpret_cast<HWND>(window);
}
host::WindowHandle Value(HWND window) {
  return reinterpret_cast<host::WindowHandle>(window);
}

const wchar_t* OptionalWide(const std::optional<std::u16string>& text) {
  return text ? WideView(*text) : nullptr;
}

LONG_PTR ReadProc(HWND window) {
  return IsWindowUnicode(window) ? GetWindowLongPtrW(window, GWLP_WNDPROC)
                                 : GetWindowLongPtrA(window, GWLP_WNDPROC);
}

LONG_PTR WriteProc(HWND window, LONG_PTR procedure) {
  return IsWindowUnicode(window) ? SetWindowLongPtrW(window, GWLP_WNDPROC, procedure)
                                 : SetWindowLongPtrA(window, GWLP_WNDPROC, procedure);
}

LRESULT CallPrevious(LONG_PTR procedure, HWND window, UINT message, WPARAM w_param,
                     LPARAM l_param) {
  auto* previous = reinterpret_cast<WNDPROC>(procedure);
  if (!previous) return DefWindowProcW(window, message, w_param, l_param);
  return IsWindowUnicode(window) ? CallWindowProcW(previous, window, message, w_param, l_param)
                                 : CallWindowProcA(previous, window, message, w_param, l_param);
}

template <class Read>
std::u16string ReadText(Read read) {
  std::vector<wchar_t> buffer(512);
  const int length = read(buffer.data(), static_cast<int>(buffer.size()));
  return FromWide(
      std::wstring_view(buffer.data(), static_cast<std::size_t>(length > 0 ? length : 0)));
}

}  // namespace

WinWindowSystem::~WinWindowSystem() {
  // A window still subclassed here gets its previous procedure back, so no message can reach
  // a procedure of an unloaded DLL.
  for (const auto& [window, lock] : subclassed_) {
    RemovePropW(window, kOwnerProperty);
    RemovePropW(window, kProcedureProperty);
    if (!IsWindow(window)) continue;
    if (ReadProc(window) == reinterpret_cast<LONG_PTR>(&SubclassProc)) {
      WriteProc(window, reinterpret_cast<LONG_PTR>(GetPropW(window, kPreviousProperty)));
      RemovePropW(window, kPreviousProperty);
    } else {
      // Another subclass sits above ours and will call it: ours stays and passes every message
      // on to the procedure it replaced, so the DLL must stay loaded for good.
      new ServerLock();
    }
  }
}

namespace {

// Another editor running beside ours has windows of the same classes and captions; their
// procedures cannot be replaced from here, so only this process's windows are ever found.
bool BelongsToThisProcess(HWND window) {
  DWORD process = 0;
  GetWindowThreadProcessId(window, &process);
  return process == GetCurrentProcessId();
}

}  // namespace

host::WindowHandle WinWindowSystem::FindWindow(const std::optional<std::u16string>& class_name,
                                               const std::optional<std::u16string>& title) {
  return FindWindowEx(0, 0, class_name, title);
}

host::WindowHandle WinWindowSystem::FindWindowEx(host::WindowHandle parent,
                                                 host::WindowHandle child_after,
                                                 const std::optional<std::u16string>& class_name,
                                                 const std::optional<std::u16string>& title) {
  HWND found = Handle(child_after);
  do {
    found = FindWindowExW(Handle(parent), found, OptionalWide(class_name), OptionalWide(title));
  } while (found && !BelongsToThisProcess(found));
  return Value(found);
}

host::WindowHandle WinWindowSystem::NextWindow(host::WindowHandle window) {
  return Value(GetWindow(Handle(window), GW_HWNDNEXT));
}

std::u16string WinWindowSystem::ClassName(host::WindowHandle window) {
  return ReadText(
      [&](wchar_t* buffer, int size) { return GetClassNameW(Handle(window), buffer, size); });
}

std::u16string WinWindowSystem::WindowText(host::WindowHandle window) {
  return ReadText(
      [&](wchar_t* buffer, int size) { return GetWindowTextW(Handle(window), buffer, size); });
}

std::uint32_t WinWindowSystem::WindowStyle(host::WindowHandle window) {
  return static_cast<std::uint32_t>(GetWindowLongW(Handle(window), GWL_STYLE));
}

host::Rect WinWindowSystem::WindowRect(host::WindowHandle window) {
  RECT rect{};
  GetWindowRect(Handle(window), &rect);
  return {rect.left, rect.top, rect.right, rect.bottom};
}

std::uint32_t WinWindowSystem::WindowProcessId(host::WindowHandle window) {
  DWORD process = 0;
  GetWindowThreadProcessId(Handle(window), &process);
  return process;
}

std::uint32_t WinWindowSystem::CurrentProcessId() {
  return GetCurrentProcessId();
}

host::WindowHandle WinWindowSystem::ForegroundWindow() {
  return Value(GetForegroundWindow());
}

host::WindowHandle WinWindowSystem::WindowFromPoint(host::Point point) {
  return Value(::WindowFromPoint(POINT{point.x, point.y}));
}

bool WinWindowSystem::MoveWindow(host::WindowHandle window, std::int32_t x, std::int32_t y,
                                 std::int32_t width, std::int32_t height, bool repaint) {
  return ::MoveWindow(Handle(window), x, y, width, height, repaint) != FALSE;
}

bool WinWindowSystem::SetTopmost(host::WindowHandle window, bool topmost) {
  return SetWindowPos(Handle(window), topmost ? HWND_TOPMOST : HWND_NOTOPMOST, 0, 0, 0, 0,
                      SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE) != FALSE;
}

host::WindowProcId WinWindowSystem::RegisterWindowProc(host::WindowProc procedure) {
  // Small numbers: never the address of a real window procedure.
  const auto id = next_procedure_++;
  procedures_[id] = std::move(procedure);
  return id;
}

void WinWindowSystem::UnregisterWindowProc(host::WindowProcId procedure) {
  procedures_.erase(procedure);
}

host::WindowProcId WinWindowSystem::SetWindowProc(host::WindowHandle window_value,
                                                  host::WindowProcId procedure) {
  HWND window = Handle(window_value);
  if (!IsWindow(window)) return 0;
  const LONG_PTR current = ReadProc(window);
  const bool ours_now = current == reinterpret_cast<LONG_PTR>(&SubclassProc);
  // What the caller sees as the replaced procedure: the core's identity when ours was installed.
  const host::WindowProcId replaced =
      ours_now ? reinterpret_cast<host::WindowProcId>(GetPropW(window, kProcedureProperty))
               : static_cast<host::WindowProcId>(current);
  if (IsOurs(procedure)) {
    if (!ours_now) {
      LogIfFalse(SetPropW(window, kPreviousProperty, reinterpret_cast<HANDLE>(current)),
                 "SetPropW");
      LogIfFalse(SetPropW(window, kOwnerProperty, reinterpret_cast<HANDLE>(this)), "SetPropW");
      WriteProc(window, reinterpret_cast<LONG_PTR>(&SubclassProc));
      subclassed_.try_emplace(window);
    }
    LogIfFalse(SetPropW(window, kProcedureProperty, reinterpret_cast<HANDLE>(procedure)),
               "SetPropW");
    return replaced;
  }
  if (ours_now) {
    RemovePropW(window, kOwnerProperty);
    RemovePropW(window, kProcedureProperty);
    RemovePropW(window, kPreviousProperty);
    subclassed_.erase(window);
  }
  WriteProc(window, static_cast<LONG_PTR>(procedure));
  return replaced;
}

host::WindowProcId WinWindowSystem::InstalledWindowProc(host::WindowHandle window_value) {
  HWND window = Handle(window_value);
  if (!IsWindow(window)) return 0;
  const LONG_PTR current = ReadProc(window);
  if (current == reinterpret_cast<LONG_PTR>(&SubclassProc)) {
    return reinterpret_cast<host::WindowProcId>(GetPropW(window, kProcedureProperty));
  }
  return static_cast<host::WindowProcId>(current);
}

std::intptr_t WinWindowSystem::CallWindowProc(host::WindowProcId procedure,
                                              host::WindowHandle window, std::uint32_t message,
                                              std::uintptr_t w_param, std::intptr_t l_param) {
  if (auto found = procedures_.find(procedure); found != procedures_.end()) {
    return found->second(window, message, w_param, l_param);
  }
  return CallPrevious(static_cast<LONG_PTR>(procedure), Handle(window), message, w_param, l_param);
}

LRESULT CALLBACK WinWindowSystem::SubclassProc(HWND window, UINT message, WPARAM w_param,
                                               LPARAM l_param) {
  auto* owner = static_cast<WinWindowSystem*>(GetPropW(window, kOwnerProperty));
  const auto procedure = reinterpret_cast<host::WindowProcId>(GetPropW(window, kProcedureProperty));
  const auto previous = reinterpret_cast<LONG_PTR>(GetPropW(window, kPreviousProperty));
  LRESULT result = 0;
  bool handled = false;
  if (owner && owner->IsOurs(procedure)) {
    QuietBarrier([&] {
      result = owner->procedures_[procedure](Value(window), message, w_param, l_param);
      handled = true;
    });
  }
  // A procedure that failed or is gone must not swallow the window's messages.
  return handled ? result : CallPrevious(previous, window, message, w_param, l_param);
}

bool WinWindowSystem::PostMessage(host::WindowHandle window, std::uint32_t message,
                                  std::uintptr_t w_param, std::intptr_t l_param) {
  return PostMessageW(Handle(window), message, w_param, l_param) != FALSE;
}

host::KeyboardState WinWindowSystem::GetKeyboardState() {
  host::KeyboardState state{};
  LogIfFalse(::GetKeyboardState(state.data()), "GetKeyboardState");
  return state;
}

void WinWindowSystem::SetKeyboardState(const host::KeyboardState& state) {
  auto copy = state;
  LogIfFalse(::SetKeyboardState(copy.data()), "SetKeyboardState");
}

host::Point WinWindowSystem::CursorPos() {
  POINT point{};
  LogIfFalse(GetCursorPos(&point), "GetCursorPos");
  return {point.x, point.y};
}

void WinWindowSystem::SetCursorPos(host::Point point) {
  LogIfFalse(::SetCursorPos(point.x, point.y), "SetCursorPos");
}

void WinWindowSystem::MouseEvent(std::uint32_t flags) {
  mouse_event(flags, 0, 0, 0, 0);
}

host::Size WinWindowSystem::ScreenSize() {
  const auto screen = ScreenDc();
  return {GetDeviceCaps(screen.Get(), HORZRES), GetDeviceCaps(screen.Get(), VERTRES)};
}

std::int32_t WinWindowSystem::WheelScrollLines() {
  UINT lines = 3;
  SystemParametersInfoW(SPI_GETWHEELSCROLLLINES, 0, &lines, 0);
  return static_cast<std::int32_t>(lines);
}

}  // namespace tessaly::win32
