#pragma once

// Paths beyond MAX_PATH travel in the \\?\ form (\\?\UNC\ for a share); a user who gave the
// path knows it without that prefix, so messages show it as written.

#include <filesystem>
#include <string>
#include <string_view>

#include "text/utf.h"
#include "win32/wide_text.h"

namespace tessaly::win32 {

inline constexpr std::wstring_view kLongPathPrefix = L"\\\\?\\";
inline constexpr std::wstring_view kLongUncPathPrefix = L"\\\\?\\UNC\\";

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
