#include <windows.h>

#include <filesystem>

#include "cli/bounded_read.h"
#include "cli/native_path.h"
#include "win32/system_message.h"

namespace tessaly::cli {

using language::MessageId;

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

// Why the system refused a file, in the words the command line uses on every system: the
// reasons a Linux user reads for the failures both systems share, the system's own text, in
// the user's language already, for the others.
FileError SystemRefusal(const std::string& shown, DWORD error, const std::filesystem::path& path) {
  switch (error) {
    case ERROR_FILE_NOT_FOUND:
    case ERROR_PATH_NOT_FOUND:
    case ERROR_DIRECTORY:
    case ERROR_INVALID_NAME:
      return FileError(
          shown, AFileStandsForAFolder(path) ? MessageId::kNotADirectory : MessageId::kNoSuchFile);
    case ERROR_ACCESS_DENIED:
      return FileError(shown, MessageId::kPermissionDenied);
    case ERROR_SHARING_VIOLATION:
    case ERROR_LOCK_VIOLATION:
      return FileError(shown, MessageId::kFileInUse);
    default:
      return FileError(shown, MessageId::kSystemReason, {win32::SystemMessage(error)});
  }
}

// A handle closed when it goes out of scope. Others may go on reading, writing or renaming
// the file while it is read, as on Linux; a program that holds it without sharing keeps us out.
class OpenFile {
 public:
  explicit OpenFile(const std::string& path) {
    const auto native = NativePath(path);
    const DWORD attributes = GetFileAttributesW(native.c_str());
    if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY)) {
      throw FileError(path, MessageId::kIsADirectory);
    }
    handle_ = CreateFileW(native.c_str(), GENERIC_READ,
                          FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                          OPEN_EXISTING, FILE_FLAG_SEQUENTIAL_SCAN, nullptr);
    if (handle_ == INVALID_HANDLE_VALUE) {
      throw SystemRefusal(path, GetLastError(), native);
    }
  }
  ~OpenFile() { CloseHandle(handle_); }
  OpenFile(const OpenFile&) = delete;
  OpenFile& operator=(const OpenFile&) = delete;

  HANDLE Handle() const { return handle_; }

 private:
  HANDLE handle_ = INVALID_HANDLE_VALUE;
};

}  // namespace

void CheckOpenable(const std::string& path) {
  OpenFile{path};
}

std::string ReadFileBounded(const std::string& path) {
  const OpenFile file(path);
  LARGE_INTEGER size{};
  const bool on_disk =
      GetFileType(file.Handle()) == FILE_TYPE_DISK && GetFileSizeEx(file.Handle(), &size);
  const auto expected = on_disk ? static_cast<std::size_t>(size.QuadPart) : 0;
  return ReadChunks(expected, path, [&](char* at, std::size_t room) {
    DWORD got = 0;
    const auto asked = static_cast<DWORD>(std::min<std::size_t>(room, 1u << 30));
    if (!ReadFile(file.Handle(), at, asked, &got, nullptr)) {
      const DWORD error = GetLastError();
      // The writer of a pipe closing it is the end of the input.
      if (error == ERROR_BROKEN_PIPE) return std::size_t{0};
      throw SystemRefusal(path, error, NativePath(path));
    }
    return static_cast<std::size_t>(got);
  });
}

}  // namespace tessaly::cli
