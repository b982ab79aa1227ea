#include "menu/window_commands.h"

#include <optional>

#include "host/host_error.h"
#include "host/resume.h"
#include "menu/web_lookup.h"

namespace tessaly::menu {
namespace {

constexpr char16_t kMainWindowClass[] = u"wndclass_desked_gsk";
constexpr char16_t kEditorWindowClass[] = u"VbaWindow";
constexpr char16_t kFloatingPaletteClass[] = u"VbFloatingPalette";

enum VirtualKey : std::uint8_t {
  kVkBack = 8,
  kVkShift = 16,
  kVkControl = 17,
  kVkEnd = 35,
  kVkHome = 36,
};
constexpr std::uint8_t kKeyDown = 0x80;

host::Application& Editor(const addin::Connection& connection) {
  if (!connection.HostApplication) throw host::HostError("no editor application");
  return *connection.HostApplication;
}

}  // namespace

WindowCommands::WindowCommands(const addin::Connection& connection, host::WindowSystem& windows,
                               host::MessageLoop& loop, host::SystemServices& system)
    : connection_(connection), windows_(windows), loop_(loop), system_(system) {}

void WindowCommands::ToggleIdeWindow(std::int32_t window_type) {
  host::Resume([&] {
    auto windows = Editor(connection_).Windows();
    const std::int32_t count = windows->Count();
    for (std::int32_t i = 1; i <= count; ++i) {
      // A window the editor will not describe is passed over, as the editor's loop resumes.
      const bool done = host::ResumeOr(false, [&] {
        auto window = windows->Item(i);
        if (window->Type() != window_type) return false;
        window->SetVisible(!window->Visible());
        return true;
      });
      if (done) return;
    }
  });
}

std::optional<WindowCommands::ImmediateWindowFacts> WindowCommands::ImmediateWindowState() {
  return host::ResumeOr<std::optional<ImmediateWindowFacts>>(std::nullopt, [&] {
    std::optional<ImmediateWindowFacts> facts;
    auto windows = Editor(connection_).Windows();
    const std::int32_t count = windows->Count();
    for (std::int32_t i = 1; i <= count && !facts; ++i) {
      host::Resume([&] {
        auto window = windows->Item(i);
        if (window->Type() != host::kImmediateWindow) return;
        facts.emplace();
        host::Resume([&] { facts->visible = window->Visible(); });
        host::Resume([&] { facts->caption = window->Caption(); });
        host::Resume([&] { facts->linked = window->LinkedWindowFrame() != nullptr; });
      });
    }
    return facts;
  });
}

host::WindowHandle WindowCommands::FindInFloatingPalettes(const std::u16string& caption) {
  auto& system_windows = windows_;
  host::WindowHandle palette = system_windows.FindWindow(kFloatingPaletteClass, std::nullopt);
  host::WindowHandle found = 0;
  while (palette > 0) {
    found = system_windows.FindWindowEx(palette, 0, kEditorWindowClass, caption);
    if (found != 0) break;
    palette = system_windows.NextWindow(palette);
  }
  return found;
}

host::WindowHandle WindowCommands::FindImmediateWindow() {
  std::u16string main_caption;
  const bool named =
      host::Resume([&] { main_caption = Editor(connection_).MainWindow()->Caption(); });
  if (!named) {
    host::Resume([&] { system_.MessageBox(kNoProjectAccessMessage, u"", host::kMbOk); });
    return kNoEditorAccess;
  }
  // Without an immediate window in the editor's list, or without its caption, there is
  // nothing to look for: a search with an empty caption would take any untitled editor window
  // for it.
  const auto facts = ImmediateWindowState();
  if (!facts || facts->caption.empty()) return 0;

  auto& windows = windows_;
  const host::WindowHandle main = windows.FindWindow(kMainWindowClass, main_caption);
  if (facts->linked) {
    const host::WindowHandle inside =
        windows.FindWindowEx(main, 0, kEditorWindowClass, facts->caption);
    return inside != 0 ? inside : FindInFloatingPalettes(facts->caption);
  }
  if (facts->visible) {
    const auto mdi_client = windows.FindWindowEx(main, 0, u"MDIClient", std::nullopt);
    const auto docking_view = windows.FindWindowEx(mdi_client, 0, u"DockingView", std::nullopt);
    return windows.FindWindowEx(docking_view, 0, kEditorWindowClass, facts->caption);
  }
  return windows.FindWindowEx(main, 0, kEditorWindowClass, facts->caption);
}

void WindowCommands::ClearImmediateWindow() {
  const host::WindowHandle immediate = FindImmediateWindow();
  if (immediate == 0) {
    host::Resume([&] { system_.MessageBox(kImmediateNotFoundMessage, u"", host::kMbOk); });
    return;
  }
  if (immediate == kNoEditorAccess) return;

  // Without the user's keyboard state it could not be put back, so nothing is forged.
  if (!host::Resume([&] { saved_keyboard_state_ = windows_.GetKeyboardState(); })) return;
  // The user's keyboard state comes back whatever the forged keys run into.
  host::Resume([&] {
    host::KeyboardState forged{};
    forged[kVkControl] = kKeyDown;
    windows_.SetKeyboardState(forged);
    windows_.PostMessage(immediate, host::kWmKeyDown, kVkEnd, 0);
    // A posted key is read under the state in force when the window handles it, so End must
    // be handled before Shift goes down: handled with Shift it would extend a selection from
    // the caret, and Home would then select only the text before the caret.
    loop_.DoEvents();
    forged[kVkShift] = kKeyDown;
    windows_.SetKeyboardState(forged);
    windows_.PostMessage(immediate, host::kWmKeyDown, kVkHome, 0);
    windows_.PostMessage(immediate, host::kWmKeyDown, kVkBack, 0);
    loop_.DoEvents();
  });
  RestoreKeyboardState();
}

void WindowCommands::RestoreKeyboardState() {
  host::Resume([&] { windows_.SetKeyboardState(saved_keyboard_state_); });
}

void WindowCommands::OpenWebLookup(const std::u16string& text, std::int32_t mode) {
  host::Resume([&] { menu::OpenWebLookup(system_, text, mode); });
}

}  // namespace tessaly::menu
