#pragma once

// The user's files on the real disk, as the tests and the command line lay them out, with the
// folder a user's configuration lives in set by whoever runs the simulation. A test marks a
// folder unreadable (as the system's permissions would, which a test run as root ignores).

#include <filesystem>
#include <set>

#include "host/file_system.h"

namespace tessaly::sim {

class SimFileSystem : public host::FileSystem {
 public:
  std::vector<host::FolderEntry> ListFolder(const std::u16string& path) override;
  std::string ReadFile(const std::u16string& path, std::size_t limit) override;
  void CreateFolders(const std::u16string& path) override;
  std::u16string Join(const std::u16string& folder, const std::u16string& name) override;
  std::u16string FolderOf(const std::u16string& path) override;
  std::u16string UserConfigFolder() override { return user_config_folder_; }

  // ---- for tests and the command line ----
  void SetUserConfigFolder(const std::u16string& folder) { user_config_folder_ = folder; }
  void RefuseFolder(const std::u16string& path) { refused_.insert(path); }

 private:
  std::u16string user_config_folder_;
  std::set<std::u16string> refused_;
};

}  // namespace tessaly::sim
