#include "cli/command_line.h"

#include <gtest/gtest.h>

#include <regex>
#include <sstream>
#include <string>
#include <vector>
#include "support/cli_fixture.h"

namespace tessaly::cli {
namespace {

using test_support::ReadBytes;
using test_support::RunTessaly;
using test_support::TempFolder;

const std::string kSourceDir = TESSALY_SOURCE_DIR;

TEST(CommandLineTest, HelpAndVersionGoToStandardOutput) {
  const auto help = RunTessaly({"--help"});
  EXPECT_EQ(help.status, kExitOk);
  EXPECT_NE(help.out.find("\n  fmt [--check | --diff | -i]"), std::string::npos);
  EXPECT_EQ(help.err, "");
  EXPECT_EQ(RunTessaly({"-h"}).out, help.out);
  EXPECT_EQ(RunTessaly({"--version"}).out, "tessaly 1.36.0\n");
}

// A new user's first command (the README's first ```sh block) builds only what it runs; the
// test command, which CI runs as it stands, builds the rest.
TEST(FirstUse, TheFirstCommandBuildsOnlyWhatItRuns) {
  const std::string readme = ReadBytes(kSourceDir + "/README.md");
  std::vector<std::string> commands;
  for (auto at = readme.find("```sh\n"); at != std::string::npos;
       at = readme.find("```sh\n", at + 1))
    commands.push_back(readme.substr(at + 6, readme.find('\n', at + 6) - at - 6));
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
  const auto formatted = folder.Write("A.bas", test_support::kIndentedModule);
  const auto unformatted = folder.Write("B.bas", test_support::kFlatModule);
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
  EXPECT_NE(result.out.find("\n        ──────\n        撤销上次修改\n    ──────\n"
                            "    资管(&G)    (工程资源管理器窗口)\n"),
            std::string::npos)
      << result.out;
}

}  // namespace
}  // namespace tessaly::cli
