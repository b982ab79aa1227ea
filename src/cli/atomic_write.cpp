#include "cli/atomic_write.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <string>

#include "cli/file_error.h"

namespace tessaly::cli {

namespace {

[[noreturn]] void Fail(const std::filesystem::path& path, const std::string& reason) {
  throw FileError("cannot write " + path.string() + ": " + reason);
}

[[noreturn]] void Fail(const std::filesystem::path& path, const std::string& step, int error) {
  Fail(path, step + ": " + std::strerror(error));
}

// Owns the temporary file until it has been renamed into place.
class TemporaryFile {
 public:
  explicit TemporaryFile(const std::filesystem::path& target) : target_(target) {
    // O_EXCL makes the name ours; a name left over by another process is skipped.
    for (int attempt = 0; attempt < 100 && descriptor_ < 0; ++attempt) {
      path_ = target;
      path_.replace_filename("." + target.filename().string() + ".tessaly-" +
                             std::to_string(::getpid()) + "-" + std::to_string(attempt));
      // 0666 less the umask: what a newly created file would get.
      descriptor_ = ::open(path_.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
      if (descriptor_ < 0 && errno != EEXIST)
        Fail(target_, "cannot create a temporary file", errno);
    }
    if (descriptor_ < 0) Fail(target_, "cannot create a temporary file", EEXIST);
  }
  ~TemporaryFile() {
    if (descriptor_ >= 0) ::close(descriptor_);
    if (!renamed_) ::unlink(path_.c_str());
  }
  TemporaryFile(const TemporaryFile&) = delete;
  TemporaryFile& operator=(const TemporaryFile&) = delete;

  void Write(std::string_view bytes) {
    while (!bytes.empty()) {
      const ssize_t written = ::write(descriptor_, bytes.data(), bytes.size());
      if (written < 0 && errno == EINTR) continue;
      if (written < 0) Fail(target_, "write failed", errno);
      bytes.remove_prefix(static_cast<std::size_t>(written));
    }
  }

  void TakePermissionsOf(const struct stat& existing) {
    // Keeping the owner needs privileges a user formatting a shared file may lack; the file is
    // then theirs, as with any editor that saves by renaming. The permission bits are kept.
    if (existing.st_uid != ::geteuid() || existing.st_gid != ::getegid()) {
      if (::fchown(descriptor_, existing.st_uid, existing.st_gid) != 0) {
        [[maybe_unused]] const int ignored = ::fchown(descriptor_, -1, existing.st_gid);
      }
    }
    if (::fchmod(descriptor_, existing.st_mode & 07777) != 0) {
      Fail(target_, "cannot set permissions", errno);
    }
  }

  void ReplaceTarget() {
    if (::fsync(descriptor_) != 0) Fail(target_, "cannot flush to disk", errno);
    const int descriptor = descriptor_;
    descriptor_ = -1;
    if (::close(descriptor) != 0) Fail(target_, "cannot close the temporary file", errno);
    if (::rename(path_.c_str(), target_.c_str()) != 0) Fail(target_, "cannot replace it", errno);
    renamed_ = true;
  }

 private:
  std::filesystem::path target_;
  std::filesystem::path path_;
  int descriptor_ = -1;
  bool renamed_ = false;
};

}  // namespace

void WriteFileAtomically(const std::filesystem::path& path, std::string_view bytes) {
  std::filesystem::path target = path;
  std::error_code error;
  if (std::filesystem::is_symlink(path, error)) {
    target = std::filesystem::canonical(path, error);
    if (error) Fail(path, "cannot follow the symbolic link", error.value());
  }
  struct stat existing {};
  const bool exists = ::stat(target.c_str(), &existing) == 0;
  if (!exists && errno != ENOENT) Fail(target, "cannot read its permissions", errno);
  if (exists && !S_ISREG(existing.st_mode)) Fail(target, "not a regular file");
  // Renaming would replace a read-only file too; source control marks files that are not
  // checked out read-only, and that lock must hold.
  if (exists && ((existing.st_mode & 0222) == 0 || ::access(target.c_str(), W_OK) != 0)) {
    Fail(target, "the file is read-only");
  }

  TemporaryFile temporary(target);
  temporary.Write(bytes);
  if (exists) temporary.TakePermissionsOf(existing);
  temporary.ReplaceTarget();
}

}  // namespace tessaly::cli
