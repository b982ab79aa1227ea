#include "cli/command_line.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>

#include <algorithm>
#include <regex>
#include <vector>
#include "support/cli_fixture.h"

namespace tessaly::cli {
namespace {

using test_support::ReadBytes;
using test_support::RunTessaly;
using test_support::TempFolder;

TEST(CommandLineTest, HelpGoesToStandardOutput) {
  const auto help = RunTessaly({"--help"});
  EXPECT_EQ(help.status, kExitOk);
  EXPECT_NE(help.out.find("click CAPTION FILE"), std::string::npos);
  EXPECT_NE(help.out.find("fmt [--check | --diff | -i]"), std::string::npos);
  EXPECT_EQ(help.err, "");
}

const std::string kSourceDir = TESSALY_SOURCE_DIR;

// The commands of the README's ```sh blocks, in order.
std::vector<std::string> ReadmeCommands() {
  const std::string readme = ReadBytes(kSourceDir + "/README.md");
  std::vector<std::string> commands;
  for (std::size_t at = readme.find("```sh\n"); at != std::string::npos;
       at = readme.find("```sh\n", at + 1)) {
    const std::size_t begin = at + 6;
    commands.push_back(readme.substr(begin, readme.find('\n', begin) - begin));
  }
  return commands;
}

// A new user's first command builds only what it runs; the test command, which CI runs as it
// stands, builds the rest.
TEST(FirstUse, TheFirstCommandBuildsOnlyWhatItRuns) {
  const auto commands = ReadmeCommands();
  ASSERT_GE(commands.size(), 2u);
  EXPECT_NE(commands[0].find("cmake --build build -j2 --target tessaly && ./build/tessaly "),
            std::string::npos)
      << commands[0];
  EXPECT_EQ(commands[1].find("--target"), std::string::npos) << commands[1];
  EXPECT_NE(ReadBytes(kSourceDir + "/.ci/run").find("\n" + commands[1] + "\n"), std::string::npos);
}

// What a pre-commit hook runs: `entry` on the files `files` matches.
TEST(FirstUse, PreCommitHookChecksModules) {
  const std::string hooks = ReadBytes(kSourceDir + "/.pre-commit-hooks.yaml");
  std::smatch entry;
  std::smatch files;
  ASSERT_TRUE(std::regex_search(hooks, entry, std::regex("\n  entry: tessaly ([^\n]*)\n")));
  ASSERT_TRUE(std::regex_search(hooks, files, std::regex("\n  files: ([^\n]*)\n")));
  const std::regex modules(files[1].str());
  for (const std::string name : {"a.bas", "b/Form1.frm", "Class1.cls"})
    EXPECT_TRUE(std::regex_search(name, modules)) << name;
  for (const std::string name : {"a.bas.txt", "README.md", "basic.c"})
    EXPECT_FALSE(std::regex_search(name, modules)) << name;

  TempFolder folder;
  const auto formatted = folder.Write("A.bas", "Sub A()\r\n    x = 1\r\nEnd Sub\r\n");
  const auto unformatted = folder.Write("B.bas", "Sub B()\r\nx = 1\r\nEnd Sub\r\n");
  std::vector<std::string> args;
  std::istringstream words(entry[1].str());
  for (std::string word; words >> word;)
    args.push_back(word);
  args.insert(args.end(), {formatted, unformatted});
  const auto result = RunTessaly(args);
  EXPECT_EQ(result.status, kExitChanged);
  EXPECT_EQ(result.out, unformatted + "\n");
}

const std::string kSeparator = "──────";

// The lines indented by `depth` levels of four blanks, in order, and nothing deeper.
std::vector<std::string> AtDepth(const std::string& text, std::size_t depth) {
  const std::regex line("(^|\n)" + std::string(4 * depth, ' ') + "([^ \n][^\n]*)");
  std::vector<std::string> found;
  for (std::sregex_iterator at(text.begin(), text.end(), line), end; at != end; ++at)
    found.push_back((*at)[2]);
  return found;
}

// The bar's 24 controls in bar order, 8 popups holding 163 items and 16 buttons with their
// tips, and a separator wherever a control begins a group; the tools popup shown whole.
TEST(MenuCommandTest, ShowsTheBarInBarOrder) {
  const auto result = RunTessaly({"menu"});
  ASSERT_EQ(result.status, kExitOk) << result.err;
  EXPECT_EQ(AtDepth(result.out, 0), std::vector<std::string>{"TessalyIDE"});
  const auto top = AtDepth(result.out, 1);
  ASSERT_EQ(top.size(), 32u);
  EXPECT_EQ(std::count(top.begin(), top.end(), kSeparator), 8);
  EXPECT_EQ((std::vector<std::string>(top.begin(), top.begin() + 4)),
            (std::vector<std::string>{"[启禁类", "控制类", "常用语]", kSeparator}));
  EXPECT_EQ(top[12], "资管(&G)    (工程资源管理器窗口)");
  EXPECT_EQ(top[27], "文本    (强制文本\"*\")");
  EXPECT_EQ(top.back(), "关于程序    (关于本程序)");

  const auto items = AtDepth(result.out, 2);
  EXPECT_EQ(items.size() - std::count(items.begin(), items.end(), kSeparator), 163u);
  EXPECT_TRUE(AtDepth(result.out, 3).empty());
  const auto tools = result.out.find("    【功能】\n");
  ASSERT_NE(tools, std::string::npos);
  EXPECT_EQ(AtDepth(result.out.substr(tools, result.out.find("\n    资管", tools) - tools), 2),
            (std::vector<std::string>{"代码缩进", "取消缩进", kSeparator, "删除空行", kSeparator,
                                      "代码注解", "删除注解", "注解对齐", "取消对齐", kSeparator,
                                      "在线翻译", "在线搜索"}));
}

}  // namespace
}  // namespace tessaly::cli
