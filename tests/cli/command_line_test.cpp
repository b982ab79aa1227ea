#include "cli/command_line.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>

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

// The bar as the add-in built it (its make-up is the menu's own tests' concern), one control a
// line: four blanks deeper in a popup, a rule above each group, a tip after its caption.
TEST(MenuCommandTest, PrintsTheBarAsBuilt) {
  const auto result = RunTessaly({"menu"});
  ASSERT_EQ(result.status, kExitOk) << result.err;
  EXPECT_TRUE(result.out.starts_with("TessalyIDE\n    [启禁类\n        启用屏幕更新\n"));
  EXPECT_NE(result.out.find("\n    ──────\n    【功能】\n        代码缩进\n        取消缩进\n"
                            "        ──────\n        删除空行\n        ──────\n        代码注解\n"
                            "        删除注解\n        注解对齐\n        取消对齐\n        ──────\n"
                            "        在线翻译\n        在线搜索\n        ──────\n"
                            "        撤销上次修改\n    ──────\n"
                            "    资管(&G)    (工程资源管理器窗口)\n"),
            std::string::npos)
      << result.out;
  EXPECT_TRUE(result.out.ends_with("\n    ──────\n    关于程序    (关于本程序)\n"));
}

}  // namespace
}  // namespace tessaly::cli
