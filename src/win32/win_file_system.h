#pragma once

#include "host/file_system.h"

namespace tessaly::win32 {

// The user's files through the standard library's wide paths, in the \\?\ form past MAX_PATH.
class WinFileSystem : public host::FileSystem {
 public:
  std::vector<host::FolderEntry> ListFolder(const std::u16string& path) override;
  std::string ReadFile(const std::u16string& path, std::size_t limit) override;
  void CreateFolders(const std::u16string& path) override;
  std::u16string Join(const std::u16string& folder, const std::u16string& name) override;
  std::u16string FolderOf(const std::u16string& path) override;
  // %APPDATA%\Tessaly.
  std::u16string UserConfigFolder() override;
};

}  // namespace tessaly::win32
