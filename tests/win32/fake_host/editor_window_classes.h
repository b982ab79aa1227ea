#pragma once

// The editors' own Win32 windows as the fake host plays them: ANSI windows under the class names
// the editors give theirs, which the add-in looks for (the main window, the project explorer and
// its tree, the code and immediate windows).

#include "win32/windows_headers.h"

#include <string>

namespace tessaly::fake_host {

// A window of the editor's kind, under the class name the editor gives it; a top-level one is
// left hidden when not `shown`, which spares Wine the cost of hiding it again.
HWND CreateEditorWindow(const std::wstring& class_name, const std::u16string& title, HWND parent,
                        RECT place, bool shown = true);

}  // namespace tessaly::fake_host
