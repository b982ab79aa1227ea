#include "cli/command_line.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <regex>
#include <sstream>
#include <string>
#include <vector>
#include "support/cli_fixture.h"

namespace tessaly::cli {
namespace {

using test_support::kFlatModule;
using test_support::kIndentedModule;
using test_support::ReadBytes;
using test_support::RunTessaly;
using test_support::TempFolder;

TEST(CommandLineTest, HelpAndVersionGoToStandardOutput) {
  const auto help = RunTessaly({"--help"});
  EXPECT_EQ(help.status, kExitOk);
  EXPECT_NE(help.out.find("\n  fmt [--check | --diff | -i]"), std::string::npos);
  EXPECT_EQ(help.err, "");
  EXPECT_EQ(RunTessaly({"-h"}).out, help.out);
  EXPECT_EQ(RunTessaly({"--version"}).out, "tessaly 1.36.0\n");
}

// What a pre-commit hook runs: `entry` on the modules `files` matches.
TEST(CommandLineTest, PreCommitHookChecksModules) {
  const std::string hooks = ReadBytes(std::string(TESSALY_SOURCE_DIR "/.pre-commit-hooks.yaml"));
  std::smatch entry;
  std::smatch files;
  ASSERT_TRUE(std::regex_search(hooks, entry, std::regex("\n  entry: tessaly ([^\n]*)\n")));
  ASSERT_TRUE(std::regex_search(hooks, files, std::regex("\n  files: ([^\n]*)\n")));
  const std::regex modules(files[1].str());
  for (const std::string name : {"a.bas", "b/Form1.frm", "Class1.cls"})
    EXPECT_TRUE(std::regex_search(name, modules)) << name;
  EXPECT_FALSE(std::regex_search(std::string("a.bas.txt"), modules));

  TempFolder folder;
  std::vector<std::string> args;
  std::istringstream words(entry[1].str());
  for (std::string word; words >> word;)
    args.push_back(word);
  const auto unformatted = folder.Write("B.bas", kFlatModule);
  args.insert(args.end(), {folder.Write("A.bas", kIndentedModule), unformatted});
  const auto result = RunTessaly(args);
  EXPECT_EQ(result.status, kExitChanged);
  EXPECT_EQ(result.out, unformatted + "\n");
}

// The bar as the add-in built it (its make-up is the menu's own tests' concern), one control a
// line: four blanks deeper in a popup, a rule above each group, a tip after its caption.
TEST(CommandLineTest, MenuPrintsTheBarAsBuilt) {
  const auto result = RunTessaly({"menu"});
  ASSERT_EQ(result.status, kExitOk) << result.err;
  EXPECT_TRUE(result.out.starts_with("TessalyIDE\n    [启禁类\n        启用屏幕更新\n"));
  EXPECT_NE(result.out.find("\n        ──────\n        撤销上次修改\n    ──────\n"
                            "    资管(&G)    (工程资源管理器窗口)\n"),
            std::string::npos)
      << result.out;
}

// Chinese file names and paths longer than Windows' old limit of 260 characters, the same on
// both faces, in-process and through the built program (whose arguments come, on Windows, from
// the wide command line).
TEST(FileNames, ChineseNamesAndLongPathsWorkAlike) {
  for (const bool built : {false, true}) {
    SCOPED_TRACE(built ? "tessaly" : "in-process");
    const auto run = [built](const std::vector<std::string>& args) {
      return built ? test_support::RunBinary(args) : RunTessaly(args);
    };
    TempFolder folder;
    const std::string deep = std::string(100, 'd') + "/" + std::string(100, 'e') + "/";
    std::filesystem::create_directories(folder.Path() / test_support::Utf8Path(deep));
    const std::string paths[] = {
        folder.Write("代码模块.bas", kFlatModule),
        folder.Write(deep + std::string(90, 'f') + "模块.bas", kFlatModule),
    };
    ASSERT_GT(paths[1].size(), 300u);
    for (const auto& path : paths) {
      SCOPED_TRACE(path);
      const auto check = run({"fmt", "--check", path});
      EXPECT_EQ(check.status, kExitChanged) << check.err;
      EXPECT_EQ(check.out, path + "\n");
      EXPECT_EQ(run({"click", "代码缩进", path, "--line", "2"}).out, kIndentedModule);
      EXPECT_EQ(run({"fmt", "-i", path}).status, kExitOk);
      EXPECT_EQ(ReadBytes(path), kIndentedModule);
      const auto missing = run({"annotate", path + "x"});
      EXPECT_EQ(missing.err, "tessaly: " + path + "x: No such file or directory\n");
      EXPECT_EQ(missing.status, kExitBadInput);
    }
    EXPECT_EQ(folder.Entries(), (std::vector<std::string>{std::string(100, 'd'), "代码模块.bas"}));
  }
}

}  // namespace
}  // namespace tessaly::cli
