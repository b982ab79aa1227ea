#include <windows.h>

#include <string_view>

#include "cli/native_path.h"
#include "text/utf.h"
#include "win32/long_path.h"
#include "win32/wide_text.h"

namespace tessaly::cli {

namespace {

// Windows still stops many calls at MAX_PATH unless the path is absolute, normalised and marked
// with \\?\; a shorter path stays as it was given, so messages name it as the user wrote it.
std::wstring LongForm(const std::wstring& path) {
  if (path.size() < MAX_PATH - 12 || path.starts_with(win32::kLongPathPrefix)) return path;
  const DWORD needed = GetFullPathNameW(path.c_str(), 0, nullptr, nullptr);
  if (needed == 0) return path;
  std::wstring full(needed, L'\0');
  const DWORD written = GetFullPathNameW(path.c_str(), needed, full.data(), nullptr);
  if (written == 0 || written >= needed) return path;
  full.resize(written);
  if (full.starts_with(L"\\\\")) return std::wstring(win32::kLongUncPathPrefix) + full.substr(2);
  return std::wstring(win32::kLongPathPrefix) + full;
}

}  // namespace

std::filesystem::path NativePath(const std::string& utf8) {
  return LongForm(win32::WideCopy(text::FromUtf8(utf8)));
}

std::string PathText(const std::filesystem::path& path) {
  return win32::ShownPath(path);
}

}  // namespace tessaly::cli
