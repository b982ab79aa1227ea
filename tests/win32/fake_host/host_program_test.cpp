// The VBA editor's VBE publishes no Name: the add-in tells which Office program hosts it by the
// program's file name. Each row runs this host again as a copy under that name, which connects
// the add-in to a VBA editor and reports whether the add-in accepted it. (The whole fake host
// runs as EXCEL.EXE.)

#include "win32/fake_host/host_program.h"

#include <gtest/gtest.h>

#include "win32/fake_host/add_in_driver.h"

namespace tessaly::fake_host {

int ConnectAsThisProgram() {
  RegDeleteTreeW(HKEY_CURRENT_USER, kSettingsKey);
  sim::EditorOptions options;
  options.name = u"Microsoft Word";
  options.version = u"7.01";
  FakeEditor editor(options);
  AddInDriver add_in(editor);
  if (!add_in.Connect()) return kConnectionFailed;
  // An accepted host gets the function menu's bar at start-up; a refused one gets nothing.
  const bool accepted = editor.Sim().HasBar(u"TessalyIDE");
  return add_in.Disconnect() ? (accepted ? kAccepted : kRefused) : kConnectionFailed;
}

HostProgram::HostProgram(const wchar_t* mode, const std::wstring& program) {
  wchar_t self[MAX_PATH] = {};
  GetModuleFileNameW(nullptr, self, MAX_PATH);
  std::filesystem::path path = self;
  if (!program.empty()) {
    copy_ = std::filesystem::temp_directory_path() / L"tessaly-host-programs" / program;
    std::filesystem::create_directories(copy_.parent_path());
    std::filesystem::copy_file(path, copy_, std::filesystem::copy_options::overwrite_existing);
    path = copy_;
  }
  std::wstring command = L"\"" + path.wstring() + L"\" " + mode;
  STARTUPINFOW startup{};
  startup.cb = sizeof(startup);
  if (!CreateProcessW(path.c_str(), command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                      &startup, &process_)) {
    process_ = {};
  }
}

HostProgram::~HostProgram() {
  if (process_.hProcess) {
    TerminateProcess(process_.hProcess, 0);
    WaitForSingleObject(process_.hProcess, 10000);
    CloseHandle(process_.hThread);
    CloseHandle(process_.hProcess);
  }
  std::error_code ignored;
  if (!copy_.empty()) std::filesystem::remove(copy_, ignored);
}

DWORD HostProgram::Wait() {
  DWORD status = kConnectionFailed;
  if (process_.hProcess && WaitForSingleObject(process_.hProcess, 60000) == WAIT_OBJECT_0) {
    GetExitCodeProcess(process_.hProcess, &status);
  }
  return status;
}

namespace {

// The names themselves are the core's table; here the name is the running program's own.
TEST(HostProgramTest, TheVbaEditorIsKnownByItsProgramsFileName) {
  EXPECT_EQ(HostProgram(kConnectAsThisProgram, L"powerpnt.exe").Wait(), kAccepted);
  EXPECT_EQ(HostProgram(kConnectAsThisProgram, L"EXCEL2.EXE").Wait(), kRefused);
}

}  // namespace
}  // namespace tessaly::fake_host
