#include "menu/window_commands.h"

#include <gtest/gtest.h>

#include <string>
#include <tuple>
#include <vector>

#include "addin/connection.h"
#include "menu/selected_text.h"
#include "menu/web_lookup.h"
#include "sim/desktop/sim_desktop.h"
#include "sim/editor/sim_editor.h"
#include "sim/os/sim_os.h"
#include "text/utf.h"

namespace tessaly::menu {
namespace {

// A VB6 editor on its desktop and the window commands the menu's clicks reach.
struct EditorWindows {
  EditorWindows() {
    editor.AddModule(u"Project1", u"Module1", {u"Dim 你好 As String"});
    desktop.Sync();
    connection.HostApplication = editor.Application();
    connection.HostMode = addin::kHostModeVb6;
    os.windows().SetKeyboardState(UserKeyboard());
  }
  static host::KeyboardState UserKeyboard() {
    host::KeyboardState keys{};
    keys[20] = 0x01;  // Caps Lock toggled
    keys[65] = 0x80;  // A held
    return keys;
  }

  sim::SimEditor editor;
  sim::SimOs os;
  host::Os host_os = os.Os();
  sim::SimDesktop desktop{editor, os};
  addin::Connection connection;
  WindowCommands commands{connection, host_os.windows, host_os.loop, host_os.system};
};

// Only the first window of the type flips (Module1's of two code windows), and back at the
// second call; a type no window has changes nothing.
TEST(ToggleIdeWindow, FlipsTheFirstWindowOfTheTypeAndASecondCallFlipsItBack) {
  EditorWindows e;
  e.editor.AddModule(u"Project1", u"Module2", {u""});
  const auto hidden = [&] {
    std::vector<std::u16string> captions;
    for (const auto& window : e.editor.Windows())
      if (!window->IsVisible()) captions.push_back(window->Caption());
    return captions;
  };
  const std::pair<std::int32_t, std::vector<std::u16string>> rows[] = {
      {host::kCodeWindow, {u"Project1 - Module1 (Code)"}}, {42, {}}};
  for (const auto& [type, flipped] : rows) {
    e.commands.ToggleIdeWindow(type);
    EXPECT_EQ(hidden(), flipped);
    e.commands.ToggleIdeWindow(type);
    EXPECT_TRUE(hidden().empty()) << type;
  }
}

// Found docked, hidden or floating, the window gets End before Shift goes down, then Shift+Home
// and Backspace, Control held for all, and the user's keyboard back. One it cannot find is
// reported once, with nothing sent.
TEST(ClearImmediateWindow, ClearsTheWindowWhereverItSitsOrReportsItMissing) {
  const std::u16string not_found = u"Immediate Window not found.";
  using Setup = void (*)(EditorWindows&);
  const std::pair<Setup, std::u16string> rows[] = {
      {[](auto&) {}, u""},
      {[](auto& e) { e.editor.Window(u"Immediate").SetVisible(false); }, u""},
      {[](auto& e) { e.desktop.SetImmediateLinked(true); }, u""},
      // the native title differs; no native window; none in the editor; the main window refused
      {[](auto& e) { e.os.windows().SetWindowText(e.desktop.ImmediateWindow(), u"x"); }, not_found},
      {[](auto& e) { e.os.windows().DestroyWindow(e.desktop.ImmediateWindow()); }, not_found},
      {[](auto& e) { e.editor.App().WindowList().Remove(e.editor.Window(u"Immediate")); },
       not_found},
      {[](auto& e) { e.editor.Refuse(u"Application.MainWindow"); },
       u"No Access to Visual Basic Project"},
  };
  for (const auto& [setup, message] : rows) {
    SCOPED_TRACE(&setup - &rows[0].first);
    EditorWindows e;
    setup(e);
    if (message.empty()) e.desktop.Sync();
    e.desktop.SetImmediateText(u"? Now\r\n2024-07-08 \r\n");
    e.desktop.ImmediateBox().SetCaret(3);  // the caret left inside the text

    e.commands.ClearImmediateWindow();

    EXPECT_EQ(e.os.windows().GetKeyboardState(), EditorWindows::UserKeyboard());
    EXPECT_EQ(e.os.windows().PendingMessageCount(), 0u);
    const bool found = message.empty();
    EXPECT_EQ(e.desktop.ImmediateText(), found ? u"" : u"? Now\r\n2024-07-08 \r\n");
    EXPECT_EQ(e.os.system().MessageBoxes(),
              (found ? std::vector<sim::MessageBoxRecord>{}
                     : std::vector<sim::MessageBoxRecord>{{message, u"", host::kMbOk}}));
    const auto& keys = e.os.windows().Delivered();
    ASSERT_EQ(keys.size(), found ? 3u : 0u);
    for (std::size_t i = 0; i < keys.size(); ++i) {
      host::KeyboardState forged{};  // Control held throughout, Shift from the second key
      forged[17] = 0x80;
      forged[16] = i == 0 ? 0 : 0x80;
      const std::uintptr_t end_home_backspace[] = {35, 36, 8};
      EXPECT_EQ((std::tuple(keys[i].window, keys[i].message, keys[i].w_param, keys[i].keyboard)),
                (std::tuple(e.desktop.ImmediateWindow(), std::uint32_t{host::kWmKeyDown},
                            end_home_backspace[i], forged)))
          << i;
    }
  }
}

// Mode 0 translates, from Chinese when any ideograph is in the text, else into it; any other
// mode searches. Only unreserved characters stay as they are in the address.
TEST(OpenWebLookup, OpensTheAddressOfTheModeWithTheTextEncoded) {
  const std::u16string translate = u"https://fanyi.baidu.com/?aldtype=16047#";
  const std::u16string search = u"https://www.baidu.com/s?wd=";
  const struct {
    std::u16string text;
    std::int32_t mode;
    std::u16string url;
  } rows[] = {
      {u"你好", 0, translate + u"zh/en/%E4%BD%A0%E5%A5%BD"},
      {u"hi", 0, translate + u"en/zh/hi"},
      {u"\"a b\" & c", 1, search + u"%22a%20b%22%20%26%20c"},
  };
  EditorWindows e;
  for (const auto& row : rows) {
    e.commands.OpenWebLookup(row.text, row.mode);
    EXPECT_EQ(e.os.system().OpenedUrls().back(), row.url);
  }
  const std::pair<std::u16string, bool> chinese[] = {
      // clang-format off
      {u"\u4E00", true}, {u"\u4DFF", false}, {u"\uFA29", true}, {u"\uFA2A", false},
      {u"，。", false},  // Chinese punctuation alone names no word to translate
      {u"\U00020000", true}, {u"\U0001F600", false}, {std::u16string(1, char16_t(0xD800)), false},
      // clang-format on
  };
  for (const auto& [text, is_chinese] : chinese)
    EXPECT_EQ(IsChineseText(text), is_chinese) << text.size();
  // A high surrogate's partner is looked for only below the text's size; looking one further
  // reads the terminating null, which is no low surrogate, so that bound shows in no text.
  const std::pair<std::u16string, std::u16string> encoded[] = {
      // clang-format off
      {u"AZaz09-._~", u"AZaz09-._~"}, {u" &#?=+/%\"'", u"%20%26%23%3F%3D%2B%2F%25%22%27"},
      {u"\U0001F600", u"%F0%9F%98%80"}, {u"\U0010FFFF", u"%F4%8F%BF%BF"},
      {std::u16string(1, char16_t(0xDC00)), u"%EF%BF%BD"}, {u"a\r\nb", u"a%0D%0Ab"},
      // clang-format on
  };
  for (const auto& [text, percent] : encoded)
    EXPECT_EQ(PercentEncode(text), percent);
}

// A selection to the end of the line ends past its last column.
TEST(SelectedText, TurnsDisplayColumnsIntoCharacters) {
  const struct {
    std::u16string_view line;
    std::int32_t start, end;
    std::u16string_view expected;
  } cases[] = {
      // clang-format off
      {u"Dim 中文 As", 5, 9, u"中文"}, {u"Dim x As Long", 5, 6, u"x"}, {u"Dim x As Long", 1, 4, u"Dim"},
      {u"hello", 1, 6, u"hello"}, {u"say 你好", 5, 9, u"你好"}, {u"hello", 3, 0, u"l"},
      {u"hello", -4, 3, u"he"}, {u"hello", 7, 9, u""}, {u"", 1, 3, u""},
      // clang-format on
  };
  for (const auto& c : cases)
    EXPECT_EQ(GetSelectedText(c.line, c.start, c.end), c.expected) << c.start << ".." << c.end;
}

}  // namespace
}  // namespace tessaly::menu
