// Chinese file names and paths longer than Windows' old limit of 260 characters, the same on
// both faces, in-process and through the built program (whose arguments come, on Windows, from
// the wide command line).

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "cli/command_line.h"
#include "support/cli_fixture.h"

namespace tessaly::cli {
namespace {

using test_support::CommandResult;
using test_support::kFlatModule;
using test_support::kIndentedModule;
using test_support::ReadBytes;
using test_support::TempFolder;

TEST(FileNames, ChineseNamesAndLongPathsWorkAlike) {
  using Run = std::function<CommandResult(const std::vector<std::string>&)>;
  const struct {
    const char* name;
    Run run;
  } runners[] = {
      {"in-process", [](const auto& args) { return test_support::RunTessaly(args); }},
      {"tessaly", [](const auto& args) { return test_support::RunBinary(args); }},
  };
  for (const auto& runner : runners) {
    SCOPED_TRACE(runner.name);
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
      const auto check = runner.run({"fmt", "--check", path});
      EXPECT_EQ(check.status, kExitChanged) << check.err;
      EXPECT_EQ(check.out, path + "\n");
      const auto clicked = runner.run({"click", "代码缩进", path, "--line", "2"});
      EXPECT_EQ(clicked.out, kIndentedModule) << clicked.err;
      const auto in_place = runner.run({"fmt", "-i", path});
      EXPECT_EQ(in_place.status, kExitOk) << in_place.err;
      EXPECT_EQ(ReadBytes(path), kIndentedModule);
      EXPECT_EQ(runner.run({"fmt", "--check", path}).status, kExitOk);
      const auto missing = runner.run({"annotate", path + "x"});
      EXPECT_EQ(missing.err, "tessaly: " + path + "x: No such file or directory\n");
      EXPECT_EQ(missing.status, kExitBadInput);
    }
    EXPECT_EQ(folder.Entries(), (std::vector<std::string>{std::string(100, 'd'), "代码模块.bas"}));
  }
}

}  // namespace
}  // namespace tessaly::cli
