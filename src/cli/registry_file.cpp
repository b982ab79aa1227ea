#include "cli/registry_file.h"

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>

#include "cli/command_line.h"
#include "cli/file_error.h"

namespace tessaly::cli {

using language::MessageId;

std::filesystem::path UserConfigFolder() {
  if (const char* config = std::getenv("XDG_CONFIG_HOME"); config && *config) {
    return std::filesystem::path(config) / "tessaly";
  }
  if (const char* home = std::getenv("HOME"); home && *home) {
    return std::filesystem::path(home) / ".config" / "tessaly";
  }
  throw UsageError(MessageId::kNoConfigFolder);
}

std::filesystem::path RegistryFile(const Arguments& arguments) {
  if (const auto file = arguments.Value("--registry")) return *file;
  try {
    return UserConfigFolder() / "registry.reg";
  } catch (const UsageError&) {
    throw UsageError(MessageId::kNoConfigFolderForRegistry);
  }
}

void PrepareRegistryFolder(const std::filesystem::path& file) {
  if (file.parent_path().empty()) return;
  std::error_code error;
  std::filesystem::create_directories(file.parent_path(), error);
  if (error) {
    throw FileError(file.parent_path().string(), MessageId::kSystemReason, {error.message()});
  }
}

std::unique_ptr<host::SettingsStore> AddInSettingsStore(std::string&) {
  return nullptr;
}

RegistryLock::RegistryLock(const std::filesystem::path& registry_file) {
  const auto folder = RegistryLockFolder(registry_file);
  if (!folder) return;
  const int descriptor = ::open(folder->c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (descriptor < 0) {
    throw FileError({MessageId::kCannotLockBecause,
                     {registry_file.string(), std::string(std::strerror(errno))},
                     {}});
  }
  while (::flock(descriptor, LOCK_EX) != 0) {
    if (errno == EINTR) continue;
    const int failure = errno;
    ::close(descriptor);
    throw FileError({MessageId::kCannotLockBecause,
                     {registry_file.string(), std::string(std::strerror(failure))},
                     {}});
  }
  lock_ = descriptor;
}

RegistryLock::~RegistryLock() {
  // Closing the folder lets the lock go.
  if (lock_ >= 0) ::close(static_cast<int>(lock_));
}

}  // namespace tessaly::cli
