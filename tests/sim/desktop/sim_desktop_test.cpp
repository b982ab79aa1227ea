// The editor's native windows over the editor's life, and the immediate window's text box: the
// window features find and drive them as they find the editor's on Windows.

#include "sim/desktop/sim_desktop.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <string>
#include <vector>

#include "sim/editor/sim_editor.h"
#include "sim/os/sim_os.h"
#include "text/utf.h"

namespace tessaly::sim {
namespace {

using Handles = std::vector<host::WindowHandle>;

Handles EveryWindow(SimWindowSystem& system, host::WindowHandle parent = 0) {
  Handles all;
  for (const auto window : system.Children(parent)) {
    all.push_back(window);
    const auto below = EveryWindow(system, window);
    all.insert(all.end(), below.begin(), below.end());
  }
  return all;
}

// The desktop made after the editor opened a module: it shows what it finds at once.
struct Desktop {
  static SimEditor WithModule() {
    SimEditor editor;
    editor.AddModule(u"P", u"M", {u""});
    return editor;
  }

  // What a Backspace posted to the immediate window leaves of "ab".
  std::u16string Backspace() {
    desktop.SetImmediateText(u"ab");
    os.windows().PostMessage(desktop.ImmediateWindow(), host::kWmKeyDown, kVkBack, 0);
    os.windows().DeliverPostedMessages();
    return desktop.ImmediateText();
  }

  SimEditor editor = WithModule();
  SimOs os;
  SimDesktop desktop{editor, os};
};

// Each step leaves the frame, one native window per open code window, the immediate window
// where its state puts it (answering keys) and its floating palette while it is linked, and no
// other window: what the desktop replaces or the editor closes is gone.
TEST(SimDesktop, LeavesOneNativeWindowForEachEditorWindowThroughItsLife) {
  Desktop d;
  auto& system = d.os.windows();
  auto& immediate = d.editor.Window(u"Immediate");
  const auto show = [&](bool visible) {
    return [&, visible] {
      immediate.SetVisible(visible);
      d.desktop.Sync();
    };
  };
  const struct {
    const char* title;
    std::function<void()> step;
    bool docked;
    bool linked;
    std::vector<std::u16string> modules;
  } steps[] = {
      {"as made", [] {}, true, false, {u"M"}},
      {"hidden", show(false), false, false, {u"M"}},
      {"linked while hidden", [&] { d.desktop.SetImmediateLinked(true); }, false, true, {u"M"}},
      {"shown in its palette", show(true), false, true, {u"M"}},
      {"unlinked", [&] { d.desktop.SetImmediateLinked(false); }, true, false, {u"M"}},
      {"linked again", [&] { d.desktop.SetImmediateLinked(true); }, false, true, {u"M"}},
      {"a module opened, the other closed",
       [&] {
         d.editor.AddModule(u"P", u"N", {u""});
         d.editor.CloseWindow(u"P - M (Code)");
         d.editor.MainWindow().SetCaptionText(u"Main");
         d.desktop.Sync();
       },
       false,
       true,
       {u"N"}},
      {"unlinked again", [&] { d.desktop.SetImmediateLinked(false); }, true, false, {u"N"}},
  };
  for (const auto& s : steps) {
    SCOPED_TRACE(s.title);
    s.step();
    const auto palette = d.desktop.FloatingPalette();
    const auto window = d.desktop.ImmediateWindow();
    Handles expected = {d.desktop.MainWindow(),  d.desktop.MdiClient(),
                        d.desktop.DockingView(), d.desktop.ProjectExplorer(),
                        d.desktop.ProjectTree(), window};
    for (const auto& module : s.modules)
      expected.push_back(d.desktop.CodeWindow(module));
    if (s.linked) {
      ASSERT_NE(palette, 0u);
      expected.push_back(palette);
      EXPECT_EQ(system.ClassName(palette), kFloatingPaletteClass);
      EXPECT_EQ(system.Children(palette), Handles{window});
      // The palette shows with the editor's window, in front of the frame.
      EXPECT_EQ(system.WindowFromPoint(d.desktop.CenterOf(palette)) == window,
                immediate.IsVisible());
    } else {
      EXPECT_EQ(palette, 0u);
      const auto parent = s.docked ? d.desktop.DockingView() : d.desktop.MainWindow();
      const auto siblings = system.Children(parent);
      EXPECT_NE(std::find(siblings.begin(), siblings.end(), window), siblings.end());
    }
    auto all = EveryWindow(system);
    std::sort(all.begin(), all.end());
    std::sort(expected.begin(), expected.end());
    EXPECT_EQ(all, expected);
    EXPECT_EQ(system.WindowText(window), u"Immediate");
    EXPECT_EQ(system.WindowText(d.desktop.MainWindow()), d.editor.MainWindow().CaptionText());
    EXPECT_EQ(d.Backspace(), u"a");
  }
}

// The text box's keys, with Shift and Control as the keyboard holds them: lines end at CR and
// begin after LF, and a Backspace takes CR LF as one.
TEST(ImmediateEdit, AnswersEachKeyAtTheEdgesOfItsLines) {
  const std::u16string text = u"ab\r\ncd\r\nef";
  constexpr std::uint32_t kShift = 1, kControl = 2;
  const struct {
    std::size_t caret;
    std::vector<std::pair<std::uint32_t, std::uint32_t>> keys;  // key, modifiers
    std::u16string after;
    std::size_t caret_after;
    std::u16string selected;
  } rows[] = {
      {5, {{kVkEnd, 0}}, text, 6, u""},
      {9, {{kVkEnd, 0}}, text, 10, u""},
      {4, {{kVkEnd, kShift}}, text, 6, u"cd"},
      {5, {{kVkEnd, kControl}}, text, 10, u""},
      {5, {{kVkHome, 0}}, text, 4, u""},
      {4, {{kVkHome, 0}}, text, 4, u""},
      {8, {{kVkHome, kShift}}, text, 8, u""},
      {2, {{kVkHome, 0}}, text, 0, u""},
      {0, {{kVkHome, 0}}, text, 0, u""},
      {5, {{kVkHome, kShift | kControl}}, text, 0, u"ab\r\nc"},
      {4, {{kVkBack, 0}}, u"abcd\r\nef", 2, u""},
      {3, {{kVkBack, 0}}, u"ab\ncd\r\nef", 2, u""},
      {1, {{kVkBack, 0}}, u"b\r\ncd\r\nef", 0, u""},
      {0, {{kVkBack, 0}}, text, 0, u""},
      {4, {{kVkEnd, kShift}, {kVkBack, 0}}, u"ab\r\n\r\nef", 4, u""},
      {5, {{kVkShift, kShift}, {'A', 0}}, text, 5, u""},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(std::to_string(row.caret) + " " + std::to_string(row.keys.front().first));
    ImmediateEdit edit;
    edit.SetText(text);
    edit.SetCaret(row.caret);
    for (const auto& [key, modifiers] : row.keys) {
      host::KeyboardState keyboard{};
      if (modifiers & kShift) keyboard[kVkShift] = 0x80;
      if (modifiers & kControl) keyboard[kVkControl] = 0x80;
      EXPECT_EQ(edit.KeyDown(key, keyboard), key != kVkShift && key != 'A');
    }
    EXPECT_EQ(edit.Text(), row.after);
    EXPECT_EQ(edit.Caret(), row.caret_after);
    EXPECT_EQ(edit.SelectedText(), row.selected);
  }
}

}  // namespace
}  // namespace tessaly::sim
