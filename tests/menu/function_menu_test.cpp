#include "menu/menu_catalogue.h"

#include <gtest/gtest.h>

#include "menu/change_recorder.h"
#include "menu/editing_commands.h"
#include "menu/head_code.h"
#include "menu/snippet_insertion.h"
#include "menu_fixture.h"

namespace tessaly::menu {
namespace {

using Lines = std::vector<std::u16string>;

const std::vector<std::u16string> kCode = {u"Sub A()", u"    x = 1", u"    y = 2", u"End Sub"};

// Captions no command has (parts of captions, popups) run nothing: the rows without a call.
// The code tools' captions are the click table's (support/click_cases.cpp).
TEST(Dispatch, SendsEachCommandCaptionToItsCommand) {
  const std::pair<std::u16string, std::string> cases[] = {
      // clang-format off
      {u"资管(&G)", "ToggleIdeWindow(6)"}, {u"属性(&Y)", "ToggleIdeWindow(7)"},
      {u"立即(&M)", "ToggleIdeWindow(5)"}, {u"清屏(&N)", "ClearImmediateWindow"},
      {u"关于程序", "ShowAbout"}, {u"TessalyAid", "ShowAbout"}, {u"Tessaly", "ShowAbout"},
      {u"Nothing here", ""}, {u"If_Then", ""}, {u"条件", ""}, {u"【功能】", ""}, {u"[循环", ""},
      // clang-format on
  };
  for (const auto& [caption, call] : cases) {
    SCOPED_TRACE(text::ToUtf8(caption));
    for (const bool refuse : {false, true}) {  // a refused command does not escape the click
      MenuFixture f(kCode);
      f.commands.refuse = refuse;
      f.Select({3, 2, 3, 2});
      EXPECT_NO_THROW(f.Run(caption));
      EXPECT_EQ(f.commands.calls,
                call.empty() ? std::vector<std::string>{} : std::vector<std::string>{call});
      EXPECT_EQ(f.Text(), kCode);
      EXPECT_EQ(f.Selection(), (host::Selection{3, 2, 3, 2}));
    }
  }
}

struct EditCase {
  const char* name;
  Lines before;
  host::Selection selection;
  std::u16string caption;
  Lines after;
  host::Selection caret;
  std::u16string clipboard = u"c = 3";
};

const std::u16string kSeparator = u"'-----";
// Display width 200 with a double-width character over columns 150 and 151.
const std::u16string kWideSeparator =
    kSeparator + std::u16string(143, u'a') + u"中" + std::u16string(49, u'b');

TEST(EditingCommands, EditTheLinesAndPlaceTheCaretSnippetsIncluded) {
  // clang-format off
  const EditCase cases[] = {
      // Switched behind its indentation rather than given a second keyword.
      {"PrivateBecomesPublic", {u"    Private x"}, {1, 3, 1, 3}, u"公私(&J)", {u"    Public x"},
       {1, 3, 1, 3}},
      {"PublicBecomesPrivate", {u"Public Sub A()"}, {1, 3, 1, 5}, u"公私(&J)", {u"Private Sub A()"},
       {1, 5, 1, 5}},
      {"OtherLineBecomesPrivate", {u"Sub B()"}, {1, 1, 1, 1}, u"公私(&J)", {u"Private Sub B()"},
       {1, 1, 1, 1}},
      {"CommentBackIn", {u"    'x = 1"}, {1, 3, 1, 3}, u"注释(&Z)", {u"    x = 1"}, {1, 3, 1, 3}},
      {"RemComment", {u"Rem note"}, {1, 1, 1, 1}, u"注释(&Z)", {u"note"}, {1, 1, 1, 1}},
      {"CommentSelectedLines", {u"Sub A()", u"    x = 1", u"", u"    'y = 2", u"End Sub"},
       {2, 1, 4, 5}, u"注释(&Z)", {u"Sub A()", u"    'x = 1", u"    '", u"    y = 2", u"End Sub"},
       {4, 5, 4, 5}},
      {"DeleteTheCaretsLine", {u"    a = 1", u"    b = 2"}, {1, 3, 1, 5}, u"删行(&X)",
       {u"    b = 2"}, {1, 5, 1, 5}},
      {"CommentPrefixAboveTheCaretsLine", {u"Sub A()", u"    x = 1"}, {2, 5, 2, 5}, u"注解(&C)",
       {u"Sub A()", u"    '---", u"    x = 1"}, {2, 11, 2, 11}},
      {"PasteOverABlankLine", {u"    a = 1", u"", u"    b = 2"}, {2, 1, 2, 1}, u"粘贴(&S)",
       {u"    a = 1", u"    c = 3", u"    b = 2"}, {2, 1, 2, 1}},
      {"PasteOverTheSelectedLine", {u"    a = 1", u"    b = 2"}, {1, 5, 1, 6}, u"粘贴(&S)",
       {u"    c = 3", u"    b = 2"}, {1, 6, 1, 6}},
      // With nothing to paste, the selected line stays.
      {"PasteNothing", {u"    a = 1", u"    b = 2"}, {1, 5, 1, 6}, u"粘贴(&S)",
       {u"    a = 1", u"    b = 2"}, {1, 5, 1, 6}, u""},
      {"NewSeparator", {u"    x = 1"}, {1, 3, 1, 3}, u"分割(&B)", {kSeparator, u"    x = 1"},
       {1, 9, 1, 9}},
      {"SeparatorCompleted", {kSeparator}, {1, 7, 1, 7}, u"分割(&B)",
       {kSeparator + std::u16string(144, u'-')}, {1, 151, 1, 151}},
      {"SeparatorCutAfterTheWideCharacter", {kWideSeparator}, {1, 1, 1, 1}, u"分割(&B)",
       {kWideSeparator.substr(0, 150)}, {1, 151, 1, 151}},
      {"MessageBoxAboveTheCaretLine", {u"    x = 1"}, {1, 2, 1, 2}, u"弹窗",
       {u"    Msgbox \"1:\" & VbCr ", u"    x = 1"}, {1, 113, 1, 113}},
      {"DebugPrintOverABlankLine", {u"    x = 1", u"", u"    y = 2"}, {2, 1, 2, 1}, u"调试",
       {u"    x = 1", u"    Debug.Print \"1:\"", u"    y = 2"}, {2, 112, 2, 112}},
      {"Quote", {u"x = abc + 1"}, {1, 5, 1, 8}, u"文本", {u"x = \"abc\" + 1"}, {1, 10, 1, 10}},
      // The selection ends left of its start on the start line: nothing to wrap.
      {"QuoteAcrossLines", {u"abcdef", u"xy"}, {1, 5, 2, 2}, u"文本", {u"abcdef", u"xy"},
       {1, 4, 1, 4}},
      {"Concatenation", {u"a b"}, {1, 2, 1, 3}, u"链接", {u"a & b"}, {1, 6, 1, 6}},
      {"LineBreak", {u"s = a b"}, {1, 6, 1, 7}, u"换行", {u"s = a VbCrLf b"}, {1, 15, 1, 15}},
      // Snippets. A blank line just above a block end is inside that block.
      {"AboveEndIf", {u"Sub A()", u"    If x Then", u"", u"    End If", u"End Sub"}, {3, 1, 3, 1}, u"强制容错",
       {u"Sub A()", u"    If x Then", u"        On Error Resume Next", u"", u"    End If",
        u"End Sub"}, {3, 1, 3, 1}},
      {"IfThen", {u"  x = 1"}, {1, 1, 1, 1}, u"If_Then条件",
       {u"  If xObj Then", u"  Else", u"  End If", u"  x = 1"}, {1, 1, 1, 1}},
      {"OptionalParameterAtTheCaret", {u"Function F()"}, {1, 12, 1, 12}, u"参数：可选",
       {u"Function F(Optional ByVal Switch As Long)"}, {1, 41, 1, 41}},
      {"ByValWithItsBlanks", {u"Sub S(x)"}, {1, 7, 1, 7}, u"参数：传值", {u"Sub S( ByVal x)"},
       {1, 14, 1, 14}},
      {"FunctionAtColumnOne", {u"Sub A()", u"    x = 1", u"End Sub"}, {2, 5, 2, 5}, u"插入函数",
       {u"Sub A()", u"Public Function fTest(ByVal x1 As Variant, Optional ByVal x2 As Long)", u"",
        u"End Function", u"    x = 1", u"End Sub"}, {2, 5, 2, 5}},
      // Lines joined without the placeholder start at column 1.
      {"LaterLinesWithoutPlaceholder", {u"    x = 1"}, {1, 1, 1, 1}, u"跳转容错",
       {u"    On Error GoTo error_handler", u"error_handler:",
        u"MsgBox  Err.Number & vbCr & Err.Description, 16 + 0, \"Error Number\"", u"    x = 1"},
       {1, 1, 1, 1}},
  };
  // clang-format on
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    MenuFixture f(c.before);
    f.os.system().SetClipboardText(c.clipboard);
    f.Select(c.selection);
    f.Run(c.caption);
    EXPECT_EQ(f.Text(), c.after);
    EXPECT_EQ(f.Selection(), c.caret);
  }
}

TEST(EditingCommands, LeaveALineTheEditorWouldNotReadAsItIs) {
  // The undo's recorder cannot replace a line it could not read either, so a command that
  // wrote the line anyway would still leave it: the test holds for the command and for the
  // recorder together.
  for (const auto* caption : {u"公私(&J)", u"文本", u"链接", u"换行", u"分割(&B)"}) {
    MenuFixture f({u"Private Sub A()", u"End Sub"});
    f.editor.Refuse(u"CodeModule.Lines");
    f.Select({1, 1, 1, 3});
    f.Run(caption);
    EXPECT_EQ(f.Text()[0],
              caption == std::u16string(u"分割(&B)") ? kSeparator : u"Private Sub A()");
  }
}

// Reads line n of the lines; anything outside them is refused, as the editor refuses.
LineReader Reader(const std::vector<std::u16string>& lines) {
  return [&lines](std::int32_t n) -> std::optional<std::u16string> {
    if (n < 1 || n > static_cast<std::int32_t>(lines.size())) return std::nullopt;
    return lines[n - 1];
  };
}

// Above a block end the caret line's blanks go one level deeper; on a blank line the next code
// below counts first, then the line above; lines outside the module count as blank, so at the
// last line the search must not take the refused line below for code.
TEST(IndentPrefix, IsTheCaretLinesBlanksOneLevelDeeperAboveABlockEnd) {
  const struct {
    std::vector<std::u16string> lines;
    std::vector<std::u16string> prefixes;  // at lines 1, 2, ...
  } cases[] = {
      {{u"        x = 1", u"    Else", u"    End If", u"\tTab", u"    Case 1", u"    Next i",
        u"  Loop", u"Wend", u"Ending = 1"},
       {u"        ", u"    ", u"        ", u"", u"    ", u"        ", u"      ", u"    ", u""}},
      // clang-format off
      {{u"  a = 1", u"", u"", u"    End If"}, {u"  ", u"        "}},
      {{u"  a = 1", u"   ", u"", u"", u""}, {u"  ", u"  ", u"  "}},
      {{u"Sub A()", u"    b = 2", u""}, {u"", u"    ", u"    "}},
      {{u"", u"      c = 3"}, {u"      "}}, {{u""}, {u""}},
      // clang-format on
  };
  // The search looks 33 lines away, and no further.
  for (const std::size_t gap : {33u, 34u}) {
    std::vector<std::u16string> lines(gap + 1, u"");
    lines.front() = u"    x = 1";
    EXPECT_EQ(IndentPrefixAt(static_cast<std::int32_t>(gap + 1), Reader(lines)),
              gap == 33 ? u"    " : u"")
        << gap;
  }
  for (const auto& c : cases) {
    for (std::size_t i = 0; i < c.prefixes.size(); ++i) {
      EXPECT_EQ(IndentPrefixAt(static_cast<std::int32_t>(i + 1), Reader(c.lines)), c.prefixes[i])
          << text::ToUtf8(c.lines[i]);
    }
  }
  EXPECT_EQ(IndentPrefixAt(0, Reader(cases[4].lines)), u"      ");
}

// What a click reads through the recorder is what it replaces: a run of lines read at once is
// known line by line, and an empty read knows nothing, so the old texts a change keeps are the
// module's own and no line is read twice.
TEST(ChangeRecorder, KeepsTheOldTextOfEachLineAsReadWithoutReadingItAgain) {
  sim::SimEditor editor;
  editor.AddModule(u"Project1", u"Module1", {u"a", u"b", u"c", u"d", u"e"});
  ChangeRecorder recorder;
  auto module = recorder.Wrap(editor.Application())->ActiveCodePane()->CodeModule();
  module->Lines(2, 3);
  module->Lines(5, 0);
  editor.ResetCalls();
  module->ReplaceLine(4, u"D");
  module->ReplaceLine(2, u"B");
  module->ReplaceLine(5, u"E");  // never read: read once, as the editor holds it
  EXPECT_EQ(editor.Calls(u"CodeModule.Lines"), 1);

  const auto change = recorder.Finish();
  ASSERT_TRUE(change);
  std::vector<std::u16string> before;
  for (const auto& edit : change->edits)
    before.push_back(edit.before.front());
  EXPECT_EQ(before, (std::vector<std::u16string>{u"d", u"b", u"e"}));
  EXPECT_EQ(change->left,
            (std::map<std::int32_t, std::u16string>{{2, u"B"}, {4, u"D"}, {5, u"E"}}));
}

// The editor takes a replacement with line breaks as its first line replaced and the others
// inserted below it: the record holds them as an insertion, and the lines the click read below
// move with it, still known without reading them again.
TEST(ChangeRecorder, AReplacementWithLineBreaksInsertsTheLinesAfterItsFirst) {
  sim::SimEditor editor;
  editor.AddModule(u"Project1", u"Module1", {u"a", u"b", u"c"});
  ChangeRecorder recorder;
  auto module = recorder.Wrap(editor.Application())->ActiveCodePane()->CodeModule();
  module->Lines(1, 3);
  editor.ResetCalls();
  module->ReplaceLine(1, u"A\r\nA2");
  module->ReplaceLine(3, u"B");
  EXPECT_EQ(editor.Calls(u"CodeModule.Lines"), 0);
  const auto change = recorder.Finish();
  ASSERT_TRUE(change);
  ASSERT_EQ(change->edits.size(), 3u);
  EXPECT_EQ(change->edits[1].line, 2);
  EXPECT_EQ(change->edits[1].after, std::vector<std::u16string>{u"A2"});
  EXPECT_EQ(change->edits[2].before, std::vector<std::u16string>{u"b"});
  EXPECT_EQ(change->left,
            (std::map<std::int32_t, std::u16string>{{1, u"A"}, {2, u"A2"}, {3, u"B"}}));
}

// A code tool reads a whole procedure and changes part of it: the recorder keeps the old text of
// the lines the tool tells it are changing, not a copy of every line read, and a line told
// stands for its old text even once the tool's reads have moved on.
TEST(ChangeRecorder, KeepsOnlyWhatIsToldOfALongRead) {
  sim::SimEditor editor;
  editor.AddModule(u"Project1", u"Module1", std::vector<std::u16string>(300, u"x"));
  ChangeRecorder recorder;
  auto module = recorder.Wrap(editor.Application())->ActiveCodePane()->CodeModule();
  for (std::int32_t line = 1; line <= 300; ++line)
    module->Lines(line, 1);
  editor.ResetCalls();
  module->KnowLine(7, u"x");
  module->ReplaceLine(7, u"y");
  module->KnowLine(9, u"x");
  module->KnowLine(10, u"x");  // the line that closes the gap
  module->DeleteLines(9, 1);
  EXPECT_EQ(editor.Calls(u"CodeModule.Lines"), 0);
  module->ReplaceLine(1, u"z");  // read long ago and not told: read again
  EXPECT_EQ(editor.Calls(u"CodeModule.Lines"), 1);

  const auto change = recorder.Finish();
  ASSERT_TRUE(change);
  ASSERT_EQ(change->edits.size(), 3u);
  EXPECT_EQ(change->edits[1].before, std::vector<std::u16string>{u"x"});
  EXPECT_EQ(change->left,
            (std::map<std::int32_t, std::u16string>{{1, u"z"}, {7, u"y"}, {9, u"x"}}));
}

}  // namespace
}  // namespace tessaly::menu
