#include "cli/registry_file.h"

#include <cstdlib>

#include "cli/command_line.h"
#include "cli/file_error.h"

namespace tessaly::cli {

std::filesystem::path RegistryFile(const Arguments& arguments) {
  if (const auto file = arguments.Value("--registry")) return *file;
  if (const char* config = std::getenv("XDG_CONFIG_HOME"); config && *config) {
    return std::filesystem::path(config) / "tessaly" / "registry.reg";
  }
  if (const char* home = std::getenv("HOME"); home && *home) {
    return std::filesystem::path(home) / ".config" / "tessaly" / "registry.reg";
  }
  throw UsageError("neither XDG_CONFIG_HOME nor HOME is set; name a file with --registry");
}

void PrepareRegistryFolder(const std::filesystem::path& file) {
  if (file.parent_path().empty()) return;
  std::error_code error;
  std::filesystem::create_directories(file.parent_path(), error);
  if (error) {
    throw FileError(file.parent_path().string() + ": " + error.message());
  }
}

}  // namespace tessaly::cli
