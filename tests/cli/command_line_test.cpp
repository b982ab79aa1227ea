#include "cli/command_line.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>
#include <string>

#include <unistd.h>

#include <algorithm>
#include <regex>
#include <vector>
#include "support/cli_fixture.h"

namespace tessaly::cli {
namespace {

using namespace std::string_literals;
using test_support::CrLfLines;
using test_support::FileSnapshot;
using test_support::ReadBytes;
using test_support::RunTessaly;
using test_support::TempFolder;

// Five lines as the editor shows them, below the hidden header line.
const std::string kModule = CrLfLines({
    // clang-format off
    "Attribute VB_Name = \"Demo\"", "Sub A()", "If x Then", "y = 1 ' 中文", "End If", "End Sub",
    // clang-format on
});

TEST(CommandLineTest, HelpAndVersionGoToStandardOutput) {
  const auto help = RunTessaly({"--help"});
  EXPECT_EQ(help.status, kExitOk);
  EXPECT_NE(help.out.find("click CAPTION FILE"), std::string::npos);
  EXPECT_NE(help.out.find("fmt [--check | --diff | -i]"), std::string::npos);
  EXPECT_EQ(help.err, "");

  const auto version = RunTessaly({"--version"});
  EXPECT_EQ(version.status, kExitOk);
  EXPECT_EQ(version.out, "tessaly 1.36.0\n");
}

// Wrong arguments: exit 2, one line on standard error that names the problem, nothing on
// standard output.
TEST(CommandLineTest, WrongArgumentsGiveOneLineAndStatusTwo) {
  TempFolder folder;
  const std::string module = folder.Write("Demo.bas", kModule);
  struct Case {
    std::vector<std::string> args;
    std::string names;
  };
  // clang-format off
  const Case cases[] = {
      {{}, "no command given"},
      {{"frob"}, "unknown command 'frob'"},
      {{"click", "代码缩进"}, "click takes a CAPTION and a FILE"},
      {{"click", "代码缩进", module, module}, "click takes a CAPTION and a FILE"},
      {{"click", "代码缩进", module, "--bogus"}, "unknown option '--bogus'"},
      {{"click", "代码缩进", module, "--line"}, "--line needs a value"},
      {{"click", "代码缩进", module, "--line", "0"}, "--line takes a whole number from 1, not '0'"},
      {{"click", "代码缩进", module, "--col", "-3"}, "--col takes a whole number"},
      {{"click", "代码缩进", module, "--line", "2x"}, "not '2x'"},
      {{"click", "代码缩进", module, "--line", "99999999999"}, "not '99999999999'"},
      {{"click", "代码缩进", module, "--to", "3"}, "--to takes LINE:COLUMN, not '3'"},
      {{"click", "代码缩进", module, "--to", "3:"}, "--to takes a whole number"},
      {{"click", "代码缩进", module, "--host", "vbx"}, "--host takes vb6 or vba, not 'vbx'"},
      {{"fmt"}, "fmt takes one or more FILEs"},
      {{"fmt", "--check", "-i", module}, "fmt takes one of --check, --diff and -i"},
      {{"annotate"}, "annotate takes one or more FILEs"},
      {{"menu", "x"}, "menu takes no arguments"},
      {{"demo", module}, "demo takes no FILE"},
      {{"demo", "--host", "vbx"}, "--host takes vb6 or vba, not 'vbx'"},
  };
  // clang-format on
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::PrintToString(c.args));
    const FileSnapshot before(module);
    const auto result = RunTessaly(c.args);
    EXPECT_EQ(result.status, kExitBadInput);
    ASSERT_EQ(result.ErrorLines().size(), 1u) << result.err;
    EXPECT_NE(result.err.find(c.names), std::string::npos) << result.err;
    EXPECT_EQ(result.err.rfind("tessaly: ", 0), 0u) << result.err;
    EXPECT_EQ(result.out, "");
    EXPECT_TRUE(FileSnapshot(module) == before);
  }
}

// Bad input files and positions: exit 2, one line naming the file and the problem, and the
// file's bytes and modification time as they were, with -i too; no temporary file is left.
TEST(CommandLineTest, BadInputWritesNothing) {
  TempFolder folder;
  const std::string module = folder.Write("Demo.bas", kModule);
  const std::string binary = folder.Write("Binary.bas", "Sub A()\r\n\0End Sub\r\n"s);
  const std::string missing = (folder.Path() / "Missing.bas").string();
  const std::string directory = (folder.Path() / "Folder.bas").string();
  std::filesystem::create_directory(directory);
  const std::string under_a_file = module + "/Inner.bas";
  const std::string gbk =
      folder.Write("Gbk.bas", "Sub A()\r\n    x = \"\xD6\xD0\xCE\xC4\"\r\nEnd Sub\r\n");

  struct Case {
    std::string name;
    std::vector<std::string> args;
    std::vector<std::string> named;  // each must appear in the error line
  };
  // clang-format off
  std::vector<Case> cases = {
      {"missing file", {"click", "代码缩进", missing, "-i"}, {missing, "No such file"}},
      {"folder", {"click", "代码缩进", directory, "-i"}, {directory, "is a directory"}},
      {"path through a file", {"click", "代码缩进", under_a_file},
       {under_a_file, "Not a directory"}},
      {"binary file", {"click", "代码缩进", binary, "-i"}, {binary, "binary file"}},
      {"line past the end", {"click", "代码缩进", module, "--line", "6", "-i"},
       {module, "line 6", "5 lines"}},
      {"column past the end", {"click", "代码缩进", module, "--line", "5", "--col", "9", "-i"},
       {module, "column 9", "line 5", "7 characters"}},
      {"selection end past the end", {"click", "代码缩进", module, "--to", "2:99", "-i"},
       {module, "column 99", "line 2"}},
      {"selection end line past the end", {"click", "代码缩进", module, "--to", "7:1", "-i"},
       {module, "line 7"}},
      {"unknown caption", {"click", "代码缩进x", module, "-i"}, {"no caption '代码缩进x'"}},
      {"caption of a popup", {"click", "【功能】", module, "-i"}, {"no caption '【功能】'"}},
      {"report cannot be written",
       {"click", "代码缩进", module, "-i", "--report", missing + "/report.json"},
       {"cannot write the report", missing + "/report.json"}},
      // U+1F600 has no code in code page 936; the click would have to write it.
      {"character the encoding cannot hold",
       {"click", "粘贴(&S)", gbk, "--line", "2", "--clipboard", "x = \"\xF0\x9F\x98\x80\"", "-i",
        "--report", (folder.Path() / "report.json").string()}, {gbk, "U+1F600", "code page 936"}},
      {"fmt with a missing file", {"fmt", "-i", module, missing}, {missing, "No such file"}},
      {"fmt with a binary file", {"fmt", "-i", module, binary}, {binary, "binary file"}},
      {"fmt --check with a folder", {"fmt", "--check", module, directory}, {directory}},
      {"annotate with a missing file", {"annotate", "-i", module, missing}, {missing}},
      {"annotate with a binary file", {"annotate", "-i", binary, module}, {binary}},
  };
  // clang-format on
  // The superuser reads a file whatever its permission bits say.
  if (::geteuid() != 0) {
    const std::string locked = folder.Write("Locked.bas", kModule);
    std::filesystem::permissions(locked, std::filesystem::perms::none);
    cases.push_back({"unreadable file", {"click", "代码缩进", locked, "-i"}, {locked}});
  }

  const auto entries = folder.Entries();
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    const FileSnapshot module_before(module);
    const FileSnapshot binary_before(binary);
    const FileSnapshot gbk_before(gbk);
    const auto result = RunTessaly(c.args);
    EXPECT_EQ(result.status, kExitBadInput);
    ASSERT_EQ(result.ErrorLines().size(), 1u) << result.err;
    for (const auto& part : c.named) {
      EXPECT_NE(result.err.find(part), std::string::npos) << result.err << " lacks " << part;
    }
    EXPECT_EQ(result.out, "");
    EXPECT_TRUE(FileSnapshot(module) == module_before);
    EXPECT_TRUE(FileSnapshot(binary) == binary_before);
    EXPECT_TRUE(FileSnapshot(gbk) == gbk_before);
    EXPECT_EQ(folder.Entries(), entries);
  }
}

TEST(CommandLineTest, BadStandardInputIsNamedAsSuch) {
  const auto result = RunTessaly({"click", "代码缩进", "-"}, "Sub A()\0\r\n"s);
  EXPECT_EQ(result.status, kExitBadInput);
  ASSERT_EQ(result.ErrorLines().size(), 1u);
  EXPECT_NE(result.err.find("<stdin>: binary file"), std::string::npos) << result.err;
  EXPECT_EQ(result.out, "");
}

// A result that cannot reach standard output is a failure, whatever the command.
TEST(CommandLineTest, LostStandardOutputIsAnError) {
  TempFolder folder;
  const std::string module = folder.Write("Demo.bas", kModule);
  const std::vector<std::string> commands[] = {{"menu"},
                                               {"demo"},
                                               {"fmt", module},
                                               {"fmt", "--check", module},
                                               {"click", "代码缩进", module}};
  for (const auto& args : commands) {
    SCOPED_TRACE(testing::PrintToString(args));
    std::istringstream in;
    std::ostream lost(nullptr);  // every write fails, as on a full disk
    std::ostringstream err;
    EXPECT_EQ(RunCommandLine(args, {in, lost, err}), kExitBadInput);
    EXPECT_EQ(err.str(), "tessaly: cannot write to standard output\n");
  }
}

const std::string kSourceDir = TESSALY_SOURCE_DIR;

// The commands of the README's ```sh blocks, in order.
std::vector<std::string> ReadmeCommands() {
  const std::string readme = ReadBytes(kSourceDir + "/README.md");
  std::vector<std::string> commands;
  for (std::size_t at = readme.find("```sh\n"); at != std::string::npos;
       at = readme.find("```sh\n", at + 1)) {
    const std::size_t begin = at + 6;
    commands.push_back(readme.substr(begin, readme.find('\n', begin) - begin));
  }
  return commands;
}

// A new user's first command builds only what it runs; the test command, which CI runs as it
// stands, builds the rest.
TEST(FirstUse, TheFirstCommandBuildsOnlyWhatItRuns) {
  const auto commands = ReadmeCommands();
  ASSERT_GE(commands.size(), 2u);
  EXPECT_NE(commands[0].find("cmake --build build -j2 --target tessaly && ./build/tessaly "),
            std::string::npos)
      << commands[0];
  EXPECT_EQ(commands[1].find("--target"), std::string::npos) << commands[1];
  EXPECT_NE(ReadBytes(kSourceDir + "/.ci/run").find("\n" + commands[1] + "\n"), std::string::npos);
}

TEST(FirstUse, DiffShowsWhatFormattingWouldChange) {
  struct Case {
    std::string module;
    int status;
    std::string diff;
  };
  const Case cases[] = {
      {"Sub A()\r\n    x = 1\r\nEnd Sub\r\n", kExitOk, ""},
      {"Sub A()\r\nx = 1\r\nEnd Sub", kExitChanged,
       "--- <stdin>\n+++ <stdin>\n@@ -1,3 +1,3 @@\n Sub A()\r\n-x = 1\r\n+    x = 1\r\n End Sub\n"
       "\\ No newline at end of file\n"},
      // Changes more than six lines apart make hunks of their own, with three lines of context.
      {"Sub A()\nx\nEnd Sub\nSub B()\nEnd Sub\nSub C()\nEnd Sub\nSub D()\ny\nEnd Sub\n",
       kExitChanged,
       "--- <stdin>\n+++ <stdin>\n@@ -1,5 +1,5 @@\n Sub A()\n-x\n+    x\n End Sub\n Sub B()\n"
       " End Sub\n@@ -6,5 +6,5 @@\n Sub C()\n End Sub\n Sub D()\n-y\n+    y\n End Sub\n"},
  };
  for (const auto& c : cases) {
    const auto result = RunTessaly({"fmt", "--diff", "-"}, c.module);
    EXPECT_EQ(result.status, c.status) << result.err;
    EXPECT_EQ(result.out, c.diff);
  }
}

// Plain ASCII fits both encodings; --encoding decides what Chinese text added to it becomes.
TEST(FirstUse, EncodingDecidesForPlainAsciiOnly) {
  const std::string ascii = "Sub A()\r\nDim x As Long\r\nEnd Sub\r\n";
  const std::string gbk = "Sub A()\r\n\xB4\xFA = 1\r\nEnd Sub\r\n";
  struct Case {
    std::vector<std::string> options;
    std::string module;
    std::string comment_start;  // 定义 in the file's encoding
  };
  const Case cases[] = {
      {{}, ascii, "'\xB6\xA8\xD2\xE5"},
      {{"--encoding", "gbk"}, ascii, "'\xB6\xA8\xD2\xE5"},
      {{"--encoding", "utf-8"}, ascii, "'\xE5\xAE\x9A\xE4\xB9\x89"},
      {{"--encoding", "utf-8"}, gbk, "'\xB4\xFA"},  // the bytes decide: stays GBK
  };
  for (const auto& c : cases) {
    std::vector<std::string> args = {"annotate", "-"};
    args.insert(args.end(), c.options.begin(), c.options.end());
    const auto result = RunTessaly(args, c.module);
    EXPECT_EQ(result.status, kExitOk) << result.err;
    EXPECT_NE(result.out.find(c.comment_start), std::string::npos) << testing::PrintToString(args);
  }
  const auto wrong = RunTessaly({"fmt", "--encoding", "latin1", "-"}, ascii);
  EXPECT_EQ(wrong.status, kExitBadInput);
  EXPECT_EQ(wrong.err, "tessaly: --encoding takes gbk or utf-8, not 'latin1'\n");
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
  const auto formatted = folder.Write("A.bas", "Sub A()\r\n    x = 1\r\nEnd Sub\r\n");
  const auto unformatted = folder.Write("B.bas", "Sub B()\r\nx = 1\r\nEnd Sub\r\n");
  std::vector<std::string> args;
  std::istringstream words(entry[1].str());
  for (std::string word; words >> word;)
    args.push_back(word);
  args.push_back(formatted);
  EXPECT_EQ(RunTessaly(args).status, kExitOk);
  args.push_back(unformatted);
  const auto result = RunTessaly(args);
  EXPECT_EQ(result.status, kExitChanged);
  EXPECT_EQ(result.out, unformatted + "\n");
}

const std::string kSeparator = "──────";

// The lines indented by `depth` levels of four blanks, in order, and nothing deeper.
std::vector<std::string> AtDepth(const std::string& text, std::size_t depth) {
  const std::string indent(4 * depth, ' ');
  std::vector<std::string> found;
  std::istringstream stream(text);
  for (std::string line; std::getline(stream, line);) {
    if (line.compare(0, indent.size(), indent) == 0 && line.size() > indent.size() &&
        line[indent.size()] != ' ') {
      found.push_back(line.substr(indent.size()));
    }
  }
  return found;
}

// The bar's 24 controls in bar order, 8 popups holding 163 items and 16 buttons with their
// tips, and a separator wherever a control begins a group; the tools popup shown whole.
TEST(MenuCommandTest, ShowsTheBarInBarOrder) {
  const auto result = RunTessaly({"menu"});
  ASSERT_EQ(result.status, kExitOk) << result.err;
  EXPECT_EQ(AtDepth(result.out, 0), std::vector<std::string>{"TessalyIDE"});
  const auto top = AtDepth(result.out, 1);
  ASSERT_EQ(top.size(), 32u);
  EXPECT_EQ(std::count(top.begin(), top.end(), kSeparator), 8);
  EXPECT_EQ((std::vector<std::string>(top.begin(), top.begin() + 4)),
            (std::vector<std::string>{"[启禁类", "控制类", "常用语]", kSeparator}));
  EXPECT_EQ(top[12], "资管(&G)    (工程资源管理器窗口)");
  EXPECT_EQ(top[27], "文本    (强制文本\"*\")");
  EXPECT_EQ(top.back(), "关于程序    (关于本程序)");

  const auto items = AtDepth(result.out, 2);
  EXPECT_EQ(items.size() - std::count(items.begin(), items.end(), kSeparator), 163u);
  EXPECT_TRUE(AtDepth(result.out, 3).empty());
  const auto tools = result.out.find("    【功能】\n");
  ASSERT_NE(tools, std::string::npos);
  EXPECT_EQ(AtDepth(result.out.substr(tools, result.out.find("\n    资管", tools) - tools), 2),
            (std::vector<std::string>{"代码缩进", "取消缩进", kSeparator, "删除空行", kSeparator,
                                      "代码注解", "删除注解", "注解对齐", "取消对齐", kSeparator,
                                      "在线翻译", "在线搜索"}));
}

}  // namespace
}  // namespace tessaly::cli
