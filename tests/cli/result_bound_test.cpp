// A result bounded as the input is: modules made to grow past the bound when a command
// rewrites them are refused, with nothing written.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "cli/command_line.h"
#include "support/cli_fixture.h"

namespace tessaly::cli {
namespace {

using test_support::IsRefusal;
using test_support::NestedIfs;
using test_support::RunTessaly;
using test_support::SnapshotFolder;
using test_support::TempFolder;

// The real bound, through the built program: fmt knows what the module would come to before
// it builds anything, so each mode refuses at once.
TEST(ResultBound, FmtRefusesAResultPastTheBoundBeforeBuildingIt) {
  TempFolder folder;
  const std::string path = folder.Write("Nested.bas", NestedIfs(40'000));
  const auto before = SnapshotFolder(folder);
  for (const std::vector<std::string>& args : std::vector<std::vector<std::string>>{
           {"fmt", "--check", path}, {"fmt", "--diff", path}, {"fmt", "-i", path}, {"fmt", path}}) {
    SCOPED_TRACE(testing::PrintToString(args));
    EXPECT_TRUE(IsRefusal(
        test_support::RunBinary(args),
        {path + ": the result would be larger than 256 MiB, the most a module may hold"}));
  }
  EXPECT_TRUE(SnapshotFolder(folder) == before);
}

// Every command that can make a module grow, with the bound lowered to 1 MiB: re-indentation in
// the editor, comments aligned to one far column (each padded out to a line of 512 KB), and
// annotation, which grows every line by a little.
TEST(ResultBound, EveryGrowingCommandIsRefusedAtTheBound) {
  constexpr std::size_t kLimit = std::size_t{1} << 20;
  TempFolder folder;
  const std::string nested = folder.Write("Nested.bas", NestedIfs(1'000));
  const std::string far =
      folder.Write("Far.bas", "Sub A()\r\nx = " + std::string(512 * 1024, '1') +
                                  "\r\ny = 2 ' a\r\ny = 2 ' b\r\ny = 2 ' c\r\nEnd Sub\r\n");
  std::string lines = "Sub A()\r\n";
  for (int k = 0; k < 100'000; ++k)
    lines += "x = 1\r\n";
  const std::string plain = folder.Write("Plain.bas", lines + "End Sub\r\n");
  const auto before = SnapshotFolder(folder);
  const std::vector<std::vector<std::string>> cases = {
      {"fmt", nested},
      {"click", "代码缩进", nested, "--line", "2", "-i"},
      {"click", "删除空行", nested, "--line", "2", "--then", "代码缩进"},
      {"click", "注解对齐", far, "--line", "2", "-i"},
      {"annotate", "-i", plain},
  };
  for (const auto& args : cases) {
    SCOPED_TRACE(testing::PrintToString(args));
    EXPECT_TRUE(IsRefusal(RunTessaly(args, "", kLimit),
                          {args[args[0] == "fmt" ? 1 : 2], "larger than 1 MiB"}));
    EXPECT_TRUE(SnapshotFolder(folder) == before);
  }
}

// The bound is what the module comes to, to the byte: a result of just the bound is written.
TEST(ResultBound, AResultOfJustTheBoundIsWritten) {
  const std::string module = NestedIfs(300);
  const auto whole = RunTessaly({"fmt", "-"}, module);
  ASSERT_EQ(whole.status, kExitOk);
  EXPECT_EQ(RunTessaly({"fmt", "-"}, module, whole.out.size()).out, whole.out);
  EXPECT_TRUE(IsRefusal(RunTessaly({"fmt", "-"}, module, whole.out.size() - 1),
                        {"<stdin>: the result would be larger than"}));
  const std::vector<std::string> click = {"click", "代码缩进", "-", "--line", "2"};
  EXPECT_EQ(RunTessaly(click, module).out, whole.out);
  EXPECT_EQ(RunTessaly(click, module, whole.out.size()).out, whole.out);
}

}  // namespace
}  // namespace tessaly::cli
