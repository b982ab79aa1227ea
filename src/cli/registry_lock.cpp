#include "cli/registry_lock.h"

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

#include "cli/file_error.h"

namespace tessaly::cli {

RegistryLock::RegistryLock(const std::filesystem::path& registry_file) {
  std::error_code error;
  std::filesystem::path folder =
      std::filesystem::weakly_canonical(std::filesystem::absolute(registry_file, error), error)
          .parent_path();
  if (error || !std::filesystem::is_directory(folder, error)) return;
  descriptor_ = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (descriptor_ < 0) {
    throw FileError("cannot lock " + registry_file.string() + ": " + std::strerror(errno));
  }
  while (::flock(descriptor_, LOCK_EX) != 0) {
    if (errno == EINTR) continue;
    const int failure = errno;
    ::close(descriptor_);
    throw FileError("cannot lock " + registry_file.string() + ": " + std::strerror(failure));
  }
}

RegistryLock::~RegistryLock() {
  // Closing the folder lets the lock go.
  if (descriptor_ >= 0) ::close(descriptor_);
}

}  // namespace tessaly::cli
