#include "files/file_replacement.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <random>

namespace tessaly::files {

namespace {

using language::MessageId;

[[noreturn]] void Fail(const std::string& shown, MessageId reason) {
  throw FileReplacementError({MessageId::kCannotWriteBecause, {shown, reason}, {}});
}

// The reasons every system gives in the user's language, the system's own text for the others.
language::MessageArgument Reason(int error) {
  switch (error) {
    case ENOENT:
      return MessageId::kNoSuchFile;
    case EACCES:
      return MessageId::kPermissionDenied;
    case ENOSPC:
      return MessageId::kNoSpace;
    default:
      return std::string(std::strerror(error));
  }
}

[[noreturn]] void Fail(const std::string& shown, MessageId step, int error) {
  throw FileReplacementError({MessageId::kCannotWriteAtStep, {shown, step, Reason(error)}, {}});
}

// The file a write lands in: a symbolic link's target, so that the link stays a link.
std::filesystem::path FollowLinks(const std::filesystem::path& path) {
  std::error_code error;
  if (!std::filesystem::is_symlink(path, error)) return path;
  auto target = std::filesystem::canonical(path, error);
  if (error) Fail(path.string(), MessageId::kStepFollowSymbolicLink, error.value());
  return target;
}

// Opens a temporary file next to `target` that no one else has: a short random name, created
// exclusively, so its length does not grow with the target's and nothing already there is
// ever opened.
int CreateTemporaryNextTo(const std::filesystem::path& target, std::filesystem::path& temporary) {
  std::random_device entropy;
  for (int attempt = 0; attempt < 100; ++attempt) {
    char name[32];
    std::snprintf(name, sizeof name, ".tessaly-%08x.tmp", static_cast<unsigned>(entropy()));
    temporary = target;
    temporary.replace_filename(name);
    // 0666 less the umask: what a newly created file would get.
    const int descriptor =
        ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0666);
    if (descriptor >= 0) return descriptor;
    if (errno != EEXIST) Fail(target.string(), MessageId::kStepCreateTemporary, errno);
  }
  Fail(target.string(), MessageId::kStepCreateTemporary, EEXIST);
}

void WriteAll(int descriptor, std::string_view bytes, const std::string& shown) {
  while (!bytes.empty()) {
    const ssize_t written = ::write(descriptor, bytes.data(), bytes.size());
    if (written < 0 && errno == EINTR) continue;
    if (written < 0) Fail(shown, MessageId::kStepWrite, errno);
    bytes.remove_prefix(static_cast<std::size_t>(written));
  }
}

void TakePermissionsOf(int descriptor, const struct stat& existing, const std::string& shown) {
  // Keeping the owner needs privileges a user editing a shared file may lack; the file is then
  // theirs, as with any editor that saves by renaming. The permission bits are kept.
  if (existing.st_uid != ::geteuid() || existing.st_gid != ::getegid()) {
    if (::fchown(descriptor, existing.st_uid, existing.st_gid) != 0) {
      [[maybe_unused]] const int ignored = ::fchown(descriptor, -1, existing.st_gid);
    }
  }
  if (::fchmod(descriptor, existing.st_mode & 07777) != 0) {
    Fail(shown, MessageId::kStepSetPermissions, errno);
  }
}

}  // namespace

FileReplacement::FileReplacement(const std::filesystem::path& path, std::string_view bytes)
    : target_(FollowLinks(path)), shown_(target_.string()) {
  struct stat existing {};
  const bool exists = ::stat(target_.c_str(), &existing) == 0;
  if (!exists && errno != ENOENT) Fail(shown_, MessageId::kStepReadPermissions, errno);
  if (exists && !S_ISREG(existing.st_mode)) Fail(shown_, MessageId::kNotARegularFile);
  if (exists && ((existing.st_mode & 0222) == 0 || ::access(target_.c_str(), W_OK) != 0)) {
    Fail(shown_, MessageId::kReadOnly);
  }

  const int descriptor = CreateTemporaryNextTo(target_, temporary_);
  pending_ = true;
  try {
    WriteAll(descriptor, bytes, shown_);
    if (exists) TakePermissionsOf(descriptor, existing, shown_);
    if (::fsync(descriptor) != 0) Fail(shown_, MessageId::kStepFlush, errno);
  } catch (...) {
    ::close(descriptor);
    ::unlink(temporary_.c_str());
    throw;
  }
  if (::close(descriptor) != 0) {
    const int error = errno;
    ::unlink(temporary_.c_str());
    Fail(shown_, MessageId::kStepCloseTemporary, error);
  }
}

FileReplacement::~FileReplacement() {
  if (pending_) ::unlink(temporary_.c_str());
}

FileReplacement::FileReplacement(FileReplacement&& other) noexcept
    : target_(std::move(other.target_)),
      shown_(std::move(other.shown_)),
      temporary_(std::move(other.temporary_)),
      pending_(other.pending_) {
  other.pending_ = false;
}

void FileReplacement::Commit() {
  if (!pending_) return;
  if (::rename(temporary_.c_str(), target_.c_str()) != 0)
    Fail(shown_, MessageId::kStepReplace, errno);
  pending_ = false;
}

}  // namespace tessaly::files
