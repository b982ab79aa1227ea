#include "cli/registry_file.h"

namespace tessaly::cli {

namespace fs = std::filesystem;

// The file itself is never asked about: another run may be replacing it at this moment, and a
// system that replaces a file in steps (Wine does) answers for it as missing or failing in
// between. A link stays while the file it names is replaced, so links are followed by reading
// them, and the folder is made canonical only once they end.
std::optional<fs::path> RegistryLockFolder(const fs::path& registry_file) {
  std::error_code error;
  fs::path file = fs::absolute(registry_file, error);
  if (error) return std::nullopt;
  // Beyond this many links the system itself gives up on the path.
  constexpr int kLinksFollowed = 40;
  for (int link = 0; link < kLinksFollowed; ++link) {
    const fs::file_status status = fs::symlink_status(file, error);
    if (error || !fs::is_symlink(status)) break;
    const fs::path target = fs::read_symlink(file, error);
    if (error) break;
    file = target.is_absolute() ? target : file.parent_path() / target;
  }
  fs::path folder = fs::weakly_canonical(file.parent_path(), error);
  if (error || !fs::is_directory(folder, error)) return std::nullopt;
  return folder;
}

}  // namespace tessaly::cli
