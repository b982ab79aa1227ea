#pragma once

// The About form as a real modeless dialog. The core's AboutFrm decides everything: the
// dialog shows what the form holds, redraws when the form says it changed, and turns the
// user's clicks into the form's events. Keyboard navigation works although the editor owns
// the message loop: while the dialog exists, a message hook of this thread hands its keys
// to IsDialogMessage.

#include "win32/windows_headers.h"

#include <memory>
#include <optional>

#include "about/about_form_host.h"
#include "about/about_frm.h"
#include "win32/server_lock.h"
#include "win32/unique_handle.h"

namespace tessaly::win32 {

class AboutDialog {
 public:
  explicit AboutDialog(HINSTANCE module);
  ~AboutDialog();
  AboutDialog(const AboutDialog&) = delete;
  AboutDialog& operator=(const AboutDialog&) = delete;

  HWND Window() const { return window_; }
  void Attach(about::AboutFrm& form);
  // Lets go of the form and removes the window; safe inside the dialog's own messages.
  void Dismiss();

 private:
  static INT_PTR CALLBACK DialogProc(HWND window, UINT message, WPARAM w_param, LPARAM l_param);
  static LRESULT CALLBACK KeyboardHook(int code, WPARAM w_param, LPARAM l_param);
  void CreateControls();
  void Render();
  void OnCommand(int id, int notification);
  bool OnDrawItem(const DRAWITEMSTRUCT& item);

  HINSTANCE module_;
  HWND window_ = nullptr;
  RECT placed_{};
  // Null when the stock font serves.
  UniqueGdiObject<HFONT> font_;
  UniqueHook hook_;
  about::AboutFrm* form_ = nullptr;
  std::optional<ServerLock> lock_;
};

// The window maker the core's About form host uses: at most one dialog, kept until the form
// unloads or the add-in disconnects.
class AboutDialogMaker {
 public:
  explicit AboutDialogMaker(HINSTANCE module) : module_(module) {}
  about::FormWindowFactory Factory();
  // The open dialog, null when none.
  HWND OpenWindow() const;

 private:
  HINSTANCE module_;
  std::unique_ptr<AboutDialog> dialog_;
};

}  // namespace tessaly::win32
