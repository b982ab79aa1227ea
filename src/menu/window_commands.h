#pragma once

// The function menu's commands on the editor's own windows: showing or hiding the project
// explorer, the properties window and the immediate window, clearing the immediate window,
// and the web look-up. The product's MenuCommands forwards ToggleIdeWindow,
// ClearImmediateWindow and OpenWebLookup here; each call completes on its own (a refused host
// call skips its step), so none throws HostError.

#include <cstdint>
#include <optional>
#include <string>

#include "addin/connection.h"
#include "host/message_loop.h"
#include "host/system_services.h"
#include "host/window_system.h"

namespace tessaly::menu {

inline constexpr char16_t kNoProjectAccessMessage[] = u"No Access to Visual Basic Project";
inline constexpr char16_t kImmediateNotFoundMessage[] = u"Immediate Window not found.";

// What FindImmediateWindow answers when the editor refused to name its main window.
inline constexpr host::WindowHandle kNoEditorAccess = -1;

class WindowCommands {
 public:
  // Both must outlive the commands.
  WindowCommands(const addin::Connection& connection, host::WindowSystem& windows,
                 host::MessageLoop& loop, host::SystemServices& system);
  WindowCommands(const WindowCommands&) = delete;
  WindowCommands& operator=(const WindowCommands&) = delete;

  // Flips the visibility of the first editor window of that type; nothing when none has it.
  void ToggleIdeWindow(std::int32_t window_type);
  // The immediate window's native handle; 0 when it is not found, kNoEditorAccess (after
  // telling the user) when the editor refused its main window's caption.
  host::WindowHandle FindImmediateWindow();
  // Sends End with Control, then Home with Shift and Control, then Backspace to the immediate
  // window under a forged keyboard state, lets the window handle them, and puts the user's
  // keyboard state back.
  void ClearImmediateWindow();
  void RestoreKeyboardState();
  void OpenWebLookup(const std::u16string& text, std::int32_t mode);

  const host::KeyboardState& SavedKeyboardState() const { return saved_keyboard_state_; }

 private:
  struct ImmediateWindowFacts {
    std::u16string caption;
    bool visible = false;
    bool linked = false;
  };

  std::optional<ImmediateWindowFacts> ImmediateWindowState();
  host::WindowHandle FindInFloatingPalettes(const std::u16string& caption);

  const addin::Connection& connection_;
  host::WindowSystem& windows_;
  host::MessageLoop& loop_;
  host::SystemServices& system_;
  host::KeyboardState saved_keyboard_state_{};
};

}  // namespace tessaly::menu
