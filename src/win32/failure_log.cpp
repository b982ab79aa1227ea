#include "win32/failure_log.h"

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <vector>

#include "text/utf.h"
#include "win32/wide_text.h"

namespace tessaly::win32 {

namespace {

namespace fs = std::filesystem;

std::wstring LocalAppData() {
  wchar_t buffer[MAX_PATH] = {};
  const DWORD length = GetEnvironmentVariableW(L"LOCALAPPDATA", buffer, MAX_PATH);
  return length > 0 && length < MAX_PATH ? std::wstring(buffer, length) : std::wstring();
}

// The newer half of `text`, from the start of a line.
std::string NewerHalf(const std::string& text) {
  const auto line_start = text.find('\n', text.size() / 2);
  return line_start == std::string::npos ? std::string() : text.substr(line_start + 1);
}

}  // namespace

FailureLog FailureLog::OfUser() {
  const auto folder = LocalAppData();
  return FailureLog(folder.empty() ? std::wstring() : folder + L"\\Tessaly\\tessaly.log");
}

bool FailureLog::Append(std::string_view line) const noexcept {
  if (path_.empty()) return false;
  try {
    const fs::path file(path_);
    std::error_code error;
    fs::create_directories(file.parent_path(), error);
    const auto size = fs::file_size(file, error);
    const bool cut = !error && size + line.size() + 2 > bound_;
    std::string kept;
    if (cut) {
      std::ifstream old(file, std::ios::binary);
      kept = NewerHalf(std::string(std::istreambuf_iterator<char>(old), {}));
    }
    std::ofstream out(file, std::ios::binary | (cut ? std::ios::trunc : std::ios::app));
    out << kept << line << "\r\n";
    return static_cast<bool>(out.flush());
  } catch (...) {
    return false;
  }
}

std::string FailureLine(const std::source_location& where, std::string_view what) {
  SYSTEMTIME now{};
  GetLocalTime(&now);
  char stamp[32] = {};
  std::snprintf(stamp, sizeof stamp, "%04u-%02u-%02u %02u:%02u:%02u ", now.wYear, now.wMonth,
                now.wDay, now.wHour, now.wMinute, now.wSecond);
  const std::string_view file = where.file_name();
  const auto slash = file.find_last_of("/\\");
  std::string line = stamp;
  line += where.function_name();
  line += " (";
  line += file.substr(slash == std::string_view::npos ? 0 : slash + 1);
  line += ":" + std::to_string(where.line()) + "): ";
  for (const char c : what)
    line += c == '\r' || c == '\n' ? ' ' : c;
  return line;
}

void ReportFailure(const std::source_location& where, const char* what) noexcept {
  try {
    const auto line = FailureLine(where, what ? what : "");
    OutputDebugStringW((L"Tessaly: " + WideCopy(text::FromUtf8(line)) + L"\n").c_str());
    FailureLog::OfUser().Append(line);
  } catch (...) {
  }
}

}  // namespace tessaly::win32
