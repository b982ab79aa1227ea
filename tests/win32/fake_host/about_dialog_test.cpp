// The About form as the user meets it in the editors: a real dialog, one window whichever
// entry opens it, keys moving between its controls inside the editor's message loop, its
// controls kept where the form puts them, and a switch that acts at once and lands in the
// registry.

#include <gtest/gtest.h>
#include "win32/windows_headers.h"

#include <string>
#include <vector>

#include "win32/fake_host/add_in_driver.h"
#include "win32/fake_host/user_view.h"

namespace tessaly::fake_host {
namespace {

constexpr int kFirstCheckId = 100;
constexpr int kFirstPictureId = 200;

// What a control shows of itself, row by row, after its width and height.
std::vector<COLORREF> Shown(HWND control) {
  RECT area{};
  GetClientRect(control, &area);
  std::vector<COLORREF> pixels{static_cast<COLORREF>(area.right),
                               static_cast<COLORREF>(area.bottom)};
  HDC dc = GetDC(control);
  for (int y = 0; y < area.bottom; ++y)
    for (int x = 0; x < area.right; ++x)
      pixels.push_back(GetPixel(dc, x, y));
  ReleaseDC(control, dc);
  return pixels;
}

using AboutDialogTest = BothEditorsTest;

TEST_P(AboutDialogTest, OneDialogFromEveryEntryWithKeysAndSwitchesThatActAtOnce) {
  ASSERT_TRUE(add_in->Connect());
  if (GetParam()) editor->Click({u"Add-Ins", u"Tessaly"});
  editor->Click({u"TessalyIDE", u"关于程序"});
  editor->Click({u"TessalyIDE", u"关于程序"});
  HWND dialog = OnlyAboutWindow();
  ASSERT_TRUE(dialog);
  EXPECT_TRUE(IsWindowVisible(dialog));
  EXPECT_TRUE(GetWindowLongW(dialog, GWL_EXSTYLE) & WS_EX_TOPMOST);
  // The whole design fits inside the window, the button at the bottom included.
  RECT inside{};
  GetClientRect(dialog, &inside);
  RECT button{};
  GetWindowRect(GetDlgItem(dialog, IDOK), &button);
  MapWindowPoints(nullptr, dialog, reinterpret_cast<POINT*>(&button), 2);
  EXPECT_LE(button.bottom, inside.bottom);

  // Keys reach the dialog although the editor's loop knows nothing of it.
  HWND first_box = GetDlgItem(dialog, kFirstCheckId);
  SetForegroundWindow(dialog);
  SetFocus(GetDlgItem(dialog, IDOK));
  PostMessageW(GetFocus(), WM_KEYDOWN, VK_TAB, 0);
  RunMessageLoop(100);
  EXPECT_EQ(GetFocus(), first_box);
  PostMessageW(first_box, WM_KEYDOWN, VK_DOWN, 0);
  RunMessageLoop(100);
  EXPECT_EQ(GetFocus(), GetDlgItem(dialog, kFirstCheckId + 1));
  const std::string name =
      std::string(GetParam() ? "about-vb6-" : "about-vba-") + (sizeof(void*) == 8 ? "x64" : "x86");
  EXPECT_TRUE(SaveScreenshot(dialog, name));

  // The VBA editors have no wheel to switch.
  EXPECT_EQ(IsWindowEnabled(GetDlgItem(dialog, kFirstCheckId + 3)) != FALSE, GetParam());
  // A picture squeezed from outside gets its design height back at the form's next change.
  HWND picture = GetDlgItem(dialog, kFirstPictureId);
  const auto drawn = Shown(picture);
  SetWindowPos(picture, nullptr, 0, 0, static_cast<int>(drawn[0]), static_cast<int>(drawn[1] / 2),
               SWP_NOMOVE | SWP_NOZORDER);
  RunMessageLoop(100);
  SendMessageW(first_box, BM_CLICK, 0, 0);
  RunMessageLoop(100);
  EXPECT_EQ(Shown(picture), drawn);
  EXPECT_EQ(SendMessageW(first_box, BM_GETCHECK, 0, 0), BST_UNCHECKED);
  EXPECT_FALSE(editor->Sim().Bar(u"TessalyIDE").Visible());
  EXPECT_EQ(ReadRegistryText(HKEY_CURRENT_USER, kSettingsKey, L"功能菜单"), L"0");
  // Whatever was left on a picture's place, each change of the form draws the pictures anew.
  const RECT whole{0, 0, static_cast<LONG>(drawn[0]), static_cast<LONG>(drawn[1])};
  HDC dc = GetDC(picture);
  FillRect(dc, &whole, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
  ReleaseDC(picture, dc);
  SendMessageW(first_box, BM_CLICK, 0, 0);
  RunMessageLoop(100);
  EXPECT_EQ(Shown(picture), drawn);
  EXPECT_TRUE(editor->Sim().Bar(u"TessalyIDE").Visible());
  EXPECT_EQ(ReadRegistryText(HKEY_CURRENT_USER, kSettingsKey, L"功能菜单"), L"1");

  // Closed by its button, opened again as a new window; gone with the add-in.
  SendMessageW(GetDlgItem(dialog, IDOK), BM_CLICK, 0, 0);
  EXPECT_FALSE(IsWindow(dialog));
  editor->Click({u"TessalyIDE", u"关于程序"});
  EXPECT_TRUE(OnlyAboutWindow());
  ASSERT_TRUE(add_in->Disconnect());
  EXPECT_TRUE(AboutWindows().empty());
  EXPECT_FALSE(AddInTimerWindow()) << "a timer of the unloaded add-in can still fire";

  // A reloaded add-in opens its own dialog.
  ASSERT_TRUE(add_in->Connect());
  editor->Click({u"TessalyIDE", u"关于程序"});
  EXPECT_TRUE(OnlyAboutWindow());
}

INSTANTIATE_TEST_SUITE_P(BothEditors, AboutDialogTest, ::testing::Bool(), EditorName);

}  // namespace
}  // namespace tessaly::fake_host
