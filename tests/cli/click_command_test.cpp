#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "cli/click_report.h"
#include "cli/command_line.h"
#include "cli/editor_session.h"
#include "support/cli_fixture.h"

namespace tessaly::cli {
namespace {

using test_support::CrLfLines;
using test_support::FileSnapshot;
using test_support::ReadBytes;
using test_support::RunTessaly;
using test_support::TempFolder;

const std::string kExamples = TESSALY_SOURCE_DIR "/examples/";

const std::string kHeader = "Attribute VB_Name = \"Block\"\r\n";
// What the editor shows of the module below: all but its header line.
const std::vector<std::string> kShown = {"Sub A()", "    If x Then", "        y = 1",
                                         "",        "    End If",    "End Sub"};
const std::string kBlock = kHeader + CrLfLines(kShown);

struct Caret {
  int start_line = 1;
  int start_column = 1;
  int end_line = 1;
  int end_column = 1;
};

// What a click does to kBlock, checked on the whole module (so the lines it must leave alone
// are proven untouched too) and on what it did beyond the text: one JSON object on standard
// error (--report -) or in a file.
TEST(ClickCommandTest, EditsAndReportsAtTheCaretAndSelection) {
  const struct {
    std::vector<std::string> options;
    std::vector<std::string> shown;
    Caret caret;
    std::string urls = "";
    std::string windows = "";
    std::string forms = "";
  } cases[] = {
      // A snippet goes in above the caret line with that line's indentation, line by line.
      {{"With继承", "--line", "3", "--col", "9"},
       {"Sub A()", "    If x Then", "        With xObj", "        End With", "        y = 1", "",
        "    End If", "End Sub"},
       {3, 9, 3, 9}},
      // A selection over two lines is replaced by the clipboard's text, indented as the line
      // that then stands at the caret ("    End If", so one level deeper).
      {{"粘贴(&S)", "--line", "2", "--col", "5", "--to", "3:3", "--clipboard", "z = 2"},
       {"Sub A()", "        z = 2", "", "    End If", "End Sub"},
       {2, 3, 2, 3}},
      // A module of plain ASCII is taken for code page 936, the editor's own code page, so
      // the Chinese it gains is written in it.
      {{"粘贴(&S)", "--line", "3", "--col", "9", "--clipboard", "z = 2 ' 中文"},
       {"Sub A()", "    If x Then", "        z = 2 ' \xD6\xD0\xCE\xC4", "        y = 1", "",
        "    End If", "End Sub"},
       {3, 9, 3, 9}},
      // The editor reports a selection made backwards from its first character.
      {{"注释(&Z)", "--line", "3", "--col", "14", "--to", "2:1"},
       {"Sub A()", "    'If x Then", "        'y = 1", "", "    End If", "End Sub"},
       {3, 14, 3, 14}},
      // The VBA editor edits alike.
      {{"删行(&X)", "--line", "3", "--host", "vba"},
       {"Sub A()", "    If x Then", "", "    End If", "End Sub"},
       {3, 1, 3, 1}},
      // Deleting the last lines takes the caret to the end of the line left above them.
      {{"删行(&X)", "--line", "4", "--to", "6:8"},
       {"Sub A()", "    If x Then", "        y = 1"},
       {3, 14, 3, 14}},
      {{"删行(&X)", "--line", "1", "--to", "6:8"}, {}, {1, 1, 1, 1}},
      // Indentation, which gives a blank line the depth of the block it stands in as fmt does,
      // puts the caret back at column 1 of the line it started on.
      {{"代码缩进", "--line", "3", "--col", "9", "--to", "4:1"},
       {"Sub A()", "    If x Then", "        y = 1", "        ", "    End If", "End Sub"},
       {3, 1, 3, 1}},
      // The simulated desktop has the editor's immediate window, so clearing finds it.
      {{"清屏(&N)"}, kShown, {}},
      // A form shown is named.
      {{"关于程序"}, kShown, {}, "", "", R"("AboutFrm")"},
      // Searching takes the clipboard's text; translating, the selected word.
      {{"在线搜索", "--clipboard", "hello 世界"},
       kShown,
       {},
       R"("https://www.baidu.com/s?wd=hello%20%E4%B8%96%E7%95%8C")"},
      {{"在线翻译", "--line", "3", "--col", "9", "--to", "3:10", "--clipboard", "unused"},
       kShown,
       {3, 9, 3, 10},
       R"("https://fanyi.baidu.com/?aldtype=16047#en/zh/y")"},
      // The project explorer is open when the editor starts, so a click hides it.
      {{"资管(&G)"}, kShown, {}, "", R"({"caption":"Project - Project1","visible":false})"},
      {{"立即(&M)", "--host", "vba"}, kShown, {}, "", R"({"caption":"Immediate","visible":false})"},
  };
  TempFolder folder;
  const std::string path = folder.Write("Block.bas", kBlock);
  const std::string report = (folder.Path() / "report.json").string();
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::PrintToString(c.options));
    const auto& [start_line, start_column, end_line, end_column] = c.caret;
    const std::string json =
        R"({"caret":{"start_line":)" + std::to_string(start_line) + R"(,"start_column":)" +
        std::to_string(start_column) + R"(,"end_line":)" + std::to_string(end_line) +
        R"(,"end_column":)" + std::to_string(end_column) +
        R"(},"message_boxes":[],"urls_opened":[)" + c.urls + R"(],"windows":[)" + c.windows +
        R"(],"forms_opened":[)" + c.forms + "]}\n";
    std::vector<std::string> args = {"click", c.options[0], path};
    args.insert(args.end(), c.options.begin() + 1, c.options.end());

    auto to_standard_error = args;
    to_standard_error.insert(to_standard_error.end(), {"--report", "-"});
    const auto shown = RunTessaly(to_standard_error);
    EXPECT_EQ(shown.status, kExitOk);
    EXPECT_EQ(shown.out, kHeader + CrLfLines(c.shown));
    EXPECT_EQ(shown.err, json);

    auto to_file = args;
    to_file.insert(to_file.end(), {"--report", report});
    const auto filed = RunTessaly(to_file);
    EXPECT_EQ(filed.status, kExitOk);
    EXPECT_EQ(filed.err, "");
    EXPECT_EQ(filed.out, shown.out);
    EXPECT_EQ(ReadBytes(report), json);
    EXPECT_EQ(ReadBytes(path), kBlock);  // without -i the file stays as it was
  }
}

// A click that leaves the text alone does not rewrite the file. One that changes a line rewrites
// the file, leaves no temporary file, and writes back every other byte, hidden header and member
// attribute included, as it was: in code page 936 with CR LF. (What the file keeps of its
// mode or attributes: file_system_test.)
TEST(ClickCommandTest, InPlaceChangesOnlyTheClickedLine) {
  namespace fs = std::filesystem;
  TempFolder folder;
  const std::string path =
      folder.Write("SalesReportGbk.bas", ReadBytes(kExamples + "SalesReportGbk.bas"));
  const FileSnapshot original(path);
  EXPECT_EQ(RunTessaly({"click", "资管(&G)", path, "-i"}).status, kExitOk);
  EXPECT_TRUE(FileSnapshot(path) == original);

  const std::string clicked = "Set ws = ThisWorkbook.Sheets(\"\xC3\xF7\xCF\xB8\")\r\n";
  const auto at = original.bytes.find(clicked);
  ASSERT_NE(at, std::string::npos);
  std::string expected = original.bytes;
  expected.insert(at, "'");

  // Line 12 as the editor shows it: the file's first line and the member attribute are hidden.
  const auto in_place = RunTessaly({"click", "注释(&Z)", path, "--line", "12", "-i"});
  EXPECT_EQ(in_place.status, kExitOk) << in_place.err;
  EXPECT_EQ(in_place.out, "");
  EXPECT_EQ(ReadBytes(path), expected);
  EXPECT_NE(fs::last_write_time(path), original.modified);
  EXPECT_EQ(folder.Entries(), std::vector<std::string>{"SalesReportGbk.bas"});

  // Clicking again takes the apostrophe away: the file is the original, byte for byte.
  EXPECT_EQ(RunTessaly({"click", "注释(&Z)", path, "--line", "12", "-i"}).status, kExitOk);
  EXPECT_EQ(ReadBytes(path), original.bytes);
}

// --then clicks on in the same editor, the caret where the click before left it: two changes
// and their two undos leave the file untouched; the report follows each click in order. A fresh
// run has nothing to undo, says so, and writes nothing.
TEST(ClickCommandTest, ThenClicksOnInTheSameEditorAndReportsEachClick) {
  TempFolder folder;
  const std::string path = folder.Write("Block.bas", kBlock);
  const std::string report = (folder.Path() / "report.json").string();
  const FileSnapshot original(path);
  const auto run = RunTessaly({"click", "取消缩进", path, "--line", "3", "--then", "代码缩进",
                               "--then", "撤销上次修改", "--then", "撤销上次修改", "--then",
                               "撤销上次修改", "-i", "--report", report});
  ASSERT_EQ(run.status, kExitOk) << run.err;
  EXPECT_TRUE(FileSnapshot(path) == original);
  const std::string caret =
      R"("caret":{"start_line":3,"start_column":1,"end_line":3,"end_column":1})";
  const std::string quiet =
      caret + R"(,"message_boxes":[],"urls_opened":[],"windows":[],"forms_opened":[])";
  const std::string nothing =
      caret + R"(,"message_boxes":[{"text":"没有可撤销的修改。","caption":"","style":64}],)"
              R"("urls_opened":[],"windows":[],"forms_opened":[])";
  EXPECT_EQ(ReadBytes(report), "{" + nothing + R"(,"clicks":[{"caption":"取消缩进",)" + quiet +
                                   R"(},{"caption":"代码缩进",)" + quiet +
                                   R"(},{"caption":"撤销上次修改",)" + quiet +
                                   R"(},{"caption":"撤销上次修改",)" + quiet +
                                   R"(},{"caption":"撤销上次修改",)" + nothing + "}]}\n");

  const auto fresh = RunTessaly({"click", "撤销上次修改", path, "-i", "--report", "-"});
  EXPECT_EQ(fresh.status, kExitOk);
  EXPECT_EQ(fresh.err, "{" + std::string(R"("caret":{"start_line":1,"start_column":1,)") +
                           R"("end_line":1,"end_column":1},)" +
                           nothing.substr(nothing.find("\"message")) + "}\n");
  EXPECT_TRUE(FileSnapshot(path) == original);
  EXPECT_EQ(RunTessaly({"click", "代码缩进", path, "--then", "没有这个", "-i"}).status,
            kExitBadInput);
  EXPECT_TRUE(FileSnapshot(path) == original);
}

// A window hidden before the click and still hidden after it is no event. (The command
// checks the caption before it clicks, so EditorSession::Click's answer is never needed.)
TEST(ClickCommandTest, ReportsOnlyTheWindowsTheClickChanged) {
  EditorSession session(HostKind::kVb6);
  session.Load(u"Block", {u"Sub A()", u"End Sub"});
  session.Editor().Window(u"Properties").SetVisible(false);
  const ClickReport report(session);
  session.Click(u"资管(&G)");
  EXPECT_NE(report.Json().find(R"("windows":[{"caption":"Project - Project1","visible":false}])"),
            std::string::npos)
      << report.Json();
}

// Texts in the report may hold escaped file bytes (lone surrogates) and control characters:
// the report stays valid JSON.
TEST(ClickCommandTest, ReportTextsAreEscaped) {
  EXPECT_EQ(JsonString(u"a\"\\\n\r\t\x01\x1F \xDFFF\xD800\U0001F600\xE000中"),
            "\"a\\\"\\\\\\n\\r\\t\\u0001\\u001F "
            "\\uDFFF\\uD800\xF0\x9F\x98\x80\xEE\x80\x80\xE4\xB8\xAD\"");
}

// The executable is the command line: same answers as in-process.
TEST(ClickCommandTest, BuiltBinaryAnswers) {
  const auto version = test_support::RunBinary({"--version"});
  EXPECT_EQ(version.status, kExitOk);
  EXPECT_EQ(version.out, "tessaly 1.36.0\n");

  const std::string example = kExamples + "SalesReport.bas";
  const std::vector<std::string> click = {"click", "代码缩进", example, "--line", "8"};
  const auto clicked = test_support::RunBinary(click);
  EXPECT_EQ(clicked.status, kExitOk) << clicked.err;
  EXPECT_NE(clicked.out, ReadBytes(example));
  EXPECT_EQ(clicked.out, RunTessaly(click).out);
}

}  // namespace
}  // namespace tessaly::cli
