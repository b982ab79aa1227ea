#pragma once

#include <gtest/gtest.h>
#include "win32/windows_headers.h"

#include <memory>
#include <string>

#include "win32/late_bound.h"
#include "win32/user_log_folder.h"

namespace tessaly::win32 {

// A fresh %LOCALAPPDATA% for each test, so the user's own log is never touched, and a new load
// of the add-in, so that every place may write again.
class UserLogTest : public ::testing::Test {
 protected:
  void SetUp() override {
    user_log_ = std::make_unique<UserLogFolder>(
        std::filesystem::temp_directory_path() /
        ("tessaly-log-" + std::to_string(GetCurrentProcessId()) + "-" +
         ::testing::UnitTest::GetInstance()->current_test_info()->name()));
    EditorRefusalLog()->NewLoad();
  }
  void TearDown() override { user_log_.reset(); }
  const std::filesystem::path& Folder() const { return user_log_->Folder(); }
  std::filesystem::path Log() const { return user_log_->Log(); }
  std::vector<std::string> Lines() const { return user_log_->Lines(); }

 private:
  std::unique_ptr<UserLogFolder> user_log_;
};

}  // namespace tessaly::win32
