#pragma once

// The user's local application data moved to a folder of the test's own while the object
// lives, so the failure log a test reads is its own and the user's log is never touched.

#include "win32/windows_headers.h"

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

namespace tessaly::win32 {

class UserLogFolder {
 public:
  explicit UserLogFolder(std::filesystem::path folder) : folder_(std::move(folder)) {
    wchar_t saved[MAX_PATH] = {};
    if (GetEnvironmentVariableW(L"LOCALAPPDATA", saved, MAX_PATH)) saved_ = saved;
    std::filesystem::remove_all(folder_);
    std::filesystem::create_directories(folder_);
    SetEnvironmentVariableW(L"LOCALAPPDATA", folder_.wstring().c_str());
  }
  ~UserLogFolder() {
    SetEnvironmentVariableW(L"LOCALAPPDATA", saved_.empty() ? nullptr : saved_.c_str());
    std::error_code ignored;
    std::filesystem::remove_all(folder_, ignored);
  }
  UserLogFolder(const UserLogFolder&) = delete;
  UserLogFolder& operator=(const UserLogFolder&) = delete;

  const std::filesystem::path& Folder() const { return folder_; }
  std::filesystem::path Log() const { return folder_ / "Tessaly" / "tessaly.log"; }
  std::vector<std::string> Lines() const {
    std::ifstream in(Log(), std::ios::binary);
    std::vector<std::string> lines;
    for (std::string line; std::getline(in, line);)
      lines.push_back(line);
    return lines;
  }

 private:
  std::filesystem::path folder_;
  std::wstring saved_;
};

}  // namespace tessaly::win32
