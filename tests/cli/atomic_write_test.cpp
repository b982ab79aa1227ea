#include "cli/atomic_write.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <fstream>
#include <sstream>

#include "cli/file_error.h"

namespace tessaly::cli {
namespace {

namespace fs = std::filesystem;

class AtomicWrite : public testing::Test {
 protected:
  void SetUp() override {
    folder_ =
        fs::temp_directory_path() / ("tessaly-atomic-" + std::to_string(::getpid()) + "-" +
                                     testing::UnitTest::GetInstance()->current_test_info()->name());
    fs::remove_all(folder_);
    fs::create_directories(folder_);
  }
  void TearDown() override { fs::remove_all(folder_); }

  static std::string Read(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
  }
  std::size_t EntriesInFolder() const {
    return static_cast<std::size_t>(
        std::distance(fs::directory_iterator(folder_), fs::directory_iterator()));
  }

  fs::path folder_;
};

TEST_F(AtomicWrite, ReplacesTheContentsAndKeepsThePermissions) {
  const fs::path file = folder_ / "Module1.bas";
  std::ofstream(file, std::ios::binary) << "old";
  fs::permissions(file, fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);

  WriteFileAtomically(file, "Sub A()\r\n\xB4\xFA\r\n");

  EXPECT_EQ(Read(file), "Sub A()\r\n\xB4\xFA\r\n");
  EXPECT_EQ(fs::status(file).permissions(),
            fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
  EXPECT_EQ(EntriesInFolder(), 1u) << "a temporary file was left behind";
}

TEST_F(AtomicWrite, CreatesAMissingFile) {
  WriteFileAtomically(folder_ / "New.bas", "");
  EXPECT_TRUE(fs::is_regular_file(folder_ / "New.bas"));
  EXPECT_EQ(EntriesInFolder(), 1u);
}

TEST_F(AtomicWrite, WritesThroughASymbolicLink) {
  const fs::path target = folder_ / "Target.cls";
  std::ofstream(target, std::ios::binary) << "old";
  fs::create_symlink(target, folder_ / "Link.cls");

  WriteFileAtomically(folder_ / "Link.cls", "new");

  EXPECT_TRUE(fs::is_symlink(folder_ / "Link.cls"));
  EXPECT_EQ(Read(target), "new");
}

TEST_F(AtomicWrite, FailsClearlyAndLeavesNothingBehind) {
  EXPECT_THROW(WriteFileAtomically(folder_ / "missing" / "Module1.bas", "x"), FileError);
  fs::create_directories(folder_ / "Folder.bas");
  try {
    WriteFileAtomically(folder_ / "Folder.bas", "x");
    ADD_FAILURE() << "writing over a folder succeeded";
  } catch (const FileError& error) {
    EXPECT_NE(std::string(error.what()).find("Folder.bas"), std::string::npos) << error.what();
  }
  EXPECT_EQ(EntriesInFolder(), 1u);
}

TEST_F(AtomicWrite, LeavesAReadOnlyFileAlone) {
  const fs::path file = folder_ / "Locked.frm";
  std::ofstream(file, std::ios::binary) << "old";
  fs::permissions(file, fs::perms::owner_read | fs::perms::group_read);
  EXPECT_THROW(WriteFileAtomically(file, "new"), FileError);
  EXPECT_EQ(Read(file), "old");
  EXPECT_EQ(EntriesInFolder(), 1u);
}

}  // namespace
}  // namespace tessaly::cli
