// Running the built program on Windows: CreateProcessW with a command line quoted as the
// program will split it (CommandLineToArgvW), standard input from a file, output into files.

#include <windows.h>

#include <cwchar>
#include <mutex>
#include <string>
#include <string_view>

#include "support/cli_fixture.h"

namespace tessaly::test_support {

namespace {

// The rules CommandLineToArgvW reads back: quotes around every argument (so an empty one and
// one with blanks stay whole), a quote escaped by a backslash, backslashes doubled only before
// a quote.
std::wstring Quoted(std::wstring_view arg) {
  std::wstring quoted = L"\"";
  std::size_t backslashes = 0;
  for (const wchar_t c : arg) {
    if (c == L'\\') {
      ++backslashes;
      continue;
    }
    quoted.append(c == L'"' ? backslashes * 2 + 1 : backslashes, L'\\');
    backslashes = 0;
    quoted.push_back(c);
  }
  quoted.append(backslashes * 2, L'\\');
  return quoted + L"\"";
}

// The test's own environment with `changes`, as a block CreateProcessW takes.
std::wstring EnvironmentBlock(const std::vector<std::string>& changes) {
  std::vector<std::string> own;
  wchar_t* strings = GetEnvironmentStringsW();
  for (const wchar_t* entry = strings; entry && *entry; entry += std::wcslen(entry) + 1) {
    const std::wstring_view wide(entry);
    own.push_back(Utf8Text(std::filesystem::path(std::wstring(wide))));
  }
  if (strings) FreeEnvironmentStringsW(strings);
  std::wstring block;
  for (const auto& variable : ChangedEnvironment(own, changes))
    block += Utf8Path(variable).native() + L'\0';
  return block + L'\0';
}

}  // namespace

CommandResult RunBinary(const std::vector<std::string>& args, const std::string& standard_input,
                        bool output_closed, const std::vector<std::string>& environment) {
  // tessaly.exe beside the test program: the build's Unix path means nothing to Windows.
  std::wstring binary(32768, L'\0');
  binary.resize(GetModuleFileNameW(nullptr, binary.data(), static_cast<DWORD>(binary.size())));
  binary = binary.substr(0, binary.find_last_of(L"\\/") + 1) + L"tessaly.exe";
  std::wstring command_line = Quoted(binary);
  std::wstring variables = EnvironmentBlock(environment);
  for (const auto& arg : args)
    command_line += L" " + Quoted(Utf8Path(arg).native());
  const TempFolder streams;
  streams.Write("in", standard_input);
  SECURITY_ATTRIBUTES inherit{sizeof inherit, nullptr, TRUE};
  const auto open = [&](const wchar_t* name, bool write) {
    return CreateFileW((streams.Path() / name).c_str(), write ? GENERIC_WRITE : GENERIC_READ,
                       FILE_SHARE_READ | FILE_SHARE_WRITE, &inherit,
                       write ? CREATE_ALWAYS : OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
  };
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  startup.dwFlags = STARTF_USESTDHANDLES;
  PROCESS_INFORMATION process{};
  DWORD start_error = 0;
  {
    // A process started inherits every inheritable handle there is: one start at a time, each
    // with its own handles only.
    static std::mutex starting;
    const std::lock_guard lock(starting);
    startup.hStdInput = open(L"in", false);
    startup.hStdError = open(L"err", true);
    if (output_closed) {
      HANDLE reader = nullptr;
      CreatePipe(&reader, &startup.hStdOutput, &inherit, 0);
      CloseHandle(reader);
    } else {
      startup.hStdOutput = open(L"out", true);
    }
    if (CreateProcessW(binary.c_str(), command_line.data(), nullptr, nullptr, TRUE,
                       CREATE_NO_WINDOW | CREATE_UNICODE_ENVIRONMENT, variables.data(), nullptr,
                       &startup, &process)) {
      CloseHandle(process.hThread);
    } else {
      start_error = GetLastError();
    }
    for (HANDLE handle : {startup.hStdInput, startup.hStdOutput, startup.hStdError})
      CloseHandle(handle);
  }
  // Without a process its handle is null, and waiting and asking for its status fail at once.
  WaitForSingleObject(process.hProcess, INFINITE);
  DWORD status = 0;
  CommandResult result;
  if (GetExitCodeProcess(process.hProcess, &status)) result.status = static_cast<int>(status);
  CloseHandle(process.hProcess);
  result.out = output_closed ? "" : ReadBytes(Utf8Text(streams.Path() / "out"));
  result.err = ReadBytes(Utf8Text(streams.Path() / "err"));
  // A program that never ran must not pass for one that printed nothing.
  if (start_error != 0) result.err += "CreateProcessW failed: " + std::to_string(start_error);
  if (process.hProcess == nullptr) result.status = -1;
  return result;
}

}  // namespace tessaly::test_support
