#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "cli/command_line.h"
#include "support/cli_fixture.h"

namespace tessaly::cli {
namespace {

namespace fs = std::filesystem;
using namespace std::string_literals;
using test_support::CrLfLines;
using test_support::FileSnapshot;
using test_support::IsRefusal;
using test_support::RunTessaly;
using test_support::SnapshotFolder;
using test_support::TempFolder;

// Five lines as the editor shows them, below the hidden header line.
const std::string kModule = CrLfLines({
    // clang-format off
    "Attribute VB_Name = \"Demo\"", "Sub A()", "If x Then", "y = 1 ' 中文", "End If", "End Sub",
    // clang-format on
});

// A message ending in 0xC2 makes the escaping look at the byte after it only below the
// message's size; looking one further reads the terminating null, which is no C1 control
// either, so that bound shows in no message.
//
// Wrong arguments, bad files, positions and settings: exit 2, one line on standard error that
// names the problem, nothing on standard output, and every file of the folder as it was, with
// -i too: no byte, no modification time, no temporary file, no report.
TEST(Refusals, GiveOneLineAndStatusTwoAndLeaveEveryFileAsItWas) {
  TempFolder folder;
  const std::string module = folder.Write("Demo.bas", kModule);
  const std::string binary = folder.Write("Binary.bas", "Sub A()\r\n\0End Sub\r\n"s);
  const std::string gbk =
      folder.Write("Gbk.bas", "Sub A()\r\n    x = \"\xD6\xD0\xCE\xC4\"\r\nEnd Sub\r\n");
  // Stray GBK lead bytes, which a letter inserted after them would complete.
  const std::string stray = folder.Write("Stray.bas", "Sub A()\r\nx = 1\x81\r\ny = 2\xFE\r\n");
  const std::string read_only = folder.Write("ReadOnly.bas", kModule);
  fs::permissions(read_only, fs::perms::owner_read);
  const std::string missing = (folder.Path() / "Missing.bas").string();
  // A line break, an escape sequence and a C1 control in what a message echoes.
  const std::string controls =
      test_support::Utf8Text(folder.Path() / test_support::Utf8Path("x\ny\x1B[31m\xC2\x9B.bas"));
  const std::string directory = (folder.Path() / "Folder.bas").string();
  fs::create_directory(directory);
  const std::string report = (folder.Path() / "report.json").string();
  const std::string no_registry = (folder.Path() / "none.reg").string();
  const std::string corrupt = folder.Write("corrupt.reg", "not a registry file\n");
  const std::string gbk_registry = folder.Write(
      "gbk.reg", "Windows Registry Editor Version 5.00\r\n\r\n[HKEY_CURRENT_USER\\\xD6\xD0]\r\n");
  const std::string locked_registry =
      folder.Write("locked.reg", "Windows Registry Editor Version 5.00\r\n");
  fs::permissions(locked_registry, fs::perms::owner_read);
  const std::string registry =
      folder.Write("switches.reg", "Windows Registry Editor Version 5.00\r\n");
  struct Case {
    std::vector<std::string> args;
    std::vector<std::string> parts;  // each must appear in the error line
    std::string standard_input = "";
  };
  // clang-format off
  std::vector<Case> cases = {
      // Arguments.
      {{}, {"no command given"}},
      {{"frob"}, {"unknown command 'frob'"}},
      {{"click", "代码缩进"}, {"click takes a CAPTION and a FILE"}},
      {{"click", "代码缩进", module, module}, {"click takes a CAPTION and a FILE"}},
      {{"click", "代码缩进", module, "--bogus"}, {"unknown option '--bogus'"}},
      {{"click", "代码缩进", module, "--line"}, {"--line needs a value"}},
      {{"click", "代码缩进", module, "--line", "0"}, {"--line takes a whole number from 1, not '0'"}},
      {{"click", "代码缩进", module, "--col", "-3"}, {"--col takes a whole number"}},
      {{"click", "代码缩进", module, "--line", "2x"}, {"not '2x'"}},
      {{"click", "代码缩进", module, "--line", "99999999999"}, {"not '99999999999'"}},
      {{"click", "代码缩进", module, "--to", "3"}, {"--to takes LINE:COLUMN, not '3'"}},
      {{"click", "代码缩进", module, "--to", "3:"}, {"--to takes a whole number"}},
      {{"click", "代码缩进", module, "--host", "vbx"}, {"--host takes vb6 or vba, not 'vbx'"}},
      {{"fmt"}, {"fmt takes one or more FILEs"}},
      {{"fmt", "--check", "-i", module}, {"fmt takes one of --check, --diff and -i"}},
      {{"fmt", "--encoding", "latin1", "-"}, {"--encoding takes gbk or utf-8, not 'latin1'"}},
      {{"annotate"}, {"annotate takes one or more FILEs"}},
      {{"menu", "x"}, {"menu takes no arguments"}},
      {{"demo", module}, {"demo takes no FILE"}},
      {{"demo", "--host", "vbx"}, {"--host takes vb6 or vba, not 'vbx'"}},
      {{"doctor", "x"}, {"doctor takes no operands, only --fix"}},
      {{"doctor", "--fixit"}, {"unknown option '--fixit'"}},
      // Files and positions.
      {{"click", "代码缩进", missing, "-i"}, {missing, "No such file"}},
      {{"click", "代码缩进", directory, "-i"}, {directory, "is a directory"}},
      {{"click", "代码缩进", module + "/Inner.bas"}, {module + "/Inner.bas", "Not a directory"}},
      {{"click", "代码缩进", binary, "-i"}, {binary, "binary file"}},
      {{"click", "代码缩进", "-"}, {"<stdin>: binary file"}, "Sub A()\0\r\n"s},
      {{"click", "代码缩进", module, "--line", "6", "-i"}, {module, "line 6", "5 lines"}},
      {{"click", "代码缩进", module, "--line", "5", "--col", "9", "-i"},
       {module, "column 9", "line 5", "7 characters"}},
      {{"click", "代码缩进", module, "--to", "2:99", "-i"}, {module, "column 99", "line 2"}},
      {{"click", "代码缩进", module, "--to", "7:1", "-i"}, {module, "line 7"}},
      {{"click", "公私(&J)", "-", "--line", "3"},
       {"tessaly: <stdin>: line 3 is past the module's 2 lines\n"},
       "Attribute VB_Name = \"C\"\r\nSub A()\r\nEnd Sub\r\n"},
      {{"click", "代码缩进x", module, "-i"}, {"no caption '代码缩进x'"}},
      // What a message echoes stays on its one line and sends the terminal nothing.
      {{"click", "a\nb", module}, {"no caption 'a\\nb'"}},
      {{"fmt", controls}, {"x\\ny\\x1B[31m\\xC2\\x9B.bas: No such file"}},
      {{"click", "代码缩进", module, "--line", "1\r\t"}, {"not '1\\r\\t'"}},
      {{"click", "【功能】", module, "-i"}, {"no caption '【功能】'"}},
      // U+1F600 has no code in code page 936; the click would have to write it.
      {{"click", "粘贴(&S)", gbk, "--line", "2", "--clipboard", "x = \"\xF0\x9F\x98\x80\"", "-i",
        "--report", report}, {gbk, "U+1F600", "code page 936"}},
      {{"fmt", "-i", module, missing}, {missing, "No such file"}},
      {{"fmt", "-i", module, binary}, {binary, "binary file"}},
      {{"fmt", "--check", module, directory}, {directory}},
      {{"annotate", "-i", module, missing}, {missing}},
      {{"annotate", "-i", binary, module}, {binary}},
      {{"click", "参数：可选", stray, "--line", "2", "--col", "7", "-i"},
       {stray, "line 2: the stray byte 0x81 would join the text after it"}},
      {{"click", "参数：数组", stray, "--line", "3", "--col", "7"}, {stray, "0xFE"}},
      // Every file must be writable before any is rewritten.
      {{"fmt", "-i", module, read_only}, {"ReadOnly.bas: the file is read-only"}},
      {{"annotate", "-i", module, read_only}, {"ReadOnly.bas: the file is read-only"}},
      // The report is written only when the command succeeds, and never over the module.
      {{"click", "代码缩进", module, "-i", "--report", missing + "/report.json"},
       {"cannot write the report", missing + "/report.json"}},
      {{"click", "代码缩进", module, "--line", "2", "--report", module}, {"names the module itself"}},
      {{"click", "代码缩进", read_only, "--line", "2", "-i", "--report", report}, {read_only}},
      // Settings and the registry file.
      {{"about", "--registry", no_registry, "--set", "菜单=1"}, {"--set takes"}},
      {{"about", "--registry", no_registry, "--set", "功能菜单=2"}, {"takes 0 or 1"}},
      {{"about", "--registry", no_registry, "--set", "功能菜单"}, {"takes 0 or 1"}},
      {{"about", "--registry", no_registry, "--host", "vb5"}, {"vb5"}},
      {{"about", "--registry", no_registry, "--host", "vba", "--set", "鼠标滚轮=1"},
       {"cannot be changed in this editor"}},
      // Every switch is checked before any is stored.
      {{"about", "--registry", no_registry, "--host", "vba", "--set", "功能菜单=1", "--set",
        "鼠标滚轮=1"},
       {"鼠标滚轮", "cannot be changed in this editor"}},
      {{"about", "--registry", registry, "--host", "vba", "--set", "调整窗口=0", "--set",
        "多标签页=0", "--set", "鼠标滚轮=0"},
       {"cannot be changed in this editor"}},
      {{"about", "--registry", corrupt}, {corrupt}},
      {{"about", "--registry", gbk_registry, "--set", "鼠标滚轮=0"}, {gbk_registry}},
      {{"about", "--registry", locked_registry, "--set", "鼠标滚轮=1"}, {locked_registry}},
  };
  // clang-format on

  const auto before = SnapshotFolder(folder);
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::PrintToString(c.args));
    EXPECT_TRUE(IsRefusal(RunTessaly(c.args, c.standard_input), c.parts));
    EXPECT_TRUE(SnapshotFolder(folder) == before);
  }
}

// A result that cannot reach standard output is a failure, also where the command's own
// status tells of a change, and no file is put in place unless standard output took
// everything.
TEST(Refusals, LostStandardOutputIsAnError) {
  TempFolder folder;
  const std::string module = folder.Write("Demo.bas", kModule);
  const std::vector<std::string> commands[] = {
      {"menu"},
      {"fmt", "--check", module},
      {"fmt", "-i", module, "-"},
      {"annotate", "-i", module, "-"},
      {"click", "代码缩进", "-", "--line", "3", "-i"},
  };
  const auto before = SnapshotFolder(folder);
  for (const auto& args : commands) {
    SCOPED_TRACE(testing::PrintToString(args));
    std::istringstream in(kModule);
    std::ostream lost(nullptr);  // every write fails, as on a full disk
    std::ostringstream err;
    EXPECT_EQ(RunCommandLine(args, {in, lost, err}), kExitBadInput);
    EXPECT_EQ(err.str(), "tessaly: cannot write to standard output\n");
    EXPECT_TRUE(SnapshotFolder(folder) == before);
  }
}

// Output into a pipe whose reader has gone fails as a write, with status 2 and the one line,
// rather than killing the program; a module given with -i stays as it was.
TEST(Refusals, AClosedPipeIsAFailedWrite) {
  TempFolder folder;
  const std::string module = folder.Write("Demo.bas", kModule);
  const std::vector<std::string> commands[] = {{"fmt", module}, {"annotate", "-i", module, "-"}};
  for (const auto& args : commands) {
    SCOPED_TRACE(testing::PrintToString(args));
    const FileSnapshot before(module);
    const auto result = test_support::RunBinary(args, kModule, /*output_closed=*/true);
    EXPECT_EQ(result.status, kExitBadInput);
    EXPECT_EQ(result.err, "tessaly: cannot write to standard output\n");
    EXPECT_TRUE(FileSnapshot(module) == before);
  }
}

}  // namespace
}  // namespace tessaly::cli
