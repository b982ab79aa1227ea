#pragma once

// Where the command line keeps the add-in's registry: the simulated OS's registry as a .reg
// file, and on Windows also the user's real one.

#include <filesystem>
#include <memory>
#include <optional>
#include <string>

#include "cli/arguments.h"
#include "host/settings_store.h"

namespace tessaly::cli {

// The folder where the command line keeps the user's own files, the registry file and the
// snippets: $XDG_CONFIG_HOME/tessaly (~/.config/tessaly) on Linux, %APPDATA%\tessaly on
// Windows. Throws UsageError when no home is known.
std::filesystem::path UserConfigFolder();

// The simulated OS's registry file: --registry FILE, else the user's own file where other
// tools keep their settings: $XDG_CONFIG_HOME/tessaly/registry.reg
// (~/.config/tessaly/registry.reg) on Linux, %APPDATA%\tessaly\registry.reg on Windows.
// Throws UsageError when neither a file nor a home is known.
std::filesystem::path RegistryFile(const Arguments& arguments);

// Makes the file's folder, so that the first setting stored can be written.
void PrepareRegistryFolder(const std::filesystem::path& file);

// The add-in's own settings store in the user's real registry, where the add-in in the editors
// reads its switches; `name` is set to where it keeps them, for messages. None where the
// system has no such registry (Linux): there the user's registry file stands for it.
std::unique_ptr<host::SettingsStore> AddInSettingsStore(std::string& name);

// The folder whose lock guards `registry_file`: the one that holds the file, or the file a
// link names. None where that folder does not exist.
std::optional<std::filesystem::path> RegistryLockFolder(const std::filesystem::path& registry_file);

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
  // A descriptor of the folder on Linux, a mutex's handle on Windows.
  std::intptr_t lock_ = -1;
};

}  // namespace tessaly::cli
