#include "win32/win_file_system.h"

#include "win32/windows_headers.h"

#include <filesystem>
#include <fstream>

#include "host/host_error.h"
#include "win32/long_path.h"
#include "win32/wide_text.h"

namespace tessaly::win32 {

namespace {

namespace fs = std::filesystem;

fs::path Native(const std::u16string& path) {
  return fs::path(LongFullPath(WideCopy(path)));
}

[[noreturn]] void Refuse(const char* what, const std::error_code& error) {
  throw host::HostError(std::string(what) + ": " + error.message());
}

}  // namespace

std::vector<host::FolderEntry> WinFileSystem::ListFolder(const std::u16string& path) {
  std::error_code error;
  const auto folder = Native(path);
  if (!fs::is_directory(folder, error)) return {};
  std::vector<host::FolderEntry> entries;
  fs::directory_iterator it(folder, error);
  if (error) Refuse("the folder cannot be read", error);
  for (; it != fs::directory_iterator(); it.increment(error)) {
    if (error) Refuse("the folder cannot be read", error);
    host::FolderEntry entry;
    entry.name = FromWide(it->path().filename().wstring());
    entry.path = Join(path, entry.name);
    entry.is_folder = it->is_directory(error);
    entry.size = entry.is_folder ? 0 : it->file_size(error);
    entries.push_back(std::move(entry));
  }
  return entries;
}

std::string WinFileSystem::ReadFile(const std::u16string& path, std::size_t limit) {
  std::ifstream file(Native(path), std::ios::binary);
  if (!file) throw host::HostError("the file cannot be opened");
  std::string bytes(limit, '\0');
  file.read(bytes.data(), static_cast<std::streamsize>(limit));
  if (file.bad()) throw host::HostError("the file cannot be read");
  bytes.resize(static_cast<std::size_t>(file.gcount()));
  return bytes;
}

void WinFileSystem::CreateFolders(const std::u16string& path) {
  std::error_code error;
  fs::create_directories(Native(path), error);
  if (error) Refuse("the folder cannot be made", error);
}

std::u16string WinFileSystem::Join(const std::u16string& folder, const std::u16string& name) {
  if (folder.empty() || folder.back() == u'\\' || folder.back() == u'/') return folder + name;
  return folder + u"\\" + name;
}

std::u16string WinFileSystem::FolderOf(const std::u16string& path) {
  const auto slash = path.find_last_of(u"\\/");
  return slash == std::u16string::npos ? std::u16string() : path.substr(0, slash);
}

std::u16string WinFileSystem::UserConfigFolder() {
  wchar_t buffer[MAX_PATH] = {};
  const DWORD length = GetEnvironmentVariableW(L"APPDATA", buffer, MAX_PATH);
  if (length == 0 || length >= MAX_PATH) return {};
  return FromWide(std::wstring_view(buffer, length)) + u"\\Tessaly";
}

}  // namespace tessaly::win32
