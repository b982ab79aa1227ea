// Clearing the immediate window on the real user32: the window is found in the editor's
// window structure, emptied by forged keys, and the user's keyboard state is back afterwards.

#include <gtest/gtest.h>
#include "win32/windows_headers.h"

#include "support/click_cases.h"
#include "win32/fake_host/add_in_driver.h"

namespace tessaly::fake_host {
namespace {

std::wstring Wide(const std::u16string& text) {
  return std::wstring(text.begin(), text.end());
}

TEST(ImmediateWindowTest, ClearingEmptiesTheDockedWindowAndRestoresTheKeyboard) {
  FakeEditor editor{sim::EditorOptions{}};
  editor.Sim().AddModule(u"Project1", u"Module1", {u"Sub Start()", u"End Sub"});
  // The editor's docked immediate window: main window, MDI client, docking view, and the
  // window captioned as the object model says, with its text inside.
  HWND main =
      CreateEditorWindow(L"wndclass_desked_gsk", Wide(editor.Sim().MainWindow().CaptionText()),
                         nullptr, {0, 0, 800, 600});
  HWND mdi_client = CreateEditorWindow(L"MDIClient", L"", main, {0, 0, 800, 600});
  HWND docking_view = CreateEditorWindow(L"DockingView", L"", mdi_client, {0, 400, 800, 600});
  HWND immediate = CreateEditorWindow(L"VbaWindow", L"Immediate", docking_view, {0, 0, 800, 200});
  HWND text =
      CreateWindowExA(0, "EDIT", "? 1 + 1\r\n 2 \r\n? Now", WS_CHILD | WS_VISIBLE | ES_MULTILINE, 0,
                      0, 800, 200, immediate, nullptr, GetModuleHandleW(nullptr), nullptr);
  ASSERT_TRUE(text);
  SendMessageW(text, EM_SETSEL, 3, 3);  // the caret somewhere in the middle

  BYTE users_keys[256] = {};
  users_keys[VK_CAPITAL] = 0x01;  // Caps Lock on, nothing held down
  users_keys[VK_MENU] = 0x80;
  SetKeyboardState(users_keys);

  AddInDriver add_in(editor);
  ASSERT_TRUE(add_in.Connect());
  editor.Click(test_support::FunctionMenuPath(editor.Sim(), u"清屏(&N)"));
  EXPECT_EQ(GetWindowTextLengthW(text), 0);
  BYTE keys_after[256] = {};
  GetKeyboardState(keys_after);
  EXPECT_EQ(memcmp(keys_after, users_keys, sizeof(keys_after)), 0);
  ASSERT_TRUE(add_in.Disconnect());

  BYTE released[256] = {};
  SetKeyboardState(released);
  DestroyWindow(main);
}

}  // namespace
}  // namespace tessaly::fake_host
