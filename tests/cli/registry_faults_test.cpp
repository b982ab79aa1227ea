#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include <sys/wait.h>
#include <unistd.h>

#include "cli/command_line.h"
#include "support/cli_fixture.h"

namespace tessaly::cli {
namespace {

namespace fs = std::filesystem;
using test_support::FileSnapshot;
using test_support::ReadBytes;
using test_support::RunTessaly;
using test_support::TempFolder;

std::string SwitchesShown(const std::string& registry) {
  const std::string out = RunTessaly({"about", "--registry", registry}).out;
  return out.substr(out.find("[", out.find("谢谢支持")));
}

TEST(RegistryFaults, ATemporaryFileOfAGuessableNameIsNeverWrittenThrough) {
  TempFolder folder;
  const auto precious = folder.Write("v.txt", "precious");
  const auto registry = (folder.Path() / "r.reg").string();
  for (const std::string planted : {"r.reg.tmp", ".r.reg.tmp", "r.tmp"})
    fs::create_symlink(precious, folder.Path() / planted);
  EXPECT_EQ(RunTessaly({"about", "--registry", registry, "--set", "鼠标滚轮=0"}).status, kExitOk);
  EXPECT_EQ(ReadBytes(precious), "precious");
  EXPECT_EQ(folder.Entries(),
            (std::vector<std::string>{".r.reg.tmp", "r.reg", "r.reg.tmp", "r.tmp", "v.txt"}));
}

// Two runs at once each keep their change: one reads what the other wrote.
TEST(RegistryFaults, ConcurrentChangesAreAllKept) {
  TempFolder folder;
  const auto registry = (folder.Path() / "r.reg").string();
  for (int round = 0; round < 12; ++round) {
    const std::string value = round % 2 == 0 ? "0" : "1";
    std::vector<pid_t> children;
    for (const std::string key : {"多标签页", "鼠标滚轮"}) {
      const pid_t child = fork();
      if (child == 0)
        _exit(RunTessaly({"about", "--registry", registry, "--set", key + "=" + value}).status);
      children.push_back(child);
    }
    for (const pid_t child : children) {
      int status = -1;
      waitpid(child, &status, 0);
      EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == kExitOk);
    }
    const std::string box = value == "1" ? "[x]" : "[ ]";
    EXPECT_EQ(SwitchesShown(registry),
              "[x] 功能菜单\n[x] 调整窗口\n" + box + " 多标签页\n" + box + " 鼠标滚轮\n")
        << "round " << round;
  }
}

// A registry file is rewritten as -i rewrites a module: its mode is kept, a read-only file is
// refused, a link stays a link.
TEST(RegistryFaults, RewritesKeepModeAndLinks) {
  TempFolder folder;
  const auto registry = (folder.Path() / "r.reg").string();
  ASSERT_EQ(RunTessaly({"about", "--registry", registry, "--set", "鼠标滚轮=0"}).status, kExitOk);
  for (const auto mode : {fs::perms::owner_read | fs::perms::owner_write, fs::perms::owner_all}) {
    fs::permissions(registry, mode);
    EXPECT_EQ(RunTessaly({"about", "--registry", registry, "--set", "鼠标滚轮=1"}).status, kExitOk);
    EXPECT_EQ(fs::status(registry).permissions(), mode);
  }
  fs::permissions(registry, fs::perms::owner_read);
  const FileSnapshot before(registry);
  const auto refused = RunTessaly({"about", "--registry", registry, "--set", "鼠标滚轮=0"});
  EXPECT_EQ(refused.status, kExitBadInput);
  EXPECT_EQ(FileSnapshot(registry), before);

  fs::permissions(registry, fs::perms::owner_read | fs::perms::owner_write);
  const auto link = (folder.Path() / "link.reg").string();
  fs::create_symlink(registry, link);
  EXPECT_EQ(RunTessaly({"about", "--registry", link, "--set", "鼠标滚轮=0"}).status, kExitOk);
  EXPECT_TRUE(fs::is_symlink(link));
  EXPECT_NE(SwitchesShown(registry).find("[ ] 鼠标滚轮"), std::string::npos);
}

TEST(RegistryFaults, AFileInNeitherUtf16NorUtf8IsRefusedAndKept) {
  TempFolder folder;
  const auto registry = folder.Write(
      "r.reg", "Windows Registry Editor Version 5.00\r\n\r\n[HKEY_CURRENT_USER\\\xD6\xD0]\r\n");
  const FileSnapshot before(registry);
  const auto result = RunTessaly({"about", "--registry", registry, "--set", "鼠标滚轮=0"});
  EXPECT_EQ(result.status, kExitBadInput);
  EXPECT_EQ(result.ErrorLines().size(), 1u);
  EXPECT_EQ(FileSnapshot(registry), before);
}

// A key nested far deeper than the call stack goes is read, kept and written back.
TEST(RegistryFaults, ADeeplyNestedKeyIsWrittenBack) {
  TempFolder folder;
  std::string path = "HKEY_CURRENT_USER";
  for (int level = 0; level < 100'000; ++level)
    path += "\\k";
  const auto registry =
      folder.Write("r.reg", "Windows Registry Editor Version 5.00\r\n\r\n[" + path + "]\r\n");
  ASSERT_EQ(RunTessaly({"about", "--registry", registry, "--set", "鼠标滚轮=0"}).status, kExitOk);
  const std::string written = ReadBytes(registry);
  std::string utf16_path;
  for (const char c : "[" + path + "]") {
    utf16_path += c;
    utf16_path += '\0';
  }
  EXPECT_NE(written.find(utf16_path), std::string::npos);
}

}  // namespace
}  // namespace tessaly::cli
