#pragma once

#include <gtest/gtest.h>
#include "win32/windows_headers.h"

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "win32/late_bound.h"

namespace tessaly::win32 {

// A fresh %LOCALAPPDATA% for each test, so the user's own log is never touched, and a new load
// of the add-in, so that every place may write again.
class UserLogTest : public ::testing::Test {
 protected:
  void SetUp() override {
    wchar_t saved[MAX_PATH] = {};
    if (GetEnvironmentVariableW(L"LOCALAPPDATA", saved, MAX_PATH)) saved_ = saved;
    folder_ = std::filesystem::temp_directory_path() /
              ("tessaly-log-" + std::to_string(GetCurrentProcessId()) + "-" +
               ::testing::UnitTest::GetInstance()->current_test_info()->name());
    std::filesystem::remove_all(folder_);
    std::filesystem::create_directories(folder_);
    SetEnvironmentVariableW(L"LOCALAPPDATA", folder_.wstring().c_str());
    EditorRefusalLog()->NewLoad();
  }
  void TearDown() override {
    SetEnvironmentVariableW(L"LOCALAPPDATA", saved_.empty() ? nullptr : saved_.c_str());
    std::filesystem::remove_all(folder_);
  }
  std::filesystem::path Log() const { return folder_ / "Tessaly" / "tessaly.log"; }
  std::vector<std::string> Lines() const {
    std::ifstream in(Log(), std::ios::binary);
    std::vector<std::string> lines;
    for (std::string line; std::getline(in, line);)
      lines.push_back(line);
    return lines;
  }

  std::filesystem::path folder_;
  std::wstring saved_;
};

}  // namespace tessaly::win32
