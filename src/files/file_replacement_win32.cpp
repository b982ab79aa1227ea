// The Windows variant, for tessaly.exe's modules and registry file and for the simulated OS's
// registry file when the core's tests run under Wine: the same staging, with the system's
// exclusive create, and ReplaceFileW, which keeps the replaced file's attributes, security and
// creation time. Every call gets the absolute path: the system's ReplaceFileW, on Wine at
// least, takes the folder of a bare name for an invalid one ("Module1.bas" failed with
// ERROR_DIRECTORY), and a folder that a relative path resolved against could change under a
// long run.

#include "win32/windows_headers.h"

#include <random>
#include <utility>

#include "files/file_replacement.h"
#include "win32/long_path.h"
#include "win32/system_message.h"
#include "win32/unique_handle.h"

namespace tessaly::files {

namespace {

using language::MessageId;

// The reasons in the words the Linux face uses, where the two systems agree; the system's own
// text, in the user's language already, for the others.
language::MessageArgument Reason(DWORD error) {
  switch (error) {
    case ERROR_FILE_NOT_FOUND:
    case ERROR_PATH_NOT_FOUND:
      return MessageId::kNoSuchFile;
    case ERROR_ACCESS_DENIED:
      return MessageId::kPermissionDenied;
    case ERROR_SHARING_VIOLATION:
    case ERROR_LOCK_VIOLATION:
    case ERROR_USER_MAPPED_FILE:
      return MessageId::kFileInUse;
    case ERROR_DISK_FULL:
    case ERROR_HANDLE_DISK_FULL:
      return MessageId::kNoSpace;
    default:
      return win32::SystemMessage(error);
  }
}

[[noreturn]] void Fail(const std::string& shown, language::MessageArgument reason) {
  throw FileReplacementError({MessageId::kCannotWriteBecause, {shown, std::move(reason)}, {}});
}

[[noreturn]] void Fail(const std::string& shown, MessageId step, DWORD error) {
  throw FileReplacementError({MessageId::kCannotWriteAtStep, {shown, step, Reason(error)}, {}});
}

// A symbolic link or junction is followed, so that the link stays and its target changes.
std::filesystem::path FollowLinks(const std::filesystem::path& path) {
  const DWORD attributes = GetFileAttributesW(path.c_str());
  if (attributes == INVALID_FILE_ATTRIBUTES || !(attributes & FILE_ATTRIBUTE_REPARSE_POINT)) {
    return path;
  }
  HANDLE file = CreateFileW(path.c_str(), FILE_READ_ATTRIBUTES,
                            FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                            OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
  if (file == INVALID_HANDLE_VALUE) {
    const DWORD error = GetLastError();
    Fail(win32::ShownPath(path), MessageId::kStepFollowLink, error);
  }
  const win32::UniqueFile link(file);
  std::wstring target(32768, L'\0');
  const DWORD length =
      GetFinalPathNameByHandleW(file, target.data(), static_cast<DWORD>(target.size()), 0);
  if (length == 0 || length >= target.size()) {
    const DWORD error = GetLastError();
    Fail(win32::ShownPath(path), MessageId::kStepFollowLink, error);
  }
  target.resize(length);
  return target;
}

// Whether another program holds the file open without letting it be replaced; asked before
// anything is staged, so that a run over many files rewrites none of them.
void RefuseWhenHeldOpen(const std::filesystem::path& target, const std::string& shown) {
  HANDLE file = CreateFileW(target.c_str(), DELETE | FILE_READ_ATTRIBUTES,
                            FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                            OPEN_EXISTING, 0, nullptr);
  if (file == INVALID_HANDLE_VALUE) {
    const DWORD error = GetLastError();
    Fail(shown, Reason(error));
  }
  const win32::UniqueFile closed_at_once(file);
}

bool WriteAll(HANDLE file, std::string_view bytes) {
  while (!bytes.empty()) {
    DWORD written = 0;
    const auto count = static_cast<DWORD>(std::min<std::size_t>(bytes.size(), 1u << 20));
    if (!WriteFile(file, bytes.data(), count, &written, nullptr) || written == 0) return false;
    bytes.remove_prefix(written);
  }
  return true;
}

}  // namespace

FileReplacement::FileReplacement(const std::filesystem::path& path, std::string_view bytes)
    : target_(FollowLinks(path)), shown_(win32::ShownPath(target_)) {
  target_ = win32::LongFullPath(target_.native());
  const DWORD attributes = GetFileAttributesW(target_.c_str());
  const bool exists = attributes != INVALID_FILE_ATTRIBUTES;
  if (const DWORD error = GetLastError();
      !exists && error != ERROR_FILE_NOT_FOUND && error != ERROR_PATH_NOT_FOUND) {
    Fail(shown_, MessageId::kStepReadAttributes, error);
  }
  if (exists && (attributes & FILE_ATTRIBUTE_DIRECTORY)) Fail(shown_, MessageId::kNotARegularFile);
  if (exists && (attributes & FILE_ATTRIBUTE_READONLY)) Fail(shown_, MessageId::kReadOnly);
  if (exists) RefuseWhenHeldOpen(target_, shown_);

  std::random_device entropy;
  HANDLE file = INVALID_HANDLE_VALUE;
  DWORD error = ERROR_FILE_EXISTS;
  for (int attempt = 0; attempt < 100 && file == INVALID_HANDLE_VALUE; ++attempt) {
    wchar_t name[32];
    swprintf(name, 32, L".tessaly-%08x.tmp", static_cast<unsigned>(entropy()));
    temporary_ = target_;
    temporary_.replace_filename(name);
    file = CreateFileW(temporary_.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                       FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
      error = GetLastError();
      if (error != ERROR_FILE_EXISTS && error != ERROR_ALREADY_EXISTS) break;
    }
  }
  if (file == INVALID_HANDLE_VALUE) Fail(shown_, MessageId::kStepCreateTemporary, error);
  pending_ = true;
  bool written = false;
  {
    const win32::UniqueFile staged(file);
    written = WriteAll(file, bytes) && FlushFileBuffers(file);
    error = GetLastError();
  }
  // The attributes a user sees in Explorer go with the contents; ReplaceFileW keeps them where
  // the system implements it fully, and this keeps them where it does not.
  constexpr DWORD kKept = FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM | FILE_ATTRIBUTE_ARCHIVE |
                          FILE_ATTRIBUTE_NOT_CONTENT_INDEXED;
  if (written && exists && (attributes & kKept)) {
    SetFileAttributesW(temporary_.c_str(), attributes & kKept);
  }
  if (!written) {
    DeleteFileW(temporary_.c_str());
    pending_ = false;
    Fail(shown_, MessageId::kStepWrite, error);
  }
}

FileReplacement::~FileReplacement() {
  if (pending_) DeleteFileW(temporary_.c_str());
}

FileReplacement::FileReplacement(FileReplacement&& other) noexcept
    : target_(std::move(other.target_)),
      shown_(std::move(other.shown_)),
      temporary_(std::move(other.temporary_)),
      pending_(std::exchange(other.pending_, false)) {}

void FileReplacement::Commit() {
  if (!pending_) return;
  const bool exists = GetFileAttributesW(target_.c_str()) != INVALID_FILE_ATTRIBUTES;
  // Wine's ReplaceFileW copies the target's path into buffers of MAX_PATH characters to move the
  // file out of the way: on a longer path it fails, or overruns them and brings the program
  // down. There the staged file is renamed over the target instead, which replaces it at once
  // too; the attributes went with the contents above, what is lost is the file's creation time
  // and any security it had apart from its folder's.
  const bool replaceable = exists && target_.native().size() < MAX_PATH;
  const bool replaced =
      replaceable ? ReplaceFileW(target_.c_str(), temporary_.c_str(), nullptr,
                                 REPLACEFILE_IGNORE_MERGE_ERRORS, nullptr, nullptr)
                  : MoveFileExW(temporary_.c_str(), target_.c_str(),
                                (exists ? MOVEFILE_REPLACE_EXISTING : 0) | MOVEFILE_WRITE_THROUGH);
  if (!replaced) {
    const DWORD error = GetLastError();
    Fail(shown_, MessageId::kStepReplace, error);
  }
  pending_ = false;
}

}  // namespace tessaly::files
