// The project explorer's tree on the real user32: subclassed while the add-in is loaded,
// every message still reaching the tree's own procedure, and that procedure alone left on
// the tree after unload, load after load.

#include <gtest/gtest.h>
#include "win32/windows_headers.h"

#include "win32/fake_host/add_in_driver.h"

namespace tessaly::fake_host {
namespace {

int double_clicks_seen = 0;

LRESULT CALLBACK TreeProc(HWND window, UINT message, WPARAM w_param, LPARAM l_param) {
  if (message == WM_LBUTTONDBLCLK) ++double_clicks_seen;
  return DefWindowProcA(window, message, w_param, l_param);
}

TEST(ProjectTreeTest, TheTreeIsHookedWhileLoadedAndPassesEveryMessageOn) {
  FakeEditor editor{sim::EditorOptions{}};
  editor.Sim().AddModule(u"Project1", u"Module1", {u"Sub Start()", u"End Sub"});
  HWND main = CreateEditorWindow(L"wndclass_desked_gsk", L"Project1 - Microsoft Visual Basic",
                                 nullptr, {0, 0, 800, 600});
  HWND project = CreateEditorWindow(L"PROJECT", L"", main, {0, 0, 200, 300});
  HWND tree = CreateEditorWindow(L"SysTreeView32", L"", project, {0, 0, 200, 300});
  SetWindowLongPtrA(tree, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&TreeProc));
  const LONG_PTR own_procedure = GetWindowLongPtrA(tree, GWLP_WNDPROC);

  AddInDriver add_in(editor);
  for (int load = 1; load <= 2; ++load) {
    SCOPED_TRACE(testing::Message() << "load " << load);
    ASSERT_TRUE(add_in.Connect());
    EXPECT_NE(GetWindowLongPtrA(tree, GWLP_WNDPROC), own_procedure);
    EXPECT_FALSE(IsWindowUnicode(tree));
    double_clicks_seen = 0;
    SendMessageA(tree, WM_LBUTTONDBLCLK, MK_LBUTTON, MAKELPARAM(20, 20));
    RunMessageLoop(400);  // the check that follows a double-click runs and ends
    EXPECT_EQ(double_clicks_seen, 1);
    ASSERT_TRUE(add_in.Disconnect());
    EXPECT_EQ(GetWindowLongPtrA(tree, GWLP_WNDPROC), own_procedure);
  }
  EXPECT_FALSE(AddInTimerWindow());
  DestroyWindow(main);
}

}  // namespace
}  // namespace tessaly::fake_host
