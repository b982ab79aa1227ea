#include "win32/win_message_loop.h"

#include "win32/com_barrier.h"
#include "win32/failed_call.h"

namespace tessaly::win32 {

namespace {

constexpr wchar_t kTimerWindowClass[] = L"TessalyTimerWindow";

}  // namespace

WinMessageLoop::WinMessageLoop(HINSTANCE module) {
  WNDCLASSW window_class{};
  window_class.lpfnWndProc = &WinMessageLoop::TimerWindowProc;
  window_class.hInstance = module;
  window_class.lpszClassName = kTimerWindowClass;
  RegisterClassW(&window_class);  // fails harmlessly when a previous loop registered it
  window_ = CreateWindowExW(0, kTimerWindowClass, L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, module,
                            nullptr);
  if (window_) SetWindowLongPtrW(window_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
}

WinMessageLoop::~WinMessageLoop() {
  for (const auto& [id, callback] : timers_)
    LogIfFalse(::KillTimer(window_, id), "KillTimer");
  timers_.clear();
  locks_.clear();
  if (window_) {
    SetWindowLongPtrW(window_, GWLP_USERDATA, 0);
    LogIfFalse(DestroyWindow(window_), "DestroyWindow");
  }
}

host::TimerId WinMessageLoop::SetTimer(std::uint32_t interval_ms, std::function<void()> callback,
                                       host::TimerId requested_id) {
  if (!window_) return 0;
  // With a window, Windows uses the identity asked for; 0 is not one, so pick a free one.
  UINT_PTR id = requested_id;
  while (id == 0 || (requested_id == 0 && timers_.count(id)))
    ++id;
  if (::SetTimer(window_, id, interval_ms, nullptr) == 0) return 0;
  timers_[id] = std::move(callback);
  locks_.try_emplace(id);
  return id;
}

bool WinMessageLoop::KillTimer(host::TimerId timer) {
  if (!timers_.erase(timer)) return false;
  locks_.erase(timer);
  return ::KillTimer(window_, timer) != FALSE;
}

void WinMessageLoop::DoEvents() {
  MSG message;
  while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
    if (message.message == WM_QUIT) {
      PostQuitMessage(static_cast<int>(message.wParam));
      return;
    }
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
}

std::uint32_t WinMessageLoop::TickCount() {
  return GetTickCount();
}

void WinMessageLoop::Fire(UINT_PTR id) {
  auto found = timers_.find(id);
  if (found == timers_.end()) return;
  // The callback may kill its own timer; keep it alive while it runs.
  auto callback = found->second;
  callback();
}

LRESULT CALLBACK WinMessageLoop::TimerWindowProc(HWND window, UINT message, WPARAM w_param,
                                                 LPARAM l_param) {
  if (message == WM_TIMER) {
    auto* loop = reinterpret_cast<WinMessageLoop*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    if (loop) QuietBarrier([&] { loop->Fire(w_param); });
    return 0;
  }
  return DefWindowProcW(window, message, w_param, l_param);
}

}  // namespace tessaly::win32
