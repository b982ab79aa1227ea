#pragma once

#include <filesystem>

namespace tessaly::cli {

// Holds the registry file for one run's read-modify-write, so that two runs changing switches
// at once both keep their change: the second reads what the first wrote. The lock is taken on
// the folder that holds the file (a link's target), since the file itself is replaced, not
// rewritten, and may not exist yet; a run waits for the lock. No folder, no file to guard.
// Throws FileError when the folder cannot be locked.
class RegistryLock {
 public:
  explicit RegistryLock(const std::filesystem::path& registry_file);
  ~RegistryLock();
  RegistryLock(const RegistryLock&) = delete;
  RegistryLock& operator=(const RegistryLock&) = delete;

 private:
  int descriptor_ = -1;
};

}  // namespace tessaly::cli
