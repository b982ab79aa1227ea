// The command line as a whole: help, the menu, every kind of path, and the refusals of bad
// arguments, files and settings with status 2 and one line.

#include "cli/command_line.h"

#include <fstream>
#include "support/cli_fixture.h"

namespace tessaly::cli {
namespace {

namespace fs = std::filesystem;
using namespace std::string_literals;
using namespace test_support;

// Help, version and the bar as the add-in built it (its make-up is the menu's own tests'
// concern) go to standard output: the bar one control a line, four blanks deeper in a popup, a
// rule above each group, a tip after its caption.
TEST(CommandLineTest, HelpVersionAndMenuGoToStandardOutput) {
  const auto help = RunTessaly({"--help"});
  const TempFolder no_snippets;
  const auto menu = RunTessaly({"menu", "--snippets", Utf8Text(no_snippets.Path())});
  EXPECT_EQ(help.status + menu.status, kExitOk);
  EXPECT_EQ(help.err + menu.err, "");
  EXPECT_NE(help.out.find("\n  fmt [--check | --diff | -i]"), std::string::npos);
  EXPECT_EQ(RunTessaly({"-h"}).out, help.out);
  EXPECT_EQ(RunTessaly({"--version"}).out, "tessaly 1.36.0\n");
  EXPECT_TRUE(menu.out.starts_with("TessalyIDE\n    [启禁类\n        启用屏幕更新\n"));
  EXPECT_NE(menu.out.find("\n        ──────\n        撤销上次修改\n    ──────\n    我的代码\n"
                          "        刷新\n        打开片段文件夹\n    ──────\n"
                          "    资管(&G)    (工程资源管理器窗口)\n"),
            std::string::npos)
      << menu.out;
}

// Every way a user, cmd, Git Bash or pre-commit names a module relative to the folder the
// program runs in, Chinese names and paths longer than Windows' old limit of 260 characters
// included, alike in-process and through the built program (whose arguments come, on Windows,
// from the wide command line). fmt --check lists each file that would change and exits 1, plain
// fmt writes the results to standard output, -i rewrites only the files that change: in place,
// since writing beside a file is where a path's folder matters, no staged file is left.
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
  const std::string drive = Utf8Text(work.root_name());
  paths.insert(paths.end(), {".\\Back.bas", "..\\Back.bas", "src\\Back.bas", drive + "Drive.bas"});
#endif
  const std::string indented = top.Write("Indented.bas", kIndentedModule);
  const FileSnapshot formatted(indented);
  const fs::path before = fs::current_path();
  fs::current_path(work);
  for (const bool built : {false, true}) {
    const auto run = [built](const std::vector<std::string>& args) {
      return built ? RunBinary(args) : RunTessaly(args);
    };
    for (const auto& path : paths) {
      SCOPED_TRACE(path + (built ? " through tessaly" : " in-process"));
      const fs::path file = fs::absolute(Utf8Path(path));
      fs::create_directories(file.parent_path());
      std::ofstream(file, std::ios::binary) << kFlatModule;
      const auto check = run({"fmt", "--check", path, "../Indented.bas", path});
      EXPECT_EQ(check.status, kExitChanged) << check.err;
      EXPECT_EQ(check.out, path + "\n" + path + "\n");
      const auto click = run({"click", "代码缩进", path, "--line", "2"});
      EXPECT_EQ(click.out, kIndentedModule) << click.status << " " << click.err;
      EXPECT_EQ(run({"fmt", path, "../Indented.bas"}).out, kIndentedModule + kIndentedModule);
      const auto in_place = run({"fmt", "-i", path, "../Indented.bas"});
      EXPECT_EQ(in_place.status, kExitOk) << in_place.err;
      EXPECT_EQ(ReadBytes(Utf8Text(file)), kIndentedModule);
      // Already formatted: not rewritten.
      EXPECT_TRUE(FileSnapshot(indented) == formatted);
      EXPECT_EQ(run({"annotate", path + "x"}).err,
                "tessaly: " + path + "x: No such file or directory\n");
    }
  }
  fs::current_path(before);
  for (const auto& entry : fs::recursive_directory_iterator(top.Path())) {
    EXPECT_FALSE(Utf8Text(entry.path().filename()).starts_with(".tessaly-"))
        << Utf8Text(entry.path());
  }
}

// A message ending in 0xC2 makes the escaping look at the byte after it only below the
// message's size; looking one further reads the terminating null, which is no C1 control
// either, so that bound shows in no message.
//
// Wrong arguments, bad files, positions and settings: exit 2, one line on standard error that
// names the problem, nothing on standard output, and every file of the folder as it was, with
// -i too: no byte, no modification time, no temporary file, no report. A command of several
// files checks them all before it writes any.
TEST(Refusals, GiveOneLineAndStatusTwoAndLeaveEveryFileAsItWas) {
  TempFolder folder;
  const std::string module = folder.Write("Demo.bas", kFlatModule);
  const std::string binary = folder.Write("Binary.bas", "Sub A()\r\n\0End Sub\r\n"s);
  // A stray GBK lead byte, which a letter inserted after it would complete.
  const std::string stray = folder.Write("Stray.bas", "Sub A()\r\nx = 1\x81\r\n");
  const std::string read_only = folder.Write("ReadOnly.bas", kFlatModule);
  fs::permissions(read_only, fs::perms::owner_read);
  const std::string missing = (folder.Path() / "Missing.bas").string();
  // A line break, an escape sequence and a C1 control in what a message echoes.
  const std::string controls = Utf8Text(folder.Path() / Utf8Path("x\ny\x1B[31m\xC2\x9B.bas"));
  const std::string directory = (folder.Path() / "Folder.bas").string();
  fs::create_directory(directory);
  const std::string report = (folder.Path() / "report.json").string();
  const std::string corrupt = folder.Write("corrupt.reg", "not a registry file\n");
  const std::string locked = folder.Write("locked.reg", "Windows Registry Editor Version 5.00\r\n");
  fs::permissions(locked, fs::perms::owner_read);
  const std::string click = "代码缩进";
  // What the line must say: a message of the table in the language of the run, or a text
  // that stays as it is in every language (the system's, the add-in's own).
  using language::Message;
  using enum language::MessageId;
  const auto as_is = [](const std::string& text) { return Message{kSystemReason, {text}, {}}; };
  const struct {
    std::vector<std::string> args;
    std::vector<Message> said;
    std::string standard_input = "";
  } cases[] = {
      // clang-format off
      {{}, {{kNoCommand, {}, {}}}},
      {{"frob"}, {{kUnknownCommand, {"frob"}, {}}}},
      {{"click", click}, {{kClickOperands, {}, {}}}},
      {{"click", click, module, "--bogus"}, {{kUnknownOption, {"--bogus"}, {}}}},
      {{"click", click, module, "--line"}, {{kNeedsValue, {"--line"}, {}}}},
      {{"fmt", "--check", "-i", module}, {{kFormatModes, {}, {}}}},
      {{"click", click, directory, "-i"}, {{kIsADirectory, {}, directory}}},
      {{"click", click, "-"}, {{kBinaryFile, {}, "<stdin>"}}, "Sub A()\0\r\n"s},
      // What a message echoes stays on its one line and sends the terminal nothing.
      {{"click", "a\nb", module}, {{kNoSuchCaption, {"a\\nb"}, {}}}},
      {{"fmt", controls}, {{kNoSuchFile, {}, "x\\ny\\x1B[31m\\xC2\\x9B.bas"}}},
      // The last C1 control and the first character after them.
      {{"click", "a\xC2\x9F\xC2\xA0", module}, {{kNoSuchCaption, {"a\\xC2\\x9F\xC2\xA0"}, {}}}},
      {{"click", click, module, "--line", "1\r\t"}, {{kWholeNumber, {"--line", "1\\r\\t"}, {}}}},
      // U+1F600 has no code in code page 936; the click would have to write it.
      {{"click", "粘贴(&S)", stray, "--line", "2", "--clipboard", "x = \"\xF0\x9F\x98\x80\"", "-i",
        "--report", report}, {{kUnencodable, {"2", "U+1F600", kCodePage936}, stray}}},
      {{"click", "参数：可选", stray, "--line", "2", "--col", "7", "-i"},
       {{kStrayByte, {"2", "0x81", kCodePage936}, stray}}},
      {{"fmt", "-i", module, binary}, {{kBinaryFile, {}, binary}}},
      {{"annotate", "-i", binary, module}, {{kBinaryFile, {}, binary}}},
      {{"fmt", "-i", module, read_only}, {{kCannotWriteBecause, {read_only, kReadOnly}, {}}}},
      // The report is written only when the command succeeds, and never over the module.
      {{"click", click, module, "-i", "--report", missing + "/report.json"},
       {{kReportCannotBeWritten, {missing + "/report.json"}, {}}}},
      {{"click", click, module, "--line", "2", "--report", module}, {{kReportIsTheModule, {module}, {}}}},
      // Settings and the registry file; every switch is checked before any is stored.
      {{"about", "--registry", missing, "--set", "菜单=1"}, {{kSetKey, {"菜单"}, {}}}},
      {{"about", "--registry", missing, "--set", "功能菜单=2"}, {{kSetValue, {"功能菜单", "2"}, {}}}},
      {{"about", "--registry", missing, "--host", "vba", "--set", "功能菜单=1", "--set", "鼠标滚轮=1"},
       {{kCannotBeChangedHere, {"鼠标滚轮"}, {}}}},
      {{"about", "--registry", corrupt}, {as_is(corrupt)}},
      {{"about", "--registry", locked, "--set", "鼠标滚轮=1"}, {as_is(locked)}},
      // clang-format on
  };
  const auto before = SnapshotFolder(folder);
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::PrintToString(c.args));
    EXPECT_TRUE(IsRefusalInEachLanguage(c.args, c.said, c.standard_input));
    EXPECT_TRUE(SnapshotFolder(folder) == before);
  }
}

// A result that cannot reach standard output is a failure, also where the command's own
// status tells of a change, and no file is put in place unless standard output took
// everything. A pipe whose reader has gone fails as a write, as a full disk does, rather than
// killing the program.
TEST(Refusals, LostStandardOutputIsAnError) {
  TempFolder folder;
  const std::string module = folder.Write("Demo.bas", kFlatModule);
  const std::vector<std::string> commands[] = {
      {"menu"}, {"fmt", "-i", module, "-"}, {"click", "代码缩进", "-", "--line", "3", "-i"}};
  const auto before = SnapshotFolder(folder);
  for (const auto& args : commands) {
    SCOPED_TRACE(testing::PrintToString(args));
    const auto piped = RunBinary(args, kFlatModule, /*output_closed=*/true);
    EXPECT_EQ(piped.status, kExitBadInput);
    EXPECT_EQ(piped.err, "tessaly: cannot write to standard output\n");
    EXPECT_TRUE(SnapshotFolder(folder) == before);
  }
}

}  // namespace
}  // namespace tessaly::cli
