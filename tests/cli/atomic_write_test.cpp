#include "cli/atomic_write.h"

#include <gtest/gtest.h>

#include <csignal>
#include <filesystem>

#include <sys/resource.h>
#include <unistd.h>

#include "cli/file_error.h"
#include "support/cli_fixture.h"

namespace tessaly::cli {
namespace {

// Descriptor 0 is standard input, which the process holds open: a temporary file is never
// descriptor 0, so tests of `descriptor_ >= 0` against `>= 1` (or `< 0` against `<= 0`) agree.
namespace fs = std::filesystem;
using test_support::ReadBytes;
using test_support::TempFolder;

TEST(AtomicWrite, ReplacesCreatesAndFollowsLinksKeepingPermissions) {
  TempFolder folder;
  const fs::path file = folder.Write("Module1.bas", "old");
  const auto mode = fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read;
  fs::permissions(file, mode);
  WriteFileAtomically(file, "Sub A()\r\n\xB4\xFA\r\n");
  EXPECT_EQ(ReadBytes(file), "Sub A()\r\n\xB4\xFA\r\n");
  EXPECT_EQ(fs::status(file).permissions(), mode);

  WriteFileAtomically(folder.Path() / "New.bas", "");
  EXPECT_TRUE(fs::is_regular_file(folder.Path() / "New.bas"));

  const fs::path target = folder.Write("Target.cls", "old");
  fs::create_symlink(target, folder.Path() / "Link.cls");
  WriteFileAtomically(folder.Path() / "Link.cls", "new");
  EXPECT_TRUE(fs::is_symlink(folder.Path() / "Link.cls"));
  EXPECT_EQ(ReadBytes(target), "new");
  EXPECT_EQ(folder.Entries(),
            (std::vector<std::string>{"Link.cls", "Module1.bas", "New.bas", "Target.cls"}));
}

// Whatever step fails, the error names the file, the target keeps its bytes and no temporary
// file is left: a missing folder, a folder in the file's place, a read-only file, and a write
// cut short by the file size limit after the temporary file was made.
TEST(AtomicWrite, FailsClearlyAndLeavesNothingBehind) {
  TempFolder folder;
  const fs::path locked = folder.Write("Locked.frm", "old");
  fs::permissions(locked, fs::perms::owner_read | fs::perms::group_read);
  const fs::path limited = folder.Write("Limited.bas", "old");
  fs::create_directories(folder.Path() / "Folder.bas");
  const auto entries = folder.Entries();

  auto expect_failure = [&](const fs::path& path, const std::string& bytes) {
    try {
      WriteFileAtomically(path, bytes);
      ADD_FAILURE() << "writing " << path << " succeeded";
    } catch (const FileError& error) {
      EXPECT_NE(std::string(error.what()).find(path.filename().string()), std::string::npos)
          << error.what();
    }
    EXPECT_EQ(folder.Entries(), entries);
  };
  expect_failure(folder.Path() / "missing" / "Module1.bas", "x");
  expect_failure(folder.Path() / "Folder.bas", "x");
  expect_failure(locked, "new");
  EXPECT_EQ(ReadBytes(locked), "old");

  rlimit before{};
  ASSERT_EQ(::getrlimit(RLIMIT_FSIZE, &before), 0);
  const auto previous_handler = std::signal(SIGXFSZ, SIG_IGN);
  rlimit small = before;
  small.rlim_cur = 16;
  ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &small), 0);
  expect_failure(limited, std::string(4096, 'x'));
  ::setrlimit(RLIMIT_FSIZE, &before);
  std::signal(SIGXFSZ, previous_handler);
  EXPECT_EQ(ReadBytes(limited), "old");
}

}  // namespace
}  // namespace tessaly::cli
