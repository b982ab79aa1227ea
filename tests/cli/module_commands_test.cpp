// fmt and annotate, the commands that rewrite whole modules, and the bound on what any command
// writes.

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

#include "cli/command_line.h"
#include "support/cli_fixture.h"
#include "support/code_fixture.h"
#include "support/framed_module.h"

namespace tessaly::cli {
namespace {

using test_support::FileSnapshot;
using test_support::IsRefusal;
using test_support::kFlatModule;
using test_support::kIndentedModule;
using test_support::NestedIfs;
using test_support::ReadBytes;
using test_support::RunTessaly;
using test_support::SnapshotFolder;
using test_support::TempFolder;

// --check lists each file that would change, once, and exits 1; plain fmt writes the results
// to standard output; -i rewrites only the files that change. The temporary name does not grow
// with the file's: names near the system's limit of 255 bytes are rewritten too.
TEST(FormatCommandTest, ChecksShowsOrRewrites) {
  TempFolder folder;
  const std::string flat_name = std::string(246, 'f') + "Flat.bas";
  const std::string flat = folder.Write(flat_name, kFlatModule);
  const std::string indented = folder.Write("Indented.bas", kIndentedModule);
  const std::string other = folder.Write("Other.bas", kFlatModule);
  EXPECT_EQ(RunTessaly({"fmt", "--check", indented}).status, kExitOk);
  const auto listed = RunTessaly({"fmt", "--check", indented, flat, indented, other});
  EXPECT_EQ(listed.status, kExitChanged);
  EXPECT_EQ(listed.out, flat + "\n" + other + "\n");
  EXPECT_EQ(RunTessaly({"fmt", flat, indented}).out, kIndentedModule + kIndentedModule);
  EXPECT_EQ(ReadBytes(flat), kFlatModule);

  const FileSnapshot indented_before(indented);
  const auto in_place = RunTessaly({"fmt", "-i", flat, indented});
  EXPECT_EQ(in_place.status, kExitOk) << in_place.err;
  EXPECT_EQ(in_place.out, "");
  EXPECT_EQ(ReadBytes(flat), kIndentedModule);
  EXPECT_TRUE(FileSnapshot(indented) == indented_before);  // already formatted: not rewritten
  EXPECT_EQ(folder.Entries(), (std::vector<std::string>{"Indented.bas", "Other.bas", flat_name}));
}

// `tessaly annotate` annotates every procedure the editor counts over its own body, as a
// click in that body does where the range search finds the procedure: Total, both Traces, the
// Friend Property, Indented and Report, each body's code lines without a comment, and no
// header, end line, directive or declaration. (What annotation writes: tests/codetools.)
TEST(AnnotateRanges, EveryProcedureIsAnnotatedOverItsBody) {
  const auto module = test_support::SplitUtf8Lines(test_support::kFramedModule);
  const auto result = RunTessaly({"annotate", "-"}, std::string(test_support::kFramedModule));
  ASSERT_EQ(result.status, kExitOk) << result.err;
  const auto annotated = test_support::SplitUtf8Lines(result.out);
  ASSERT_EQ(annotated.size(), module.size());
  std::set<std::size_t> changed;
  for (std::size_t i = 0; i < module.size(); ++i) {
    if (annotated[i] != module[i]) changed.insert(i + 1);
  }
  EXPECT_EQ(changed, (std::set<std::size_t>{7, 14, 18, 23, 27, 29, 36}));
}

// Every command that can make a module grow, with the bound lowered to 1 MiB: re-indentation in
// the editor, comments aligned to one far column (each padded out to a line of 512 KB), and
// annotation, which grows every line by a little. The bound is what the module comes to, to
// the byte: a result of just the bound is written.
TEST(ResultBound, EveryGrowingCommandIsRefusedPastTheBound) {
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
      {"fmt", "--check", nested},
      {"fmt", "--diff", nested},
      {"fmt", "-i", nested},
      {"click", "代码缩进", nested, "--line", "2", "-i"},
      {"click", "删除空行", nested, "--line", "2", "--then", "代码缩进"},
      {"click", "注解对齐", far, "--line", "2", "-i"},
      {"annotate", "-i", plain},
  };
  for (const auto& args : cases) {
    SCOPED_TRACE(testing::PrintToString(args));
    EXPECT_TRUE(IsRefusal(RunTessaly(args, "", kLimit),
                          {args[0] == "click" ? args[2] : args.back(), "larger than 1 MiB"}));
    EXPECT_TRUE(SnapshotFolder(folder) == before);
  }

  const std::string module = NestedIfs(300);
  const std::string indented = RunTessaly({"fmt", "-"}, module).out;
  for (const std::vector<std::string>& args : std::vector<std::vector<std::string>>{
           {"fmt", "-"}, {"click", "代码缩进", "-", "--line", "2"}}) {
    EXPECT_EQ(RunTessaly(args, module, indented.size()).out, indented);
    EXPECT_TRUE(IsRefusal(RunTessaly(args, module, indented.size() - 1),
                          {"<stdin>: the result would be larger than"}));
  }
}

}  // namespace
}  // namespace tessaly::cli
