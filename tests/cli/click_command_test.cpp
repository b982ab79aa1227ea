#include <gmock/gmock.h>

#include <ctime>
#include <variant>

#include "cli/click_report.h"
#include "support/cli_fixture.h"

namespace tessaly::cli {
namespace {

using namespace test_support;
namespace fs = std::filesystem;

const std::string kHeader = "Attribute VB_Name = \"Block\"\r\n";
// What the editor shows of the module below: all but its header line.
const std::vector<std::string> kShown = {"Sub A()", "    If x Then", "        y = 1",
                                         "",        "    End If",    "End Sub"};
const std::string kBlock = kHeader + CrLfLines(kShown);

// The date a snippet's $DATE$ gives on this machine now.
std::string Today() {
  const std::time_t now = std::time(nullptr);
  char date[16] = {};
  std::strftime(date, sizeof date, "%Y-%m-%d", std::localtime(&now));
  return date;
}

// A click's selection as its report writes it.
std::string Caret(int start_line, int start_column, int end_line, int end_column) {
  return R"("caret":{"start_line":)" + std::to_string(start_line) + R"(,"start_column":)" +
         std::to_string(start_column) + R"(,"end_line":)" + std::to_string(end_line) +
         R"(,"end_column":)" + std::to_string(end_column) + "}";
}

// The members of a click's report: the caret, collapsed at a line and column, then the events,
// each a list of JSON values.
std::string Report(int line, int column, const std::string& urls = "",
                   const std::string& windows = "", const std::string& forms = "",
                   const std::string& boxes = "") {
  return Caret(line, column, line, column) + R"(,"message_boxes":[)" + boxes +
         R"(],"urls_opened":[)" + urls + R"(],"windows":[)" + windows + R"(],"forms_opened":[)" +
         forms + "]";
}

// What a click does to kBlock, checked on the whole module (so the lines it must leave alone
// are proven untouched too) and on what it did beyond the text: one JSON object on standard
// error (--report -; into a file: below).
TEST(ClickCommandTest, EditsAndReportsAtTheCaretAndSelection) {
  const struct {
    std::vector<std::string> options;
    std::vector<std::string> shown;
    std::string report;
  } cases[] = {
      // clang-format off
      // A selection over two lines is replaced by the clipboard's text, indented as the line
      // that then stands at the caret ("    End If", so one level deeper).
      {{"粘贴(&S)", "--line", "2", "--col", "5", "--to", "3:3", "--clipboard", "z = 2"},
       {"Sub A()", "        z = 2", "", "    End If", "End Sub"}, Report(2, 3)},
      // The editor reports a selection made backwards from its first character.
      {{"注释(&Z)", "--line", "3", "--col", "14", "--to", "2:1"},
       {"Sub A()", "    'If x Then", "        'y = 1", "", "    End If", "End Sub"}, Report(3, 14)},
      {{"关于程序"}, kShown, Report(1, 1, "", "", R"("AboutFrm")")},
      {{"在线搜索", "--clipboard", "hello 世界"}, kShown,
       Report(1, 1, R"("https://www.baidu.com/s?wd=hello%20%E4%B8%96%E7%95%8C")")},
      // The project explorer is open when the editor starts, so a click hides it.
      {{"资管(&G)"}, kShown, Report(1, 1, "", R"({"caption":"Project - Project1","visible":false})")},
      // clang-format on
  };
  TempFolder folder;
  const std::string path = folder.Write("Block.bas", kBlock);
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::PrintToString(c.options));
    std::vector<std::string> args = {"click", c.options[0], path};
    args.insert(args.end(), c.options.begin() + 1, c.options.end());
    args.insert(args.end(), {"--report", "-"});
    const auto shown = RunTessaly(args);
    EXPECT_EQ(shown.status, kExitOk);
    EXPECT_EQ(shown.out, kHeader + CrLfLines(c.shown));
    EXPECT_EQ(shown.err, "{" + c.report + "}\n");
    EXPECT_EQ(ReadBytes(path), kBlock);  // without -i the file stays as it was
  }
  // A module left empty under the caret keeps it at its only place. (Whether the caret already
  // stands there is asked of column 1; asking of column 0 would move it to 1:1 all the same.)
  const auto emptied =
      RunTessaly({"click", "删除空行", "-", "--line", "3", "--report", "-"}, "\r\n\r\n\r\n");
  EXPECT_EQ(emptied.out, "");
  EXPECT_EQ(emptied.err, "{" + Report(1, 1) + "}\n");
  // Lines deleted under the caret take it to the end of the last line left.
  const auto shortened =
      RunTessaly({"click", "删除空行", "-", "--line", "3", "--report", "-"}, "x = 1\r\n\r\n\r\n");
  EXPECT_EQ(shortened.err, "{" + Report(1, 6) + "}\n");
}

// Each selection option at its bounds and one past them, on kBlock's lines (7, 13, 13, 0, 10
// and 7 characters): what is taken is the selection the editor then reports, first character
// first; what is not, one refusal naming the bound.
TEST(ClickCommandTest, SelectionOptionsAreTakenUpToEachBoundAndRefusedPastIt) {
  using language::Message;
  using enum language::MessageId;
  struct Selected {
    int start_line, start_column, end_line, end_column;
  };
  TempFolder folder;
  const std::string path = folder.Write("Block.bas", kBlock);
  const auto past_module = [&](const std::string& line) {
    return Message{kLinePastModule, {line, "6"}, path};
  };
  const auto past_line = [&](const std::string& column, const std::string& line,
                             const std::string& length) {
    return Message{kColumnPastLine, {column, line, length}, path};
  };
  const auto not_whole = [](const std::string& option, const std::string& text) {
    return Message{kWholeNumber, {option, text}, {}};
  };
  const struct {
    std::vector<std::string> options;
    std::variant<Selected, Message> answer;
  } cases[] = {
      // clang-format off
      {{}, Selected{1, 1, 1, 1}},
      {{"--line", "6", "--col", "8"}, Selected{6, 8, 6, 8}},
      {{"--line", "4", "--col", "1"}, Selected{4, 1, 4, 1}},
      {{"--line", "000000006"}, Selected{6, 1, 6, 1}},
      {{"--line", "2", "--col", "14", "--to", "6:8"}, Selected{2, 14, 6, 8}},
      {{"--line", "6", "--col", "2", "--to", "1:1"}, Selected{1, 1, 6, 2}},
      {{"--line", "7"}, past_module("7")},
      {{"--line", "16777216"}, past_module("16777216")},
      {{"--to", "7:1"}, past_module("7")},
      {{"--line", "7", "--to", "1:1"}, past_module("7")},
      {{"--line", "6", "--col", "9"}, past_line("9", "6", "7")},
      {{"--line", "4", "--col", "2"}, past_line("2", "4", "0")},
      {{"--to", "6:9"}, past_line("9", "6", "7")},
      {{"--line", "2", "--col", "15", "--to", "6:1"}, past_line("15", "2", "13")},
      {{"--line", "0"}, not_whole("--line", "0")},
      {{"--line", "16777217"}, not_whole("--line", "16777217")},
      {{"--line", "0000000006"}, not_whole("--line", "0000000006")},
      {{"--col", "-1"}, not_whole("--col", "-1")},
      {{"--col", "99999999999"}, not_whole("--col", "99999999999")},
      {{"--to", "1:0"}, not_whole("--to", "0")},
      {{"--to", ":1"}, not_whole("--to", "")},
      {{"--to", "1:1:1"}, not_whole("--to", "1:1")},
      {{"--to", "3"}, Message{kToValue, {"3"}, {}}},
      // clang-format on
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::PrintToString(c.options));
    std::vector<std::string> args = {"click", "关于程序", path};
    args.insert(args.end(), c.options.begin(), c.options.end());
    if (const auto* refused = std::get_if<Message>(&c.answer)) {
      EXPECT_TRUE(IsRefusalInEachLanguage(args, {*refused}));
      continue;
    }
    const auto& caret = std::get<Selected>(c.answer);
    args.insert(args.end(), {"--report", "-"});
    const auto shown = RunTessaly(args);
    EXPECT_EQ(shown.status, kExitOk);
    EXPECT_THAT(shown.err, testing::StartsWith("{" +
                                               Caret(caret.start_line, caret.start_column,
                                                     caret.end_line, caret.end_column) +
                                               ","));
  }
}

// In place, a click that leaves the text alone does not rewrite the file; one that changes a
// line writes back every other byte, hidden header and member attribute included, as it was (code
// page 936, CR LF), and leaves no temporary file. (What the file keeps of its mode or attributes:
// file_system_test.) --then clicks on in the same editor: two changes and their two undos leave
// the file as it was, the report following each click in order, and a third undo says there is
// nothing to undo. An unknown caption anywhere stops all.
TEST(ClickCommandTest, InPlaceChangesOnlyTheClickedLineAndThenClicksOn) {
  TempFolder folder;
  std::string bytes = ReadBytes(std::string(TESSALY_SOURCE_DIR "/examples/SalesReportGbk.bas"));
  const std::string path = folder.Write("SalesReportGbk.bas", bytes);
  const std::string report = (folder.Path() / "report.json").string();
  const FileSnapshot original(path);
  EXPECT_EQ(RunTessaly({"click", "资管(&G)", path, "-i"}).status, kExitOk);
  EXPECT_TRUE(FileSnapshot(path) == original);
  // Line 12 as the editor shows it: the file's first line and the member attribute are hidden.
  const auto at = bytes.find("Set ws = ThisWorkbook.Sheets(\"\xC3\xF7\xCF\xB8\")\r\n");
  ASSERT_NE(at, std::string::npos);
  bytes.insert(at, "'");
  const auto in_place = RunTessaly({"click", "注释(&Z)", path, "--line", "12", "-i"});
  EXPECT_EQ(in_place.status, kExitOk) << in_place.err;
  EXPECT_EQ(in_place.out, "");
  const FileSnapshot commented(path);
  EXPECT_EQ(commented.bytes, bytes);
  EXPECT_NE(commented.modified, original.modified);

  const auto run = RunTessaly({"click", "注释(&Z)", path, "--line", "12", "--then", "注释(&Z)",
                               "--then", "撤销上次修改", "--then", "撤销上次修改", "--then",
                               "撤销上次修改", "-i", "--report", report});
  EXPECT_EQ(run.out + run.err, "");
  EXPECT_TRUE(FileSnapshot(path) == commented);
  const std::string quiet = Report(12, 1);
  const std::string nothing =
      Report(12, 1, "", "", "", R"({"text":"没有可撤销的修改。","caption":"","style":64})");
  std::string clicks;
  for (const std::string caption : {"注释(&Z)", "注释(&Z)", "撤销上次修改", "撤销上次修改"})
    clicks += R"({"caption":")" + caption + "\"," + quiet + "},";
  EXPECT_EQ(ReadBytes(report), "{" + nothing + R"(,"clicks":[)" + clicks +
                                   R"({"caption":"撤销上次修改",)" + nothing + "}]}\n");
  EXPECT_EQ(RunTessaly({"click", "代码缩进", path, "--then", "没有这个", "-i"}).status,
            kExitBadInput);
  EXPECT_TRUE(FileSnapshot(path) == commented);
}

// The user's own snippets by their path through "我的代码": the folder --snippets names, the
// project's nearest .tessaly/snippets above the module replacing one of the same name, the
// caret after $CURSOR$, an undo with --then; a file it cannot read is named on standard
// error, and a path the popup does not hold is refused.
TEST(ClickCommandTest, ClicksTheUsersOwnSnippetsByTheirPath) {
  TempFolder folder;
  fs::create_directories(folder.Path() / "user");
  folder.Write("user/错误处理.txt", "On Error GoTo 0\n");
  folder.Write("user/坏.txt", std::string("\0", 1));
  fs::create_directories(folder.Path() / "proj" / ".tessaly" / "snippets");
  folder.Write("proj/.tessaly/snippets/错误处理.txt", "On Error Resume Next '$DATE$$CURSOR$\n");
  fs::create_directories(folder.Path() / "proj" / "src");
  const std::string path = folder.Write("proj/src/Block.bas", kBlock);
  const std::string user = Utf8Text(folder.Path() / "user");
  const std::string bad = "tessaly: snippet left out, " +
                          Utf8Text(folder.Path() / "user" / Utf8Path("坏.txt")) +
                          ": not text: control byte at byte 0\n";

  const auto menu = RunTessaly({"menu", "--snippets", user});
  EXPECT_NE(menu.out.find("    我的代码\n        错误处理\n        ──────\n"
                          "        1 个片段无法读取    [disabled]\n        ──────\n        刷新\n"),
            std::string::npos)
      << menu.out;
  EXPECT_EQ(menu.err, bad);

  const auto click = RunTessaly(
      {"click", "我的代码/错误处理", path, "--line", "3", "--snippets", user, "--report", "-"});
  EXPECT_EQ(click.status, kExitOk);
  EXPECT_EQ(click.out, kHeader + CrLfLines({"Sub A()", "    If x Then",
                                            "        On Error Resume Next '" + Today(),
                                            "        y = 1", "", "    End If", "End Sub"}));
  EXPECT_EQ(click.err, bad + "{" + Report(3, 41) + "}\n");

  const auto undone = RunTessaly({"click", "我的代码/错误处理", path, "--line", "3", "--snippets",
                                  user, "--then", "撤销上次修改", "-i"});
  EXPECT_EQ(undone.status, kExitOk);
  EXPECT_EQ(ReadBytes(path), kBlock);
  fs::remove(folder.Path() / "user" / Utf8Path("坏.txt"));
  EXPECT_TRUE(
      IsRefusalInEachLanguage({"click", "我的代码/没有", path, "--snippets", user},
                              {{language::MessageId::kNoSuchCaption, {"我的代码/没有"}, {}}}));
}

// Texts in the report may hold escaped file bytes (lone surrogates) and control characters:
// the report stays valid JSON.
TEST(ClickCommandTest, ReportTextsAreEscaped) {
  EXPECT_EQ(JsonString(u"a\"\\\n\r\t\x01\x1F \xDFFF\xD800\U0001F600\xE000中"),
            "\"a\\\"\\\\\\n\\r\\t\\u0001\\u001F "
            "\\uDFFF\\uD800\xF0\x9F\x98\x80\xEE\x80\x80\xE4\xB8\xAD\"");
}

}  // namespace
}  // namespace tessaly::cli
