#pragma once

// What a user sees of the add-in in a fake editor, for the tests that check it: the function
// menu's clicks and what they leave, the tab strip in its tool window, the About form.

#include "win32/windows_headers.h"

#include <string>
#include <vector>

#include "win32/fake_host/fake_editor.h"

namespace tessaly::fake_host {

inline constexpr char16_t kTabWindow[] = u"标签";

// Each click of the shared click table on a module of its own (named `prefix` and a letter),
// checked whole, then taken back by the add-in's own undo; returns the modules added.
std::vector<std::u16string> RunClickCases(FakeEditor& editor, const std::u16string& prefix);

// The Win32 tab control inside the tab tool window, found as a window walker would; null when
// there is none.
HWND TabControl(const FakeEditor& editor);
std::vector<std::u16string> TabCaptions(HWND tabs);

// Top-level About windows; the one open once pending messages ran, null (and a test failure)
// unless there is exactly one.
std::vector<HWND> AboutWindows();
HWND OnlyAboutWindow();

}  // namespace tessaly::fake_host
