#include <windows.h>

#include "cli/system_reason.h"
#include "text/utf.h"

namespace tessaly::cli {

namespace {

// Linux says "Not a directory" where a file stands in the path's folders; Windows only says
// the path was not found.
bool AFileStandsForAFolder(const std::filesystem::path& path) {
  for (auto folder = path.parent_path(); !folder.empty() && folder != folder.parent_path();
       folder = folder.parent_path()) {
    const DWORD attributes = GetFileAttributesW(folder.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES) continue;
    return (attributes & FILE_ATTRIBUTE_DIRECTORY) == 0;
  }
  return false;
}

std::string SystemText(DWORD error) {
  wchar_t* text = nullptr;
  const DWORD flags =
      FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS;
  DWORD length = FormatMessageW(flags, nullptr, error, MAKELANGID(LANG_ENGLISH, SUBLANG_ENGLISH_US),
                                reinterpret_cast<wchar_t*>(&text), 0, nullptr);
  if (length == 0) {
    length =
        FormatMessageW(flags, nullptr, error, 0, reinterpret_cast<wchar_t*>(&text), 0, nullptr);
  }
  if (length == 0) return "system error " + std::to_string(error);
  std::u16string message(text, text + length);
  LocalFree(text);
  while (!message.empty() && (message.back() == u'\n' || message.back() == u'\r' ||
                              message.back() == u'.' || message.back() == u' ')) {
    message.pop_back();
  }
  return text::ToUtf8(message);
}

}  // namespace

std::string SystemReason(std::uint32_t error, const std::filesystem::path& path) {
  switch (error) {
    case ERROR_FILE_NOT_FOUND:
    case ERROR_PATH_NOT_FOUND:
    case ERROR_DIRECTORY:
    case ERROR_INVALID_NAME:
      return AFileStandsForAFolder(path) ? "Not a directory" : "No such file or directory";
    case ERROR_ACCESS_DENIED:
      return "Permission denied";
    case ERROR_SHARING_VIOLATION:
    case ERROR_LOCK_VIOLATION:
      return "the file is in use by another program";
    default:
      return SystemText(error);
  }
}

}  // namespace tessaly::cli
