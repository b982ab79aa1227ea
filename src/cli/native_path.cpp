#include "cli/native_path.h"

namespace tessaly::cli {

std::filesystem::path NativePath(const std::string& utf8) {
  return utf8;
}

std::string PathText(const std::filesystem::path& path) {
  return path.string();
}

}  // namespace tessaly::cli
