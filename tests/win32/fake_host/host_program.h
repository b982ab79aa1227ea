#pragma once

// The fake host run again as another process, which runs no tests: with kPlayAnotherEditor (see
// editor_windows_test.cpp) it shows the windows of another VB6 editor until it is ended.

namespace tessaly::fake_host {

inline constexpr wchar_t kPlayAnotherEditor[] = L"--play-another-editor";
int PlayAnotherEditor();

}  // namespace tessaly::fake_host
