#pragma once

// The fake host run again as another process, which runs no tests. With kConnectAsThisProgram
// (under another program's name, see host_program_test.cpp) it connects the add-in to a VBA
// editor and reports by its exit status whether the add-in accepted that editor. With
// kPlayAnotherEditor (see editor_windows_test.cpp) it shows the windows of another VB6 editor
// until it is ended.

#include "win32/windows_headers.h"

#include <filesystem>
#include <string>

namespace tessaly::fake_host {

inline constexpr wchar_t kConnectAsThisProgram[] = L"--connect-as-this-program";
enum : unsigned long { kAccepted = 0, kRefused = 1, kConnectionFailed = 2 };

int ConnectAsThisProgram();

inline constexpr wchar_t kPlayAnotherEditor[] = L"--play-another-editor";
int PlayAnotherEditor();

// This program started again in `mode`, as a copy named `program` when one is given; ended, if
// it still runs, when this goes.
class HostProgram {
 public:
  explicit HostProgram(const wchar_t* mode, const std::wstring& program = {});
  ~HostProgram();
  HostProgram(const HostProgram&) = delete;
  HostProgram& operator=(const HostProgram&) = delete;
  // The exit status of the program once it ended, within a minute; kConnectionFailed otherwise.
  DWORD Wait();

 private:
  std::filesystem::path copy_;
  PROCESS_INFORMATION process_{};
};

}  // namespace tessaly::fake_host
