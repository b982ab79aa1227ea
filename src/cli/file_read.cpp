#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <filesystem>

#include "cli/bounded_read.h"

namespace tessaly::cli {

using language::MessageId;

namespace {

// Why the system refused a file: the reasons every system shares in the user's language, the
// system's own text for the others.
FileError SystemRefusal(const std::string& path, int error) {
  switch (error) {
    case ENOENT:
      return FileError(path, MessageId::kNoSuchFile);
    case ENOTDIR:
      return FileError(path, MessageId::kNotADirectory);
    case EACCES:
      return FileError(path, MessageId::kPermissionDenied);
    default:
      return FileError(path, MessageId::kSystemReason, {std::string(std::strerror(error))});
  }
}

// A descriptor closed when it goes out of scope.
class OpenFile {
 public:
  explicit OpenFile(const std::string& path) {
    std::error_code error;
    if (std::filesystem::is_directory(path, error)) {
      throw FileError(path, MessageId::kIsADirectory);
    }
    descriptor_ = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (descriptor_ < 0) throw SystemRefusal(path, errno);
  }
  ~OpenFile() { ::close(descriptor_); }
  OpenFile(const OpenFile&) = delete;
  OpenFile& operator=(const OpenFile&) = delete;

  int Descriptor() const { return descriptor_; }

 private:
  int descriptor_ = -1;
};

}  // namespace

void CheckOpenable(const std::string& path) {
  OpenFile{path};
}

std::string ReadFileBounded(const std::string& path) {
  const OpenFile file(path);
  struct stat status {};
  const bool regular = ::fstat(file.Descriptor(), &status) == 0 && S_ISREG(status.st_mode);
  const auto expected = regular ? static_cast<std::size_t>(status.st_size) : 0;
  return ReadChunks(expected, path, [&](char* at, std::size_t room) {
    for (;;) {
      const ssize_t got = ::read(file.Descriptor(), at, room);
      if (got >= 0) return static_cast<std::size_t>(got);
      if (errno != EINTR) throw SystemRefusal(path, errno);
    }
  });
}

}  // namespace tessaly::cli
