#pragma once

// TabStrip1 on screen: a child window of the editor's tool window holding a Win32 tab control
// that fills it. It shows what the core's TabStrip holds and reports a user's click on a tab;
// the logic of both stays in the core.

#include "win32/windows_headers.h"

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "tabs/tab_strip.h"
#include "win32/com/caption_font.h"
#include "win32/server_lock.h"

namespace tessaly::win32 {

class TabStripWindow {
 public:
  // The index of the tab the user selected.
  using ClickHandler = std::function<void(int index)>;

  TabStripWindow(HINSTANCE module, ClickHandler on_click)
      : module_(module), on_click_(std::move(on_click)) {}
  ~TabStripWindow() { Destroy(); }
  TabStripWindow(const TabStripWindow&) = delete;
  TabStripWindow& operator=(const TabStripWindow&) = delete;

  // Creates the window hidden, at `place` in the parent's client coordinates.
  bool Create(HWND parent, const RECT& place);
  void Destroy();
  HWND Handle() const { return window_; }
  void Place(const RECT& place);
  void Show(bool visible);
  // Makes the tab control show the strip's captions and selection, touching only what differs.
  void ShowTabs(const tabs::TabStrip& strip);
  // Draws the tabs as they show now into `target`, their top-left corner at `origin`.
  void PrintTo(HDC target, POINT origin) const;

 private:
  static LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM w_param, LPARAM l_param);
  LRESULT Handle(UINT message, WPARAM w_param, LPARAM l_param);
  // The tab under the cursor as the message being handled found it, or -1.
  int TabUnderLastMessage() const;

  HINSTANCE module_;
  ClickHandler on_click_;
  HWND window_ = nullptr;
  HWND tab_control_ = nullptr;
  CaptionFont font_;
  // The captions the tab control holds now.
  std::vector<std::u16string> shown_;
  // While the window exists, our procedure must stay loaded.
  std::optional<ServerLock> window_lock_;
};

}  // namespace tessaly::win32
