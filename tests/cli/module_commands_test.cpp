// fmt and annotate, the commands that rewrite whole modules; modules through standard input
// and output; and the bound on what any command writes.

#include <array>
#include <set>

#include "cli/unified_diff.h"
#include "support/cli_fixture.h"
#include "support/code_fixture.h"
#include "support/framed_module.h"

namespace tessaly::cli {
namespace {

using namespace test_support;

// `tessaly annotate` annotates every procedure the editor counts over its own body, as a
// click in that body does where the range search finds the procedure: Total, both Traces, the
// Friend Property, Indented and Report, each body's code lines without a comment, and no
// header, end line, directive or declaration. (What annotation writes: tests/codetools.)
TEST(AnnotateRanges, EveryProcedureIsAnnotatedOverItsBody) {
  const auto module = SplitUtf8Lines(kFramedModule);
  const auto result = RunTessaly({"annotate", "-"}, std::string(kFramedModule));
  ASSERT_EQ(result.status, kExitOk) << result.err;
  const auto annotated = SplitUtf8Lines(result.out);
  ASSERT_EQ(annotated.size(), module.size());
  std::set<std::size_t> changed;
  for (std::size_t i = 0; i < module.size(); ++i) {
    if (annotated[i] != module[i]) changed.insert(i + 1);
  }
  EXPECT_EQ(changed, (std::set<std::size_t>{7, 14, 18, 23, 27, 29, 36}));
}

// Every command that can make a module grow, with the bound lowered to 1 MiB: re-indentation in
// the editor, comments aligned to one far column (each padded out to a line of 600 KB), and
// annotation, which repeats the long line's value in its comment. The bound is what the module
// comes to, to the byte: a result of just the bound is written.
TEST(ResultBound, EveryGrowingCommandIsRefusedPastTheBound) {
  constexpr std::size_t kLimit = std::size_t{1} << 20;
  TempFolder folder;
  const std::string nested = folder.Write("Nested.bas", NestedIfs(1'000));
  const std::string far =
      folder.Write("Far.bas", "Sub A()\r\nx = " + std::string(600 * 1024, '1') +
                                  "\r\ny = 2 ' a\r\ny = 2 ' b\r\ny = 2 ' c\r\nEnd Sub\r\n");
  const auto before = SnapshotFolder(folder);
  // fmt measures the result before its mode matters: -i stands for --check, --diff and printing.
  const std::vector<std::vector<std::string>> cases = {
      {"fmt", "-i", nested},
      {"click", "代码缩进", nested, "--line", "2", "-i"},
      {"click", "删除空行", nested, "--line", "2", "--then", "代码缩进"},
      {"click", "注解对齐", far, "--line", "2", "-i"},
      {"annotate", "-i", far},
  };
  for (const auto& args : cases) {
    SCOPED_TRACE(testing::PrintToString(args));
    const std::string path = args[0] == "click" ? args[2] : args.back();
    EXPECT_TRUE(IsRefusalInEachLanguage(
        args, {{language::MessageId::kResultLargerInMebibytes, {"1"}, path}}, "", kLimit));
    EXPECT_TRUE(SnapshotFolder(folder) == before);
  }

  const std::string module = NestedIfs(300);
  const std::string indented = RunTessaly({"fmt", "-"}, module).out;
  for (const std::vector<std::string>& args : std::vector<std::vector<std::string>>{
           {"fmt", "-"}, {"click", "代码缩进", "-", "--line", "2"}}) {
    EXPECT_EQ(RunTessaly(args, module, indented.size()).out, indented);
    EXPECT_TRUE(IsRefusalInEachLanguage(args,
                                        {{language::MessageId::kResultLargerInBytes,
                                          {std::to_string(indented.size() - 1)},
                                          "<stdin>"}},
                                        module, indented.size() - 1));
  }
}

// Modules piped through each command: the click's default is an empty selection at line 1;
// line numbers count what the editor shows; the byte order mark, LF and a missing final
// newline stay; -i has nothing to write back to.
TEST(PipedModules, KeepTheirFormThroughEveryCommand) {
  const std::string bom = "\xEF\xBB\xBF";
  // A lone CR once made the walk of a tool lose one line and write another twice, with exit 0.
  const std::string lone_cr = "Sub A()\r\nx\ry\r\nz\r\nEnd Sub\r\n";
  // Annotated with 退出过程 in code page 936 or in UTF-8.
  const std::string ascii = "Sub A()\r\nExit Sub\r\nEnd Sub\r\n";
  const std::string annotated_gbk =
      "Sub A()\r\nExit Sub '\xCD\xCB\xB3\xF6\xB9\xFD\xB3\xCC\r\nEnd Sub\r\n";
  const std::string annotated_utf8 =
      "Sub A()\r\nExit Sub '\xE9\x80\x80\xE5\x87\xBA\xE8\xBF\x87\xE7\xA8\x8B\r\nEnd Sub\r\n";
  // A form's head may come indented; it stays head, so a second run changes nothing either.
  const std::string head =
      "  VERSION 5.00\r\n\tObject = \"{0}#1.0#0\"; \"x.ocx\"\r\n  Begin VB.Form F\r\n  End\r\n"
      "   Attribute VB_Name = \"F\"\r\n";
  struct Case {
    std::vector<std::string> args;
    std::string in;
    std::string out;
    int status = kExitOk;
  };
  const Case cases[] = {
      // clang-format off
      {{"click", "公私(&J)", "-", "--line", "2"}, bom + "' 说明\nPrivate Sub 汇总()\nEnd Sub",
       bom + "' 说明\nPublic Sub 汇总()\nEnd Sub"},
      {{"fmt", "-"}, lone_cr, "Sub A()\r\n    x\r    y\r\n    z\r\nEnd Sub\r\n"},
      {{"annotate", "-"}, lone_cr, "Sub A()\r\nx 'x\ry 'y\r\nz 'z\r\nEnd Sub\r\n"},
      {{"annotate", "-"}, "Sub A()\r\n' 说明\r\nEnd Sub", "Sub A()\r\n' 说明\r\nEnd Sub"},
      {{"fmt", "-"}, head + "Sub A()\r\nx = 1\r\nEnd Sub\r\n", head + "Sub A()\r\n    x = 1\r\nEnd Sub\r\n"},
      // With -i a module from standard input still goes to standard output, changed or not.
      {{"fmt", "-i", "-"}, "Sub A()\n    x\nEnd Sub\n", "Sub A()\n    x\nEnd Sub\n"},
      {{"click", "资管(&G)", "-", "-i"}, "Sub A()\r\n", "Sub A()\r\n"},
      // Equal lines keep their own breaks where the click leaves them.
      {{"click", "删行(&X)", "-", "--line", "2"}, "Sub A()\nx = 1\r\nx = 1\nEnd Sub\n",
       "Sub A()\nx = 1\nEnd Sub\n"},
      // Plain ASCII fits both encodings; --encoding decides what Chinese text added to it
      // becomes, and only for plain ASCII.
      {{"annotate", "-"}, ascii, annotated_gbk},
      {{"annotate", "-", "--encoding", "utf-8"}, ascii, annotated_utf8},
      {{"annotate", "-", "--encoding", "utf-8"}, "' \xB4\xFA\r\n" + ascii, "' \xB4\xFA\r\n" + annotated_gbk},
      // --diff shows what formatting would change; changes more than six lines apart make
      // hunks of their own, with three lines of context.
      {{"fmt", "--diff", "-"}, "Sub A()\r\n    x = 1\r\nEnd Sub\r\n", ""},
      {{"fmt", "--diff", "-"}, "Sub A()\r\nx = 1\r\nEnd Sub",
       "--- <stdin>\n+++ <stdin>\n@@ -1,3 +1,3 @@\n Sub A()\r\n-x = 1\r\n+    x = 1\r\n End Sub\n"
       "\\ No newline at end of file\n", kExitChanged},
      {{"fmt", "--diff", "-"}, "Sub A()\nx\nEnd Sub\nSub B()\nEnd Sub\nSub C()\nEnd Sub\nSub D()\ny\nEnd Sub\n",
       "--- <stdin>\n+++ <stdin>\n@@ -1,5 +1,5 @@\n Sub A()\n-x\n+    x\n End Sub\n Sub B()\n"
       " End Sub\n@@ -6,5 +6,5 @@\n Sub C()\n End Sub\n Sub D()\n-y\n+    y\n End Sub\n", kExitChanged},
      // clang-format on
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::PrintToString(c.args));
    const auto result = RunTessaly(c.args, c.in);
    EXPECT_EQ(result.status, c.status) << result.err;
    EXPECT_EQ(result.out, c.out);
  }
}

// Standard input that fails on reading, or never ends.
struct HostileInput : std::streambuf {
  explicit HostileInput(bool fails) : fails(fails) { buffer.fill('x'); }
  int_type underflow() override {
    if (fails) throw std::ios_base::failure("read", std::make_error_code(std::errc::io_error));
    setg(buffer.data(), buffer.data(), buffer.data() + buffer.size());
    return 'x';
  }
  bool fails;
  std::array<char, 1 << 16> buffer;
};

// A read error on standard input is no empty module, and input that never ends is refused at
// the limit: one line, status 2, nothing written. A module of exactly 256 MiB, which tells the
// limit's `>` from `>=`, would take gigabytes to parse, so that edge goes untested. Clearing the
// stream after the read shows in no answer: a second "-" reads nothing either way.
TEST(PipedModules, StandardInputThatFailsOrNeverEndsIsRefused) {
  TempFolder folder;
  const std::string module = folder.Write("A.bas", kFlatModule);
  for (const bool fails : {true, false}) {
    HostileInput source(fails);
    std::istream in(&source);
    std::ostringstream out;
    std::ostringstream err;
    EXPECT_EQ(RunCommandLine({"fmt", "-i", module, "-"}, {in, out, err}), kExitBadInput);
    EXPECT_EQ(out.str(), "");
    EXPECT_EQ(err.str(),
              fails ? "tessaly: <stdin>: Input/output error\n"
                    : "tessaly: <stdin>: larger than 256 MiB, the most a module may hold\n");
    EXPECT_EQ(ReadBytes(module), kFlatModule);
  }
}

// Files of another line count make one hunk of all the lines, the old then the new.
TEST(UnifiedDiff, FilesOfAnotherLineCountAreOneHunkOfEveryLine) {
  EXPECT_EQ(UnifiedDiff("m", "a\nb\n", "a\n"), "--- m\n+++ m\n@@ -1,2 +1,1 @@\n-a\n-b\n+a\n");
}

}  // namespace
}  // namespace tessaly::cli
