#include "win32/fake_host/user_view.h"

#include <gtest/gtest.h>

#include <commctrl.h>

#include "support/click_cases.h"
#include "win32/fake_host/add_in_driver.h"

namespace tessaly::fake_host {

namespace {

constexpr wchar_t kAboutTitle[] = L"关于程序——TessalyIDE_V1.36";

}  // namespace

std::vector<std::u16string> RunClickCases(FakeEditor& editor, const std::u16string& prefix) {
  std::vector<std::u16string> added;
  for (const auto& click : test_support::ClickCases()) {
    SCOPED_TRACE(click.name);
    added.push_back(prefix + static_cast<char16_t>(u'A' + added.size()));
    auto& module = editor.Sim().AddModule(u"Project1", added.back(), click.before);
    auto& pane = *editor.Sim().ActivePane();
    pane.Select(click.caret.start_line, click.caret.start_column, click.caret.end_line,
                click.caret.end_column);
    editor.Click(test_support::FunctionMenuPath(editor.Sim(), click.caption));
    EXPECT_EQ(module.Text(), click.after);
    EXPECT_EQ(pane.CurrentSelection(), click.caret_after);
    // The editors' own Undo does not see the change; the add-in's takes it back.
    editor.Click(test_support::FunctionMenuPath(editor.Sim(), u"撤销上次修改"));
    EXPECT_EQ(module.Text(), click.before);
    EXPECT_EQ(pane.CurrentSelection(), click.caret);
  }
  return added;
}

HWND TabControl(const FakeEditor& editor) {
  auto* container = editor.ToolWindowContainer(kTabWindow);
  if (!container) return nullptr;
  HWND strip = FindWindowExW(container->Window(), nullptr, L"TessalyTabStrip", nullptr);
  return strip ? FindWindowExW(strip, nullptr, WC_TABCONTROLW, nullptr) : nullptr;
}

std::vector<std::u16string> TabCaptions(HWND tabs) {
  std::vector<std::u16string> captions;
  for (int i = 0; i < TabCtrl_GetItemCount(tabs); ++i) {
    wchar_t text[64] = {};
    TCITEMW item{TCIF_TEXT, 0, 0, text, 64, 0, 0};
    TabCtrl_GetItem(tabs, i, &item);
    captions.emplace_back(reinterpret_cast<const char16_t*>(text));
  }
  return captions;
}

std::vector<HWND> AboutWindows() {
  std::vector<HWND> found;
  for (HWND window = nullptr; (window = FindWindowExW(nullptr, window, nullptr, kAboutTitle));)
    found.push_back(window);
  return found;
}

HWND OnlyAboutWindow() {
  RunMessageLoop(100);
  const auto windows = AboutWindows();
  EXPECT_EQ(windows.size(), 1u);
  return windows.size() == 1 ? windows.front() : nullptr;
}

}  // namespace tessaly::fake_host
