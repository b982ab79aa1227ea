#include "cli/command_line.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>
#include "support/cli_fixture.h"

namespace tessaly::cli {
namespace {

namespace fs = std::filesystem;
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

// Every way a user, cmd, Git Bash or pre-commit names a module relative to the folder the
// program runs in, Chinese names and paths longer than Windows' old limit of 260 characters
// included, alike in-process and through the built program (whose arguments come, on Windows,
// from the wide command line): in place too, since writing beside a file is where a path's
// folder matters, and no staged file is left anywhere.
TEST(FileNames, EveryKindOfPathWorksAlike) {
  TempFolder top;
  const fs::path work = top.Path() / "work";
  fs::create_directory(work);
  const std::string deep = std::string(100, 'd') + "/" + std::string(100, 'e') + "/";
  std::vector<std::string> paths = {"Module1.bas",
                                    "./Dot.bas",
                                    "../Up.bas",
                                    "src/Forward.bas",
                                    "带 空格 的目录/模块 一.bas",
                                    deep + std::string(90, 'f') + "模块.bas"};
#ifdef _WIN32
  // What only Windows writes: backslashes, and a path from the current folder of a drive.
  const std::string drive = test_support::Utf8Text(work.root_name());
  paths.insert(paths.end(), {".\\Back.bas", "..\\Back.bas", "src\\Back.bas", drive + "Drive.bas"});
#endif
  const fs::path before = fs::current_path();
  fs::current_path(work);
  for (const bool built : {false, true}) {
    const auto run = [built](const std::vector<std::string>& args) {
      return built ? test_support::RunBinary(args) : RunTessaly(args);
    };
    for (const auto& path : paths) {
      SCOPED_TRACE(path + (built ? " through tessaly" : " in-process"));
      const fs::path file = fs::absolute(test_support::Utf8Path(path));
      fs::create_directories(file.parent_path());
      std::ofstream(file, std::ios::binary) << kFlatModule;
      const auto check = run({"fmt", "--check", path});
      EXPECT_EQ(check.status, kExitChanged) << check.err;
      EXPECT_EQ(check.out, path + "\n");
      EXPECT_EQ(run({"click", "代码缩进", path, "--line", "2"}).out, kIndentedModule);
      EXPECT_EQ(run({"fmt", "-i", path}).status, kExitOk);
      EXPECT_EQ(ReadBytes(test_support::Utf8Text(file)), kIndentedModule);
      EXPECT_EQ(run({"annotate", path + "x"}).err,
                "tessaly: " + path + "x: No such file or directory\n");
    }
  }
  fs::current_path(before);
  for (const auto& entry : fs::recursive_directory_iterator(top.Path())) {
    EXPECT_FALSE(test_support::Utf8Text(entry.path().filename()).starts_with(".tessaly-"))
        << test_support::Utf8Text(entry.path());
  }
}

}  // namespace
}  // namespace tessaly::cli
