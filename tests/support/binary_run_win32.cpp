// Running the built program on Windows: CreateProcessW with a command line quoted as the
// program will split it (CommandLineToArgvW), standard input from a file, output into files.

#include <windows.h>

#include <string_view>

#include "support/cli_fixture.h"

namespace tessaly::test_support {

namespace {

// tessaly.exe beside the test program: the build's Unix path means nothing to Windows.
std::wstring BinaryPath() {
  std::wstring path(32768, L'\0');
  path.resize(GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size())));
  return path.substr(0, path.find_last_of(L"\\/") + 1) + L"tessaly.exe";
}

// The rules CommandLineToArgvW reads back: quotes around an argument with blanks or quotes,
// a quote escaped by a backslash, backslashes doubled only before a quote.
std::wstring Quoted(std::wstring_view arg) {
  if (!arg.empty() && arg.find_first_of(L" \t\n\v\"") == std::wstring_view::npos) {
    return std::wstring(arg);
  }
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

HANDLE Inheritable(const std::wstring& path, bool write) {
  SECURITY_ATTRIBUTES inherit{sizeof inherit, nullptr, TRUE};
  return CreateFileW(path.c_str(), write ? GENERIC_WRITE : GENERIC_READ,
                     FILE_SHARE_READ | FILE_SHARE_WRITE, &inherit,
                     write ? CREATE_ALWAYS : OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
}

HANDLE Start(const std::vector<std::string>& args, HANDLE in, HANDLE out, HANDLE err) {
  const std::wstring binary = BinaryPath();
  std::wstring command_line = Quoted(binary);
  for (const auto& arg : args)
    command_line += L" " + Quoted(Utf8Path(arg).native());
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  startup.dwFlags = STARTF_USESTDHANDLES;
  startup.hStdInput = in;
  startup.hStdOutput = out;
  startup.hStdError = err;
  PROCESS_INFORMATION process{};
  if (!CreateProcessW(binary.c_str(), command_line.data(), nullptr, nullptr, TRUE, CREATE_NO_WINDOW,
                      nullptr, nullptr, &startup, &process)) {
    return nullptr;
  }
  CloseHandle(process.hThread);
  return process.hProcess;
}

int WaitFor(HANDLE process) {
  if (!process) return -1;
  DWORD status = 0;
  WaitForSingleObject(process, INFINITE);
  const bool known = GetExitCodeProcess(process, &status);
  CloseHandle(process);
  return known ? static_cast<int>(status) : -1;
}

}  // namespace

CommandResult RunBinary(const std::vector<std::string>& args, const std::string& standard_input,
                        bool output_closed) {
  const TempFolder streams;
  streams.Write("in", standard_input);
  const std::wstring folder = streams.Path().native() + L"\\";
  HANDLE in = Inheritable(folder + L"in", false);
  HANDLE err = Inheritable(folder + L"err", true);
  HANDLE out = nullptr;
  if (output_closed) {
    SECURITY_ATTRIBUTES inherit{sizeof inherit, nullptr, TRUE};
    HANDLE reader = nullptr;
    CreatePipe(&reader, &out, &inherit, 0);
    CloseHandle(reader);
  } else {
    out = Inheritable(folder + L"out", true);
  }
  HANDLE process = Start(args, in, out, err);
  for (HANDLE handle : {in, out, err})
    CloseHandle(handle);
  CommandResult result;
  result.status = WaitFor(process);
  result.out = output_closed ? "" : ReadBytes(streams.Path() / "out");
  result.err = ReadBytes(streams.Path() / "err");
  return result;
}

StartedBinary::StartedBinary(const std::vector<std::string>& args) {
  HANDLE in = Inheritable(L"NUL", false);
  HANDLE out = Inheritable(L"NUL", true);
  HANDLE process = Start(args, in, out, out);
  CloseHandle(in);
  CloseHandle(out);
  process_ = reinterpret_cast<std::intptr_t>(process);
}

StartedBinary::~StartedBinary() {
  if (process_ != -1) Wait();
}

int StartedBinary::Wait() {
  const int status = WaitFor(reinterpret_cast<HANDLE>(process_));
  process_ = -1;
  return status;
}

}  // namespace tessaly::test_support
