// The wheel in VB6's code windows on the real user32: the window under the cursor is
// subclassed, keeps its ANSI procedure chain, scrolls the editor's pane by the configured
// lines, and has its own procedure back once the add-in is gone.

#include <gtest/gtest.h>
#include "win32/windows_headers.h"

#include "win32/fake_host/add_in_driver.h"

namespace tessaly::fake_host {
namespace {

constexpr wchar_t kWheelKey[] = L"Software\\VB and VBA Program Settings\\ZaduzAdivev\\MBS4CP";
constexpr RECT kCodeWindowPlace{100, 100, 600, 400};
constexpr POINT kInside{300, 250};

void SetWheelLines(const wchar_t* lines) {
  HKEY key = nullptr;
  ASSERT_EQ(RegCreateKeyExW(HKEY_CURRENT_USER, kWheelKey, 0, nullptr, 0, KEY_SET_VALUE, nullptr,
                            &key, nullptr),
            ERROR_SUCCESS);
  RegSetValueExW(key, L"WHEEL_SCROLL_LINES", 0, REG_SZ, reinterpret_cast<const BYTE*>(lines),
                 static_cast<DWORD>((wcslen(lines) + 1) * sizeof(wchar_t)));
  RegCloseKey(key);
}

void Wheel(HWND window, short delta) {
  SendMessageA(window, WM_MOUSEWHEEL, MAKEWPARAM(0, static_cast<WORD>(delta)),
               MAKELPARAM(kInside.x, kInside.y));
}

TEST(MouseWheelTest, ScrollsTheActivePaneByTheSetLinesAndUnhooksOnUnload) {
  SetWheelLines(L"3");
  FakeEditor editor{sim::EditorOptions{}};
  std::vector<std::u16string> lines;
  for (int i = 0; i < 200; ++i)
    lines.push_back(u"' line");
  editor.Sim().AddModule(u"Project1", u"Module1", lines);
  auto* pane = editor.Sim().ActivePane();
  const auto caption = pane->CodeWindow().CaptionText();
  HWND code_window = CreateEditorWindow(L"VbaWindow", std::wstring(caption.begin(), caption.end()),
                                        nullptr, kCodeWindowPlace);
  ASSERT_TRUE(code_window);
  ASSERT_FALSE(IsWindowUnicode(code_window));
  const LONG_PTR own_procedure = GetWindowLongPtrA(code_window, GWLP_WNDPROC);
  SetCursorPos(kInside.x, kInside.y);

  AddInDriver add_in(editor);
  for (int load = 0; load < 2; ++load) {
    SCOPED_TRACE(load == 0 ? "first load" : "reload");
    ASSERT_TRUE(add_in.Connect());
    RunMessageLoop(600);  // the polling timer finds the window under the cursor
    EXPECT_NE(GetWindowLongPtrA(code_window, GWLP_WNDPROC), own_procedure);
    EXPECT_FALSE(IsWindowUnicode(code_window));
    pane->SetTopLine(50);
    Wheel(code_window, -120);
    EXPECT_EQ(pane->CurrentTopLine(), 53);
    Wheel(code_window, 120);
    EXPECT_EQ(pane->CurrentTopLine(), 50);

    ASSERT_TRUE(add_in.Disconnect());
    EXPECT_EQ(GetWindowLongPtrA(code_window, GWLP_WNDPROC), own_procedure);
    EXPECT_FALSE(GetPropW(code_window, L"Tessaly.Previous"));
    Wheel(code_window, -120);
    EXPECT_EQ(pane->CurrentTopLine(), 50);
  }
  DestroyWindow(code_window);
  RegDeleteTreeW(HKEY_CURRENT_USER, L"Software\\VB and VBA Program Settings\\ZaduzAdivev");
}

}  // namespace
}  // namespace tessaly::fake_host
