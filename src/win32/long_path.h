#pragma once

// Paths beyond MAX_PATH travel in the \\?\ form (\\?\UNC\ for a share); a user who gave the
// path knows it without that prefix, so messages show it as written.

#include "win32/windows_headers.h"

#include <filesystem>
#include <string>
#include <string_view>

#include "text/utf.h"
#include "win32/wide_text.h"

namespace tessaly::win32 {

inline constexpr std::wstring_view kLongPathPrefix = L"\\\\?\\";
inline constexpr std::wstring_view kLongUncPathPrefix = L"\\\\?\\UNC\\";

// The path made absolute in the \\?\ form, so that no call stops at MAX_PATH and none
// resolves it against anything but the current folder: a bare name, .\ and ..\, forward
// slashes and a drive's own current folder ("Z:name") are resolved here once. A path already
// in that form, a device's (\\.\) and one the system cannot resolve are answered as given.
inline std::wstring LongFullPath(const std::wstring& path) {
  if (path.starts_with(kLongPathPrefix) || path.starts_with(L"\\\\.\\")) return path;
  const DWORD needed = GetFullPathNameW(path.c_str(), 0, nullptr, nullptr);
  if (needed == 0) return path;
  std::wstring full(needed, L'\0');
  const DWORD written = GetFullPathNameW(path.c_str(), needed, full.data(), nullptr);
  if (written == 0 || written >= needed) return path;
  full.resize(written);
  if (full.starts_with(L"\\\\.\\") || full.starts_with(kLongPathPrefix)) return full;
  if (full.starts_with(L"\\\\")) return std::wstring(kLongUncPathPrefix) + full.substr(2);
  return std::wstring(kLongPathPrefix) + full;
}

// The path as the user knows it, in UTF-8.
inline std::string ShownPath(const std::filesystem::path& path) {
  std::wstring_view wide = path.native();
  if (wide.starts_with(kLongUncPathPrefix)) {
    return "\\\\" + ShownPath(std::wstring(wide.substr(kLongUncPathPrefix.size())));
  }
  if (wide.starts_with(kLongPathPrefix)) wide.remove_prefix(kLongPathPrefix.size());
  return text::ToUtf8(FromWide(wide));
}

}  // namespace tessaly::win32
