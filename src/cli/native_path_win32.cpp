#include <windows.h>

#include <string_view>

#include "cli/native_path.h"
#include "text/utf.h"

namespace tessaly::cli {

namespace {

constexpr std::wstring_view kLongPrefix = L"\\\\?\\";
constexpr std::wstring_view kLongUncPrefix = L"\\\\?\\UNC\\";

std::wstring Wide(std::string_view utf8) {
  const std::u16string text = text::FromUtf8(utf8);
  return std::wstring(text.begin(), text.end());
}

// Windows still stops many calls at MAX_PATH unless the path is absolute, normalised and marked
// with \\?\; a shorter path stays as it was given, so messages name it as the user wrote it.
std::wstring LongForm(const std::wstring& path) {
  if (path.size() < MAX_PATH - 12 || path.starts_with(kLongPrefix)) return path;
  const DWORD needed = GetFullPathNameW(path.c_str(), 0, nullptr, nullptr);
  if (needed == 0) return path;
  std::wstring full(needed, L'\0');
  const DWORD written = GetFullPathNameW(path.c_str(), needed, full.data(), nullptr);
  if (written == 0 || written >= needed) return path;
  full.resize(written);
  if (full.starts_with(L"\\\\")) return std::wstring(kLongUncPrefix) + full.substr(2);
  return std::wstring(kLongPrefix) + full;
}

}  // namespace

std::filesystem::path NativePath(const std::string& utf8) {
  return LongForm(Wide(utf8));
}

std::string PathText(const std::filesystem::path& path) {
  std::wstring_view wide = path.native();
  if (wide.starts_with(kLongUncPrefix)) {
    return "\\\\" + PathText(std::wstring(wide.substr(kLongUncPrefix.size())));
  }
  if (wide.starts_with(kLongPrefix)) wide.remove_prefix(kLongPrefix.size());
  return text::ToUtf8(std::u16string(wide.begin(), wide.end()));
}

}  // namespace tessaly::cli
