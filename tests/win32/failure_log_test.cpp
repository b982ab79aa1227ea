#include "win32/failure_log.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <stdexcept>
#include <string>
#include <vector>

#include "win32/com_barrier.h"
#include "win32/user_log_fixture.h"

namespace tessaly::win32 {
namespace {

namespace fs = std::filesystem;

using FailureLogTest = UserLogTest;

TEST_F(FailureLogTest, ACaughtFailureLeavesOneLineSayingWhereAndWhat) {
  EXPECT_EQ(Barrier([] { return S_OK; }), S_OK);
  QuietBarrier([] {});
  EXPECT_FALSE(fs::exists(Log())) << "nothing is written while all is well";

  EXPECT_EQ(Barrier([]() -> HRESULT { throw std::runtime_error("the editor went away"); }),
            E_UNEXPECTED);
  const auto lines = Lines();
  ASSERT_EQ(lines.size(), 1u);
  SYSTEMTIME now{};
  GetLocalTime(&now);
  char today[16] = {};
  std::snprintf(today, sizeof today, "%04u-%02u-%02u ", now.wYear, now.wMonth, now.wDay);
  EXPECT_EQ(lines[0].rfind(today, 0), 0u) << "stamped with the local time: " << lines[0];
  EXPECT_NE(lines[0].find("the editor went away"), std::string::npos) << lines[0];
  EXPECT_NE(lines[0].find("failure_log_test.cpp:"), std::string::npos) << lines[0];
  EXPECT_NE(lines[0].find("TestBody"), std::string::npos) << lines[0];

  QuietBarrier([] { throw std::bad_alloc(); });
  const auto both = Lines();
  ASSERT_EQ(both.size(), 2u);
  EXPECT_NE(both[1].find("out of memory"), std::string::npos) << both[1];
}

TEST_F(FailureLogTest, PastItsBoundTheFileKeepsItsNewerHalf) {
  const FailureLog log(Log().wstring(), 200);
  for (int i = 10; i < 40; ++i) {
    ASSERT_TRUE(log.Append("line " + std::to_string(i) + " of the log"));
    EXPECT_LE(fs::file_size(Log()), 200u);
  }
  const auto lines = Lines();
  ASSERT_GE(lines.size(), 4u);
  EXPECT_EQ(lines.back(), "line 39 of the log\r");
  EXPECT_EQ(lines[lines.size() - 2], "line 38 of the log\r");
  // Whole lines only: the cut falls on a line's start.
  EXPECT_EQ(lines.front().rfind("line ", 0), 0u) << lines.front();
}

TEST_F(FailureLogTest, ALogThatCannotBeWrittenIsGivenUpQuietly) {
  // A file where the log's folder should be.
  std::ofstream(Folder() / "Tessaly") << "in the way";
  EXPECT_FALSE(FailureLog::OfUser().Append("lost"));
  EXPECT_EQ(Barrier([]() -> HRESULT { throw std::logic_error("still answered"); }), E_UNEXPECTED);
  SetEnvironmentVariableW(L"LOCALAPPDATA", nullptr);
  EXPECT_FALSE(FailureLog::OfUser().Append("nowhere to go"));
}

}  // namespace
}  // namespace tessaly::win32
