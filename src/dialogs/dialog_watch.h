#pragma once

// Dialog enlargement as the add-in runs it: a 150 ms timer that looks at the foreground
// window and enlarges each of the editor's four cramped dialogs the first time it comes to
// the front. One per add-in; the product owns it.

#include <cstdint>

#include "addin/connection.h"
#include "host/message_loop.h"
#include "host/window_system.h"

namespace tessaly::dialogs {

inline constexpr std::uint32_t kDialogTimerInterval = 150;
inline constexpr host::TimerId kRequestedDialogTimer = 4097;

// The screen's resolution in pixels.
host::Size GetScreenSize(host::WindowSystem& windows);

class DialogWatch {
 public:
  // Both must outlive the watch; the connection's HostMode is read at each tick.
  DialogWatch(const addin::Connection& connection, host::WindowSystem& windows,
              host::MessageLoop& loop);
  ~DialogWatch() { StopDialogWatch(); }
  DialogWatch(const DialogWatch&) = delete;
  DialogWatch& operator=(const DialogWatch&) = delete;

  // Takes the screen size and the process, and starts the timer; starting again replaces the
  // running timer, so one runs at most.
  void StartDialogWatch();
  // Kills the timer; enlarged dialogs stay as they are.
  void StopDialogWatch();
  void DialogWatchTick();

  host::Size ScreenSize() const { return screen_; }

 private:
  bool IsEditorDialog(host::WindowHandle window);
  void EnlargeByTitle(host::WindowHandle dialog);

  const addin::Connection& connection_;
  host::WindowSystem& windows_;
  host::MessageLoop& loop_;
  host::Size screen_;
  std::uint32_t own_process_id_ = 0;
  host::TimerId dialog_timer_ = 0;
  host::WindowHandle last_handled_dialog_ = 0;
};

}  // namespace tessaly::dialogs
