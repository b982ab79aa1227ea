#include "win32/system_message.h"

#include <gtest/gtest.h>

#include <string>

namespace tessaly::win32 {
namespace {

// A reason goes into a message of one line, after the file's name: the system's text without
// its line break and full stop, and never a bare number, even for a code the system has no
// text for.
TEST(SystemMessage, IsOneLineOfWordsForEveryCode) {
  const struct {
    DWORD code;
    const char* holds;
  } cases[] = {
      {ERROR_DIRECTORY, ""},
      {ERROR_UNABLE_TO_MOVE_REPLACEMENT, ""},
      {0x2000ABCDu, "no text for (0x2000ABCD)"},
  };
  for (const auto& row : cases) {
    SCOPED_TRACE(row.code);
    const std::string message = SystemMessage(row.code);
    EXPECT_NE(message.find_first_not_of("0123456789 ()x"), std::string::npos) << message;
    EXPECT_EQ(message.find_first_of("\r\n"), std::string::npos) << message;
    EXPECT_NE(message.back(), '.');
    EXPECT_NE(message.find(row.holds), std::string::npos) << message;
  }
}

// The user's language, not the system's first: a Chinese Windows says why in Chinese, without
// its full stop. The CTest entry tests_win32_chinese runs this under a Chinese locale; in any
// other it has nothing to show.
TEST(SystemMessage, IsInTheUsersLanguage) {
  if (PRIMARYLANGID(GetUserDefaultUILanguage()) != LANG_CHINESE) {
    GTEST_SKIP() << "the user's language is not Chinese";
  }
  const std::string message = SystemMessage(ERROR_DIRECTORY);
  EXPECT_EQ(message.find_first_of("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz"),
            std::string::npos)
      << message;
  EXPECT_FALSE(message.ends_with("\u3002")) << message;
  EXPECT_GE(message.size(), 6u);
}

}  // namespace
}  // namespace tessaly::win32
