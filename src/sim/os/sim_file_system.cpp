#include "sim/os/sim_file_system.h"

#include <fstream>

#include "host/host_error.h"

namespace tessaly::sim {

namespace {

std::filesystem::path PathOf(const std::u16string& path) {
  return std::filesystem::path(path);
}

}  // namespace

std::vector<host::FolderEntry> SimFileSystem::ListFolder(const std::u16string& path) {
  if (refused_.contains(path)) throw host::HostError("the folder cannot be read");
  std::error_code error;
  if (!std::filesystem::is_directory(PathOf(path), error)) return {};
  std::vector<host::FolderEntry> entries;
  std::filesystem::directory_iterator it(PathOf(path), error);
  if (error) throw host::HostError("the folder cannot be read: " + error.message());
  for (; it != std::filesystem::directory_iterator(); it.increment(error)) {
    if (error) throw host::HostError("the folder cannot be read: " + error.message());
    host::FolderEntry entry;
    entry.name = it->path().filename().u16string();
    entry.path = it->path().u16string();
    entry.is_folder = it->is_directory(error);
    entry.size = entry.is_folder ? 0 : it->file_size(error);
    entries.push_back(std::move(entry));
  }
  return entries;
}

std::string SimFileSystem::ReadFile(const std::u16string& path, std::size_t limit) {
  std::ifstream file(PathOf(path), std::ios::binary);
  if (!file) throw host::HostError("the file cannot be opened");
  std::string bytes(limit, '\0');
  file.read(bytes.data(), static_cast<std::streamsize>(limit));
  if (file.bad()) throw host::HostError("the file cannot be read");
  bytes.resize(static_cast<std::size_t>(file.gcount()));
  return bytes;
}

void SimFileSystem::CreateFolders(const std::u16string& path) {
  std::error_code error;
  std::filesystem::create_directories(PathOf(path), error);
  if (error) throw host::HostError("the folder cannot be made: " + error.message());
}

std::u16string SimFileSystem::Join(const std::u16string& folder, const std::u16string& name) {
  return (PathOf(folder) / PathOf(name)).u16string();
}

std::u16string SimFileSystem::FolderOf(const std::u16string& path) {
  return PathOf(path).parent_path().u16string();
}

}  // namespace tessaly::sim
