#pragma once

// The commands a function-menu click can reach that live outside the menu: the editor-window
// commands, the web look-up and the About form. The product fills this seam;
// tests record the calls.

#include <cstdint>
#include <string>

namespace tessaly::menu {

enum WebLookupMode : std::int32_t { kTranslate = 0, kSearch = 1 };

class MenuCommands {
 public:
  virtual ~MenuCommands() = default;
  // Shows the first editor window of that type if hidden, hides it if shown.
  virtual void ToggleIdeWindow(std::int32_t window_type) = 0;
  virtual void ClearImmediateWindow() = 0;
  virtual void OpenWebLookup(const std::u16string& text, std::int32_t mode) = 0;
  // Modeless, without an owner; a second call shows the same form again.
  virtual void ShowAbout() = 0;
};

}  // namespace tessaly::menu
