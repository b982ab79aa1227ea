// The VBA editor's VBE publishes no Name: the add-in tells which Office program hosts it by the
// program's file name. Each row runs this host again as a copy under that name, which connects
// the add-in to a VBA editor and reports whether the add-in accepted it.

#include <gtest/gtest.h>
#include "win32/windows_headers.h"

#include <filesystem>
#include <string>

#include "win32/fake_host/add_in_driver.h"
#include "win32/fake_host/host_program.h"

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

namespace {

DWORD RunCopyNamed(const std::wstring& program) {
  wchar_t self[MAX_PATH] = {};
  GetModuleFileNameW(nullptr, self, MAX_PATH);
  const auto folder = std::filesystem::temp_directory_path() / L"tessaly-host-programs";
  std::filesystem::create_directories(folder);
  const auto copy = folder / program;
  std::filesystem::copy_file(self, copy, std::filesystem::copy_options::overwrite_existing);
  std::wstring command = L"\"" + copy.wstring() + L"\" " + kConnectAsThisProgram;
  STARTUPINFOW startup{};
  startup.cb = sizeof(startup);
  PROCESS_INFORMATION process{};
  if (!CreateProcessW(copy.c_str(), command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                      &startup, &process)) {
    return kConnectionFailed;
  }
  WaitForSingleObject(process.hProcess, 60000);
  DWORD status = kConnectionFailed;
  GetExitCodeProcess(process.hProcess, &status);
  CloseHandle(process.hThread);
  CloseHandle(process.hProcess);
  std::filesystem::remove(copy);
  return status;
}

TEST(HostProgramTest, TheVbaEditorIsKnownByItsProgramsFileNameInAnyLetterCase) {
  const struct {
    const wchar_t* program;
    DWORD status;
  } rows[] = {{L"EXCEL.EXE", kAccepted},    {L"WINWORD.EXE", kAccepted},
              {L"MSACCESS.EXE", kAccepted}, {L"powerpnt.exe", kAccepted},
              {L"Excel.Exe", kAccepted},    {L"OUTLOOK.EXE", kRefused},
              {L"EXCEL2.EXE", kRefused},    {L"fake_editor_host.exe", kRefused}};
  for (const auto& row : rows) {
    SCOPED_TRACE(std::string(row.program, row.program + wcslen(row.program)));
    EXPECT_EQ(RunCopyNamed(row.program), row.status);
  }
}

}  // namespace
}  // namespace tessaly::fake_host
