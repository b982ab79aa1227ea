// The tab tool window as the editors host it: QWIX.VBIDETab activated in place in the tool
// window CreateToolWindow makes, filled from the editor's code windows at start-up, and a
// user's click on the Win32 tab control bringing that code window to the front, before and
// after the add-in is reloaded.

#include <gtest/gtest.h>
#include "win32/windows_headers.h"

#include <commctrl.h>

#include <functional>
#include <string>
#include <vector>

#include "win32/fake_host/add_in_driver.h"
#include "win32/fake_host/user_view.h"

namespace tessaly::fake_host {
namespace {

class TabWindowTest : public BothEditorsTest {
 protected:
  // Real input, which the system routes to the window under the cursor or with the focus, as
  // a user's: a press and release of the left button over the tab, or of the key; waits until
  // `done` or a second, and tells whether it came.
  static bool UserClicksTab(HWND tabs, int index, const std::function<bool()>& done) {
    RECT tab{};
    EXPECT_TRUE(TabCtrl_GetItemRect(tabs, index, &tab));
    POINT center{(tab.left + tab.right) / 2, (tab.top + tab.bottom) / 2};
    ClientToScreen(tabs, &center);
    EXPECT_TRUE(SetCursorPos(center.x, center.y));
    return UserInput(INPUT_MOUSE, 0, done);
  }

  static bool UserInput(DWORD type, WORD key, const std::function<bool()>& done) {
    INPUT press[2] = {};
    press[0].type = press[1].type = type;
    if (type == INPUT_MOUSE) {
      press[0].mi.dwFlags = MOUSEEVENTF_LEFTDOWN;
      press[1].mi.dwFlags = MOUSEEVENTF_LEFTUP;
    } else {
      press[0].ki.wVk = press[1].ki.wVk = key;
      press[1].ki.dwFlags = KEYEVENTF_KEYUP;
    }
    EXPECT_EQ(SendInput(2, press, sizeof(INPUT)), 2u);
    RunMessageLoop(1000, done);
    return done();
  }

  // Whether the module's code window is the editor's active one.
  std::function<bool()> Active(const std::u16string& module) const {
    return [this, module] {
      return editor->Sim().ActivePane()->CodeWindow().CaptionText() ==
             u"工程1 - " + module + u" (Code)";
    };
  }
};

TEST_P(TabWindowTest, AClickOnATabActivatesItsCodeWindowBeforeAndAfterAReload) {
  ASSERT_TRUE(add_in->Connect());
  auto* container = editor->ToolWindowContainer(kTabWindow);
  ASSERT_TRUE(container) << "the tool window's document is no ActiveX control";
  // VB6 holds its tool windows' documents as ActiveX documents, shown through a view.
  EXPECT_EQ(container->View() != nullptr, GetParam());
  HWND tabs = TabControl(*editor);
  ASSERT_TRUE(tabs);
  // Asked to draw itself, it draws its tabs, not just its background.
  EXPECT_GT(container->DrawnColours(), 2u);

  ASSERT_TRUE(Active(u"工具函数")());
  // The selected tab too: the strip starts with the first tab selected.
  EXPECT_TRUE(UserClicksTab(tabs, 0, Active(u"销售报表")));
  EXPECT_EQ(TabCtrl_GetCurSel(tabs), 0);
  if (GetParam()) {
    EXPECT_TRUE(SaveScreenshot(container->Window(), "tab_window"));
  }

  // The strip fills the window whatever its size.
  container->Resize(600, 52);
  RECT area{};
  GetClientRect(tabs, &area);
  EXPECT_EQ(area.right, 600);
  EXPECT_EQ(area.bottom, 52);

  // The clicked tab has the focus: the arrow keys choose the next tab, as a click would.
  const auto customers_active = Active(u"客户资料");
  EXPECT_TRUE(UserInput(INPUT_KEYBOARD, VK_RIGHT, customers_active));

  // No add-in loaded: the surviving strip still takes clicks, harmlessly.
  ASSERT_TRUE(add_in->Disconnect());
  EXPECT_TRUE(UserClicksTab(tabs, 0, [&] { return TabCtrl_GetCurSel(tabs) == 0; }));
  EXPECT_TRUE(customers_active());

  // The reloaded add-in takes the same control over, and its start-up shows in it.
  editor->Sim().AddModule(u"工程1", u"打印", {u"Sub 打印()", u"End Sub"});
  ASSERT_TRUE(add_in->Connect());
  ASSERT_EQ(TabControl(*editor), tabs);
  EXPECT_EQ(TabCaptions(tabs).size(), 4u);
  EXPECT_TRUE(UserClicksTab(tabs, 2, Active(u"工具函数")));
}

TEST_P(TabWindowTest, TheSwitchesInTheRegistryHideTheBarAndTheWindowWhoseStripStaysFilled) {
  ASSERT_TRUE(StoreSwitch(L"功能菜单", L"0") && StoreSwitch(L"多标签页", L"0"));
  ASSERT_TRUE(add_in->Connect());
  EXPECT_FALSE(editor->Sim().Bar(u"TessalyIDE").Visible());
  auto* container = editor->ToolWindowContainer(kTabWindow);
  ASSERT_TRUE(container);
  EXPECT_FALSE(IsWindowVisible(container->Window()));
  EXPECT_EQ(TabCaptions(TabControl(*editor)).size(), 3u);
}

INSTANTIATE_TEST_SUITE_P(BothEditors, TabWindowTest, ::testing::Bool(), EditorName);

}  // namespace
}  // namespace tessaly::fake_host
