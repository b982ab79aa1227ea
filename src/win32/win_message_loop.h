#pragma once

// Timers and message processing on the editor's user-interface thread. Timers belong to a
// hidden message-only window of ours, so each timer's callback is found from the window and
// the identity Windows gives back, with no table shared between loaded add-ins.

#include "win32/windows_headers.h"

#include <functional>
#include <map>

#include "host/message_loop.h"
#include "win32/server_lock.h"

namespace tessaly::win32 {

class WinMessageLoop : public host::MessageLoop {
 public:
  explicit WinMessageLoop(HINSTANCE module);
  ~WinMessageLoop() override;
  WinMessageLoop(const WinMessageLoop&) = delete;
  WinMessageLoop& operator=(const WinMessageLoop&) = delete;

  host::TimerId SetTimer(std::uint32_t interval_ms, std::function<void()> callback,
                         host::TimerId requested_id) override;
  bool KillTimer(host::TimerId timer) override;
  void DoEvents() override;
  std::uint32_t TickCount() override;

  std::size_t ActiveTimers() const { return timers_.size(); }

 private:
  static LRESULT CALLBACK TimerWindowProc(HWND window, UINT message, WPARAM w_param,
                                          LPARAM l_param);
  void Fire(UINT_PTR id);

  HWND window_ = nullptr;
  std::map<UINT_PTR, std::function<void()>> timers_;
  std::map<UINT_PTR, ServerLock> locks_;
};

}  // namespace tessaly::win32
