#pragma once

// The fake editor's tool window as the editors host the document CreateToolWindow makes: a
// window on the (Xvfb) screen and a client site with in-place activation. The VBA editor holds a
// control and activates it in place; VB6 holds an ActiveX document: its site offers
// IOleDocumentSite, and it shows the document through a view it asks the document for. The
// window starts hidden, as the editors' tool windows do, until its Visible is set; the document
// follows the window's size (told on each WM_SIZE of the window), and is closed and let go of
// when the window closes.

#include "win32/windows_headers.h"

#include <memory>
#include <string>
#include <vector>

#include "win32/fake_host/fake_object.h"

namespace tessaly::fake_host {

class ControlContainer {
 public:
  // Activates `control` in a new window of the given client size; null when the control does
  // not take a client site.
  enum class Kind { kControl, kDocument };
  static std::unique_ptr<ControlContainer> Host(IDispatch* control, const wchar_t* caption,
                                                int width, int height, const LiveCount& live,
                                                Kind kind);
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
  // What the object told its site and frame, in order, from its activation on: the in-place and
  // UI (de)activations, the frame asked for (GetWindowContext), and the frame's active object
  // ("SetActiveObject(control)", "SetActiveObject(other)" or "SetActiveObject(none)"); and
  // "SetClientSite(null)" where Close takes the site away, so that what Close alone did shows.
  const std::vector<std::string>& Conversation() const { return *conversation_; }
  // The document's view, while a document container shows one.
  IOleDocumentView* View() const { return view_.Get(); }
  // Close, then SetClientSite(null), as the editors take a control down; a document's view is
  // deactivated and closed first.
  void Close();
  // Releases the control without closing it, as an editor that ends in a hurry.
  void LetGo();

 private:
  class Site;
  class Frame;
  ControlContainer(ComPtr<IOleObject> control, HWND window, const LiveCount& live, Kind kind);
  static LRESULT CALLBACK ToolWindowProcedure(HWND window, UINT message, WPARAM w_param,
                                              LPARAM l_param);
  // IOleDocumentSite::ActivateMe: the document asks to be shown.
  HRESULT ActivateDocument(IOleDocumentView* view);
  // Tells the control or the view the window's client area.
  void Layout();

  ComPtr<IOleObject> control_;
  HWND window_;
  std::shared_ptr<std::vector<std::string>> conversation_;
  ComPtr<Frame> frame_;  // before the site, which holds it too
  ComPtr<IOleClientSite> site_;
  ComPtr<IOleDocumentView> view_;
};

}  // namespace tessaly::fake_host
