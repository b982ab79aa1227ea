// Chinese file names and paths longer than Windows' old limit of 260 characters, the same on
// both faces, in-process and through the built program (whose arguments come, on Windows, from
// the wide command line).

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "cli/command_line.h"
#include "support/cli_fixture.h"

namespace tessaly::cli {
namespace {

using test_support::kFlatModule;
using test_support::kIndentedModule;
using test_support::ReadBytes;

TEST(FileNames, ChineseNamesAndLongPathsWorkAlike) {
  for (const bool built : {false, true}) {
    SCOPED_TRACE(built ? "tessaly" : "in-process");
    const auto run = [built](const std::vector<std::string>& args) {
      return built ? test_support::RunBinary(args) : test_support::RunTessaly(args);
    };
    test_support::TempFolder folder;
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
