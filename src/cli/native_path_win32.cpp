#include <windows.h>

#include <string_view>

#include "cli/native_path.h"
#include "text/utf.h"
#include "win32/long_path.h"
#include "win32/wide_text.h"

namespace tessaly::cli {

std::filesystem::path NativePath(const std::string& utf8) {
  std::wstring path = win32::WideCopy(text::FromUtf8(utf8));
  // Windows still stops many calls at MAX_PATH unless the path is in the \\?\ form; a shorter
  // path stays as it was given, so messages name it as the user wrote it.
  if (path.size() < MAX_PATH - 12) return path;
  return win32::LongFullPath(path);
}

std::string PathText(const std::filesystem::path& path) {
  return win32::ShownPath(path);
}

}  // namespace tessaly::cli
