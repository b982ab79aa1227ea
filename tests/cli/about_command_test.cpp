#include <gtest/gtest.h>

#include "cli/command_line.h"
#include "support/cli_fixture.h"

namespace tessaly::cli {
namespace {

using test_support::FileSnapshot;
using test_support::RunTessaly;
using test_support::TempFolder;

std::vector<std::string> Lines(const std::string& text) {
  std::vector<std::string> lines;
  std::size_t start = 0;
  while (start < text.size()) {
    const auto end = text.find('\n', start);
    lines.push_back(text.substr(start, end - start));
    start = end + 1;
  }
  return lines;
}

// A fresh profile shows every box ticked and looking stores nothing; a switch set is stored
// and shown in later runs.
TEST(AboutCommandTest, ShowsTheFormAndStoresSwitches) {
  TempFolder folder;
  const auto registry = (folder.Path() / "conf" / "registry.reg").string();
  const auto result = RunTessaly({"about", "--registry", registry});
  ASSERT_EQ(result.status, kExitOk) << result.err;
  EXPECT_EQ(Lines(result.out),
            (std::vector<std::string>{
                "关于程序——TessalyIDE_V1.36", "操作系统版本：Microsoft Windows 10 专业版_64位",
                "应用程序版本：Microsoft Visual Basic 6.00_32位",
                "功能全部免费，接受捐赠，金额请随意，谢谢支持。", "[x] 功能菜单", "[x] 调整窗口",
                "[x] 多标签页", "[x] 鼠标滚轮"}));
  EXPECT_FALSE(std::filesystem::exists(registry));

  ASSERT_EQ(
      RunTessaly({"about", "--registry", registry, "--set", "多标签页=0", "--set", "功能菜单=0"})
          .status,
      kExitOk);
  const auto later = Lines(RunTessaly({"about", "--registry", registry}).out);
  ASSERT_EQ(later.size(), 8u);
  EXPECT_EQ(
      (std::vector<std::string>(later.begin() + 4, later.end())),
      (std::vector<std::string>{"[ ] 功能菜单", "[x] 调整窗口", "[ ] 多标签页", "[x] 鼠标滚轮"}));
  ASSERT_EQ(RunTessaly({"about", "--registry", registry, "--set", "多标签页=1"}).status, kExitOk);
  EXPECT_EQ(Lines(RunTessaly({"about", "--registry", registry}).out)[6], "[x] 多标签页");
}

TEST(AboutCommandTest, VbaEditorShowsTheWheelBoxClearedAndRefusesToChangeIt) {
  TempFolder folder;
  const auto registry = folder.Write("registry.reg", "");
  std::filesystem::remove(registry);
  const auto shown = RunTessaly({"about", "--host", "vba", "--registry", registry});
  ASSERT_EQ(shown.status, kExitOk);
  EXPECT_EQ(Lines(shown.out)[2], "应用程序版本：Microsoft Excel 7.01_32位");
  EXPECT_EQ(Lines(shown.out)[7], "[ ] 鼠标滚轮（不可用）");

  const auto refused =
      RunTessaly({"about", "--host", "vba", "--registry", registry, "--set", "鼠标滚轮=1"});
  EXPECT_EQ(refused.status, kExitBadInput);
  EXPECT_EQ(refused.ErrorLines().size(), 1u);
  EXPECT_FALSE(std::filesystem::exists(registry));
}

TEST(AboutCommandTest, BadInputIsRefusedAndLeavesTheRegistryAlone) {
  TempFolder folder;
  const auto corrupt = folder.Write("corrupt.reg", "not a registry file\n");
  const FileSnapshot before(corrupt);
  struct Case {
    const char* what;
    std::vector<std::string> args;
    const char* message;
  };
  const Case cases[] = {
      // clang-format off
      {"unknown switch", {"--set", "菜单=1"}, "--set takes"},
      {"value out of range", {"--set", "功能菜单=2"}, "takes 0 or 1"},
      {"no value", {"--set", "功能菜单"}, "takes 0 or 1"},
      {"unknown host", {"--host", "vb5"}, "vb5"}, {"corrupt registry", {}, "corrupt.reg"},
      // clang-format on
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    std::vector<std::string> args = {"about", "--registry", corrupt};
    args.insert(args.end(), c.args.begin(), c.args.end());
    const auto result = RunTessaly(args);
    EXPECT_EQ(result.status, kExitBadInput);
    ASSERT_EQ(result.ErrorLines().size(), 1u) << result.err;
    EXPECT_NE(result.ErrorLines()[0].find(c.message), std::string::npos) << result.err;
    EXPECT_TRUE(FileSnapshot(corrupt) == before);
  }
}

}  // namespace
}  // namespace tessaly::cli
