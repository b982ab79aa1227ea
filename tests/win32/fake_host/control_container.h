#pragma once

// The fake editor's tool window as an ActiveX container: a top-level window on the (Xvfb)
// screen and a client site with in-place activation, as the editors host the document that
// CreateToolWindow makes. The window starts hidden, as the editors' tool windows do, until its
// Visible is set; the control is activated in place and shown in it, follows the window's
// size, and is closed and let go of when the window closes.

#include "win32/windows_headers.h"

#include <memory>

#include "win32/fake_host/fake_object.h"

namespace tessaly::fake_host {

class ControlContainer {
 public:
  // Activates `control` in a new window of the given client size; null when the control does
  // not take a client site.
  static std::unique_ptr<ControlContainer> Host(IDispatch* control, const wchar_t* caption,
                                                int width, int height, const LiveCount& live);
  ~ControlContainer();
  ControlContainer(const ControlContainer&) = delete;
  ControlContainer& operator=(const ControlContainer&) = delete;

  HWND Window() const { return window_; }
  // The user drags the window's border.
  void Resize(int width, int height);
  void Show(bool visible) { ShowWindow(window_, visible ? SW_SHOWNA : SW_HIDE); }
  // The distinct colours the control draws of itself into a bitmap of the window's client
  // size, as a container that prints or previews it asks it to.
  std::size_t DrawnColours() const;
  // Close, then SetClientSite(null), as the editors take a control down.
  void Close();

 private:
  class Site;
  ControlContainer(ComPtr<IOleObject> control, HWND window, const LiveCount& live);

  ComPtr<IOleObject> control_;
  HWND window_;
  ComPtr<IOleClientSite> site_;
};

}  // namespace tessaly::fake_host
