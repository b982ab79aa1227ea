// The add-in on the VB6 editor's own windows on the real user32: the project explorer's tree
// and the code window under the cursor subclassed while it is loaded, every message still
// reaching their own ANSI procedures, which alone are left on them after unload, load after
// load; the docked immediate window emptied by forged keys with the user's keyboard state back.

#include <gtest/gtest.h>
#include "win32/windows_headers.h"

#include <string>

#include "support/click_cases.h"
#include "win32/fake_host/add_in_driver.h"
#include "win32/fake_host/editor_window_classes.h"
#include "win32/fake_host/host_program.h"

namespace tessaly::fake_host {
namespace {

constexpr wchar_t kWheelKey[] = L"Software\\VB and VBA Program Settings\\ZaduzAdivev";
constexpr POINT kInside{1000, 250};

constexpr char16_t kMainCaption[] = u"Project1 - Microsoft Visual Basic [design]";

// The main window of this process's editor of that caption, or of another process's.
HWND FindMainWindow(bool ours) {
  HWND found = nullptr;
  while ((found = FindWindowExW(nullptr, found, L"wndclass_desked_gsk",
                                reinterpret_cast<const wchar_t*>(kMainCaption)))) {
    DWORD process = 0;
    GetWindowThreadProcessId(found, &process);
    if ((process == GetCurrentProcessId()) == ours) return found;
  }
  return nullptr;
}

// Another VB6 editor beside ours, in a process of its own, until it is ended.
class AnotherEditor {
 public:
  AnotherEditor() {
    wchar_t self[MAX_PATH] = {};
    GetModuleFileNameW(nullptr, self, MAX_PATH);
    std::wstring command = std::wstring(L"\"") + self + L"\" " + kPlayAnotherEditor;
    STARTUPINFOW startup{};
    startup.cb = sizeof(startup);
    if (!CreateProcessW(self, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                        &startup, &process_)) {
      return;
    }
    RunMessageLoop(60000, [this] { return (main_ = FindMainWindow(false)) != nullptr; });
  }
  ~AnotherEditor() {
    if (!process_.hProcess) return;
    TerminateProcess(process_.hProcess, 0);
    WaitForSingleObject(process_.hProcess, 10000);
    CloseHandle(process_.hThread);
    CloseHandle(process_.hProcess);
  }
  AnotherEditor(const AnotherEditor&) = delete;
  AnotherEditor& operator=(const AnotherEditor&) = delete;
  HWND Main() const { return main_; }

 private:
  PROCESS_INFORMATION process_{};
  HWND main_ = nullptr;
};

int double_clicks_seen = 0;

LRESULT CALLBACK TreeProc(HWND window, UINT message, WPARAM w_param, LPARAM l_param) {
  if (message == WM_LBUTTONDBLCLK) ++double_clicks_seen;
  return DefWindowProcA(window, message, w_param, l_param);
}

void Wheel(HWND window, short delta) {
  SendMessageA(window, WM_MOUSEWHEEL, MAKEWPARAM(0, static_cast<WORD>(delta)),
               MAKELPARAM(kInside.x, kInside.y));
}

// VB6 with a long module, its main window holding the project explorer's tree and the docked
// immediate window, and beside it the module's code window, under the cursor.
class EditorWindowsTest : public ::testing::Test {
 protected:
  EditorWindowsTest() {
    editor.Sim().AddModule(u"Project1", u"Module1", std::vector<std::u16string>(200, u"' line"));
    main = CreateEditorWindow(L"wndclass_desked_gsk", editor.Sim().MainWindow().CaptionText(),
                              nullptr, {0, 0, 800, 600});
    HWND project = CreateEditorWindow(L"PROJECT", u"", main, {0, 0, 200, 300});
    tree = CreateEditorWindow(L"SysTreeView32", u"", project, {0, 0, 200, 300});
    SetWindowLongPtrA(tree, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&TreeProc));
    HWND mdi_client = CreateEditorWindow(L"MDIClient", u"", main, {0, 0, 800, 600});
    HWND docking_view = CreateEditorWindow(L"DockingView", u"", mdi_client, {0, 400, 800, 600});
    immediate = CreateEditorWindow(L"VbaWindow", u"Immediate", docking_view, {0, 0, 800, 200});
    code_window =
        CreateEditorWindow(L"VbaWindow", editor.Sim().ActivePane()->CodeWindow().CaptionText(),
                           nullptr, {820, 100, 1220, 400});
  }
  ~EditorWindowsTest() override {
    DestroyWindow(code_window);
    DestroyWindow(main);
  }

  FakeEditor editor{sim::EditorOptions{}};
  AddInDriver add_in{editor};
  HWND main, tree, immediate, code_window;
};

// Another editor's windows are of the same classes and captions, and the first found; their
// procedures cannot be replaced from here, so the add-in must look among its own.
TEST_F(EditorWindowsTest, AnotherRunningEditorsWindowsAreNotTakenForOurs) {
  AnotherEditor other;
  ASSERT_TRUE(other.Main()) << "the other editor did not start";
  SetWindowPos(other.Main(), HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
  ASSERT_EQ(FindWindowW(L"wndclass_desked_gsk", nullptr), other.Main());
  ASSERT_EQ(FindMainWindow(true), main) << "ours is not of the same class and caption";
  const LONG_PTR tree_procedure = GetWindowLongPtrA(tree, GWLP_WNDPROC);
  ASSERT_TRUE(add_in.Connect());
  EXPECT_NE(GetWindowLongPtrA(tree, GWLP_WNDPROC), tree_procedure) << "our tree was not hooked";
  ASSERT_TRUE(add_in.Disconnect());
}

TEST_F(EditorWindowsTest, TheTreeAndTheCodeWindowAreHookedWhileLoadedAndPassEveryMessageOn) {
  ASSERT_EQ(RegSetKeyValueW(HKEY_CURRENT_USER, (std::wstring(kWheelKey) + L"\\MBS4CP").c_str(),
                            L"WHEEL_SCROLL_LINES", REG_SZ, L"3", sizeof(L"3")),
            ERROR_SUCCESS);
  // The editor names its main window through the hidden HWnd, which decides over the first
  // window of its class in this process.
  editor.Sim().MainWindow().SetHandle(reinterpret_cast<host::WindowHandle>(main));
  HWND first = CreateEditorWindow(L"wndclass_desked_gsk", u"", nullptr, {0, 0, 400, 300});
  HWND first_tree = CreateEditorWindow(L"SysTreeView32", u"",
                                       CreateEditorWindow(L"PROJECT", u"", first, {0, 0, 200, 300}),
                                       {0, 0, 200, 300});
  SetWindowPos(first, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
  ASSERT_EQ(FindWindowW(L"wndclass_desked_gsk", nullptr), first);
  const LONG_PTR first_tree_procedure = GetWindowLongPtrA(first_tree, GWLP_WNDPROC);
  const LONG_PTR tree_procedure = GetWindowLongPtrA(tree, GWLP_WNDPROC);
  const LONG_PTR code_procedure = GetWindowLongPtrA(code_window, GWLP_WNDPROC);
  auto* pane = editor.Sim().ActivePane();
  SetCursorPos(kInside.x, kInside.y);
  for (int load = 1; load <= 2; ++load) {
    SCOPED_TRACE(testing::Message() << "load " << load);
    ASSERT_TRUE(add_in.Connect());
    RunMessageLoop(600);  // the polling timer finds the window under the cursor
    EXPECT_NE(GetWindowLongPtrA(tree, GWLP_WNDPROC), tree_procedure);
    EXPECT_EQ(GetWindowLongPtrA(first_tree, GWLP_WNDPROC), first_tree_procedure);
    EXPECT_NE(GetWindowLongPtrA(code_window, GWLP_WNDPROC), code_procedure);
    EXPECT_FALSE(IsWindowUnicode(tree));
    EXPECT_FALSE(IsWindowUnicode(code_window));
    pane->SetTopLine(50);
    Wheel(code_window, -120);
    EXPECT_EQ(pane->CurrentTopLine(), 53);
    Wheel(code_window, 120);
    EXPECT_EQ(pane->CurrentTopLine(), 50);
    double_clicks_seen = 0;
    SendMessageA(tree, WM_LBUTTONDBLCLK, MK_LBUTTON, MAKELPARAM(20, 20));
    RunMessageLoop(400);  // the check that follows a double-click runs and ends
    EXPECT_EQ(double_clicks_seen, 1);

    ASSERT_TRUE(add_in.Disconnect());
    EXPECT_EQ(GetWindowLongPtrA(tree, GWLP_WNDPROC), tree_procedure);
    EXPECT_EQ(GetWindowLongPtrA(code_window, GWLP_WNDPROC), code_procedure);
    EXPECT_FALSE(GetPropW(code_window, L"Tessaly.Previous"));
    Wheel(code_window, -120);
    EXPECT_EQ(pane->CurrentTopLine(), 50);
  }
  EXPECT_FALSE(AddInTimerWindow());
  DestroyWindow(first);
  RegDeleteTreeW(HKEY_CURRENT_USER, kWheelKey);
}

TEST_F(EditorWindowsTest, ClearingEmptiesTheDockedImmediateWindowAndRestoresTheKeyboard) {
  HWND text =
      CreateWindowExA(0, "EDIT", "? 1 + 1\r\n 2 \r\n? Now", WS_CHILD | WS_VISIBLE | ES_MULTILINE, 0,
                      0, 800, 200, immediate, nullptr, GetModuleHandleW(nullptr), nullptr);
  ASSERT_TRUE(text);
  SendMessageW(text, EM_SETSEL, 3, 3);  // the caret somewhere in the middle
  BYTE users_keys[256] = {};
  users_keys[VK_CAPITAL] = 0x01;  // Caps Lock on, nothing held down
  users_keys[VK_MENU] = 0x80;
  SetKeyboardState(users_keys);

  ASSERT_TRUE(add_in.Connect());
  editor.Click(test_support::FunctionMenuPath(editor.Sim(), u"清屏(&N)"));
  EXPECT_EQ(GetWindowTextLengthW(text), 0);
  BYTE keys_after[256] = {};
  GetKeyboardState(keys_after);
  EXPECT_EQ(memcmp(keys_after, users_keys, sizeof(keys_after)), 0);
  ASSERT_TRUE(add_in.Disconnect());
  BYTE released[256] = {};
  SetKeyboardState(released);
}

}  // namespace

int PlayAnotherEditor() {
  HWND main = CreateEditorWindow(L"wndclass_desked_gsk", kMainCaption, nullptr, {0, 0, 400, 300});
  HWND project = CreateEditorWindow(L"PROJECT", u"", main, {0, 0, 200, 300});
  CreateEditorWindow(L"SysTreeView32", u"", project, {0, 0, 200, 300});
  MSG message;
  while (GetMessageW(&message, nullptr, 0, 0) > 0)
    DispatchMessageW(&message);
  return 0;
}

}  // namespace tessaly::fake_host
