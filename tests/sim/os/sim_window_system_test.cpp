#include "sim/os/sim_window_system.h"

#include <gtest/gtest.h>

#include <vector>
#include "sim/desktop/sim_desktop.h"
#include "sim/os/sim_os.h"
#include "sim/os/sim_system_services.h"

namespace tessaly::sim {
namespace {

using host::Point;
using host::Rect;
using host::WindowHandle;

TEST(SimWindowSystem, WindowFromPointPrefersTheTopmostAndDeepestVisibleWindow) {
  SimWindowSystem windows;
  const auto back = windows.CreateWindow({u"Back", u"", 0, {0, 0, 500, 500}});
  const auto code = windows.CreateWindow({u"VbaWindow", u"", 0, {10, 10, 200, 200}, back});
  const auto inner = windows.CreateWindow({u"Edit", u"", 0, {20, 20, 50, 50}, code});
  // A hidden window over part of the code window.
  windows.CreateWindow({u"Edit", u"", 0, {100, 100, 150, 150}, code, std::nullopt, false});
  const auto front = windows.CreateWindow({u"Front", u"", 0, {300, 300, 600, 600}});

  const struct {
    Point point;
    WindowHandle expected;
  } cases[] = {
      {{25, 25}, inner},   {{15, 15}, code},    {{120, 120}, code}, {{5, 5}, back},
      {{350, 350}, front}, {{550, 550}, front}, {{700, 10}, 0},     {{50, 50}, code},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(windows.WindowFromPoint(c.point), c.expected) << c.point.x << "," << c.point.y;
  }
  windows.SetForeground(back);
  EXPECT_EQ(windows.WindowFromPoint({350, 350}), back);
}

TEST(SimWindowSystem, PostedMessagesArriveAtDoEventsWithTheKeyboardStateInForce) {
  SimOs os;
  auto& windows = os.windows();
  const auto immediate = windows.CreateWindow({u"VbaWindow", u"立即", 0, {}});
  host::KeyboardState ctrl{};
  ctrl[17] = 0x80;
  windows.SetKeyboardState(ctrl);
  EXPECT_TRUE(windows.PostMessage(immediate, host::kWmKeyDown, 35, 0));
  host::KeyboardState ctrl_shift = ctrl;
  ctrl_shift[16] = 0x80;
  windows.SetKeyboardState(ctrl_shift);
  EXPECT_TRUE(windows.PostMessage(immediate, host::kWmKeyDown, 36, 0));
  EXPECT_FALSE(windows.PostMessage(4711, host::kWmKeyDown, 8, 0));
  EXPECT_TRUE(windows.Delivered().empty());

  os.loop().DoEvents();
  ASSERT_EQ(windows.Delivered().size(), 2u);
  EXPECT_EQ(windows.Delivered()[0].w_param, 35u);
  // Posting only queues: what a window sees is the state when the loop hands it over.
  EXPECT_EQ(windows.Delivered()[0].keyboard, ctrl_shift);
  EXPECT_EQ(windows.DefaultProcMessages().size(), 2u);
  EXPECT_EQ(windows.PendingMessageCount(), 0u);
}

TEST(SimSystemServices, ConvertsToCodePage936WithQuestionMarksForTheRest) {
  SimSystemServices system;
  EXPECT_EQ(system.ToAnsi(u"abc"), "abc");
  EXPECT_EQ(system.ToAnsi(u"中"), "\xD6\xD0");
  EXPECT_EQ(system.ToAnsi(u"a\u0E01b\U0001F600c"), "a?b?c");
}

// A sync keeps the native window of each code window the editor still has and destroys the
// native windows of those it closed.
TEST(SimDesktop, ASyncKeepsTheWindowsOfCodeWindowsTheEditorStillHas) {
  SimEditor editor;
  SimOs os;
  SimDesktop desktop{editor, os};
  editor.AddModule(u"Project1", u"Module1", {u"Sub A()", u"End Sub"});
  desktop.Sync();
  const auto module1 = desktop.CodeWindow(u"Module1");
  editor.AddModule(u"Project1", u"Module2", {});
  desktop.Sync();
  const auto module2 = desktop.CodeWindow(u"Module2");
  EXPECT_EQ(desktop.CodeWindow(u"Module1"), module1);
  EXPECT_TRUE(os.windows().IsWindow(module1));
  editor.App().WindowList().Remove(editor.Window(u"Project1 - Module1 (Code)"));
  desktop.Sync();
  EXPECT_FALSE(os.windows().IsWindow(module1));
  EXPECT_TRUE(os.windows().IsWindow(module2));
}

}  // namespace
}  // namespace tessaly::sim
