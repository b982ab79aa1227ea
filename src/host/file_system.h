#pragma once

// The user's files as the features read them: folders listed, small files read whole, folders
// made. Paths are the system's own; the features only join names onto paths the system gave.

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace tessaly::host {

struct FolderEntry {
  std::u16string name;
  std::u16string path;
  bool is_folder = false;
  std::uint64_t size = 0;
};

class FileSystem {
 public:
  virtual ~FileSystem() = default;
  // The folder's entries in no particular order; none for a folder that does not exist.
  // Throws HostError when it exists and cannot be read.
  virtual std::vector<FolderEntry> ListFolder(const std::u16string& path) = 0;
  // The file's bytes, at most `limit` of them; throws HostError when it cannot be read.
  virtual std::string ReadFile(const std::u16string& path, std::size_t limit) = 0;
  // The folder and any missing folder above it; throws HostError when it cannot be made.
  virtual void CreateFolders(const std::u16string& path) = 0;
  virtual std::u16string Join(const std::u16string& folder, const std::u16string& name) = 0;
  // The folder a file's path names it in; empty for a bare name.
  virtual std::u16string FolderOf(const std::u16string& path) = 0;
  // Where Tessaly keeps the user's own files: %APPDATA%\Tessaly on Windows,
  // $XDG_CONFIG_HOME/tessaly elsewhere. Empty when the system names none.
  virtual std::u16string UserConfigFolder() = 0;
};

}  // namespace tessaly::host
