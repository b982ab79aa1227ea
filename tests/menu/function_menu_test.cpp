#include "menu/dispatch_table.h"

#include <gtest/gtest.h>

#include "menu/editing_commands.h"
#include "menu_fixture.h"

namespace tessaly::menu {
namespace {

using Lines = std::vector<std::u16string>;

const std::vector<std::u16string> kCode = {u"Sub A()", u"    x = 1", u"    y = 2", u"End Sub"};

TEST(Dispatch, SendsEachCommandCaptionToItsCommand) {
  struct Case {
    std::u16string caption;
    std::string call;
  };
  const Case cases[] = {
      {u"代码缩进", "IndentCode"},           {u"取消对齐", "UnalignComments"},
      {u"删除注解", "CleanLines(删除注解)"}, {u"删除空行", "CleanLines(删除空行)"},
      {u"取消缩进", "CleanLines(取消缩进)"}, {u"代码注解", "AnnotateCode"},
      {u"注解对齐", "AlignComments"},        {u"资管(&G)", "ToggleIdeWindow(6)"},
      {u"属性(&Y)", "ToggleIdeWindow(7)"},   {u"立即(&M)", "ToggleIdeWindow(5)"},
      {u"清屏(&N)", "ClearImmediateWindow"}, {u"关于程序", "ShowAbout"},
      {u"TessalyAid", "ShowAbout"},          {u"Tessaly", "ShowAbout"},
  };
  for (const auto& c : cases) {
    MenuFixture f(kCode);
    f.Caret(3, 2);
    f.Run(c.caption);
    EXPECT_EQ(f.commands.calls, std::vector<std::string>{c.call}) << c.call;
    EXPECT_EQ(f.connection.SavedStartLine, 3);
    EXPECT_EQ(f.Text(), kCode) << c.call;
  }
}

TEST(Dispatch, WithoutACodePaneOnlyThePaneFreeCommandsAct) {
  MenuFixture f(kCode);
  f.os.system().SetClipboardText(u"word");
  f.editor.ClearActivePane();
  for (const auto* caption :
       {u"公私(&J)", u"注释(&Z)", u"删行(&X)", u"粘贴(&S)", u"注解(&C)", u"分割(&B)", u"弹窗",
        u"调试", u"文本", u"链接", u"换行", u"With继承", u"资管(&G)", u"在线搜索", u"关于程序"}) {
    f.Run(caption);
  }
  EXPECT_EQ(f.Text(), kCode);
  EXPECT_EQ(f.connection.SavedStartLine, 0);
  EXPECT_EQ(f.commands.calls,
            (std::vector<std::string>{"ToggleIdeWindow(6)", "OpenWebLookup(word,1)", "ShowAbout"}));
}

// A selection is looked up before the clipboard's text.
TEST(Dispatch, LooksUpTheSelectedText) {
  MenuFixture f({u"Dim 你好 As String", u"x = \"a b\" & c"});
  f.os.system().SetClipboardText(u"clipboard");
  f.Select(1, 5, 1, 9);  // 你好 spans columns 5 to 8
  f.Run(u"在线翻译");
  f.Select(2, 5, 2, 14);
  f.Run(u"在线搜索");
  EXPECT_EQ(f.commands.calls,
            (std::vector<std::string>{"OpenWebLookup(你好,0)", "OpenWebLookup(\"a b\" & c,1)"}));
}

TEST(Dispatch, ARefusedCommandDoesNotEscapeTheClick) {
  MenuFixture f(kCode);
  f.commands.refuse = true;
  EXPECT_NO_THROW(f.Run(u"代码缩进"));
  EXPECT_NO_THROW(f.Run(u"清屏(&N)"));
  EXPECT_EQ(f.commands.calls.size(), 2u);
}

TEST(Dispatch, AnUnknownCaptionChangesNothing) {
  MenuFixture f(kCode);
  f.Select(2, 5, 3, 3);
  for (const auto* caption : {u"Nothing here", u"If_Then", u"条件", u"【功能】", u"[循环"}) {
    f.Run(caption);
  }
  EXPECT_EQ(f.Text(), kCode);
  EXPECT_EQ(f.Selection(), (host::Selection{2, 5, 3, 3}));
  EXPECT_TRUE(f.commands.calls.empty());
}

TEST(Dispatch, ASelectionEndingAtColumnOneLeavesThatLineOut) {
  std::vector<std::u16string> lines;
  for (int i = 1; i <= 14; ++i)
    lines.push_back(u"line" + text::FromUtf8(std::to_string(i)));
  MenuFixture f(lines);
  f.Select(10, 5, 12, 1);
  f.Run(u"删行(&X)");
  ASSERT_EQ(f.Text().size(), 12u);
  EXPECT_EQ(f.Text()[8], u"line9");
  EXPECT_EQ(f.Text()[9], u"line12");
  EXPECT_EQ(f.Selection(), (host::Selection{10, 1, 10, 1}));
  EXPECT_EQ(f.connection.SavedStartLine, 10);
}

// The product's constructor runs the real code tools, each on its own caption.
TEST(Dispatch, RunsTheCodeToolsOfTheProduct) {
  const Lines module = {u"Sub A()", u"  x  = 1 ' a", u"", u"    total = 12 ' b", u"End Sub"};
  const struct {
    std::u16string caption;
    Lines expected;
    std::vector<std::string> outside_calls = {};
  } cases[] = {
      {u"代码缩进", {u"Sub A()", u"    x  = 1 ' a", u"    ", u"    total = 12 ' b", u"End Sub"}},
      {u"取消缩进", {u"Sub A()", u"x = 1 ' a", u"", u"total = 12 ' b", u"End Sub"}},
      {u"删除空行", {u"Sub A()", u"  x  = 1 ' a", u"    total = 12 ' b", u"End Sub"}},
      {u"删除注解", {u"Sub A()", u"  x  = 1 ", u"", u"    total = 12 ", u"End Sub"}},
      {u"注解对齐", {u"Sub A()", u"  x  = 1       ' a", u"", u"    total = 12 ' b", u"End Sub"}},
      {u"取消对齐", {u"Sub A()", u"  x  = 1' a", u"", u"    total = 12' b", u"End Sub"}},
      // Annotation needs the dictionary the add-in owns: it is an outside command.
      {u"代码注解", module, {"AnnotateCode"}},
  };
  for (const auto& c : cases) {
    sim::SimEditor editor;
    editor.AddModule(u"VBAProject", u"Module1", module);
    editor.ActivePane()->PlaceCaret(2, 1);
    sim::SimOs os;
    host::Os host_os = os.Os();
    auto connection = ConnectionTo(editor);
    RecordingCommands commands;
    FunctionMenu menu(connection, host_os, commands);
    menu.RunFunctionMenu(c.caption);
    EXPECT_EQ(editor.Module(u"Module1").Text(), c.expected) << text::ToUtf8(c.caption);
    EXPECT_EQ(commands.calls, c.outside_calls);
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

std::u16string Repeat(char16_t c, std::size_t n) {
  return std::u16string(n, c);
}

const std::u16string kSeparator = u"'-----";
// Display width 200 with a double-width character over columns 150 and 151.
const std::u16string kWideSeparator = kSeparator + Repeat(u'a', 143) + u"中" + Repeat(u'b', 49);

TEST(EditingCommands, EditTheLinesAndPlaceTheCaret) {
  // clang-format off
  const EditCase cases[] = {
      {"PrivateBecomesPublic", {u"Private Sub A()"}, {1, 3, 1, 3}, u"公私(&J)", {u"Public Sub A()"},
       {1, 3, 1, 3}},
      {"PublicBecomesPrivate", {u"Public Sub A()"}, {1, 3, 1, 5}, u"公私(&J)", {u"Private Sub A()"},
       {1, 5, 1, 5}},
      // Switched behind its indentation rather than given a second keyword.
      {"IndentedPrivate", {u"    Private x"}, {1, 1, 1, 1}, u"公私(&J)", {u"    Public x"},
       {1, 1, 1, 1}},
      {"OtherLineBecomesPrivate", {u"Sub B()"}, {1, 1, 1, 1}, u"公私(&J)", {u"Private Sub B()"},
       {1, 1, 1, 1}},
      {"CommentOut", {u"    x = 1"}, {1, 3, 1, 3}, u"注释(&Z)", {u"    'x = 1"}, {1, 3, 1, 3}},
      {"CommentBackIn", {u"    'x = 1"}, {1, 3, 1, 3}, u"注释(&Z)", {u"    x = 1"}, {1, 3, 1, 3}},
      {"RemComment", {u"Rem note"}, {1, 1, 1, 1}, u"注释(&Z)", {u"note"}, {1, 1, 1, 1}},
      {"CommentSelectedLines", {u"Sub A()", u"    x = 1", u"", u"    'y = 2", u"End Sub"},
       {2, 1, 4, 5}, u"注释(&Z)", {u"Sub A()", u"    'x = 1", u"    '", u"    y = 2", u"End Sub"},
       {4, 5, 4, 5}},
      {"PasteAboveTheCaretLine", {u"    a = 1", u"    b = 2"}, {2, 1, 2, 1}, u"粘贴(&S)",
       {u"    a = 1", u"    c = 3", u"    b = 2"}, {2, 1, 2, 1}},
      {"PasteOverABlankLine", {u"    a = 1", u"", u"    b = 2"}, {2, 1, 2, 1}, u"粘贴(&S)",
       {u"    a = 1", u"    c = 3", u"    b = 2"}, {2, 1, 2, 1}},
      {"PasteOverTheSelectedLine", {u"    a = 1", u"    b = 2"}, {1, 5, 1, 6}, u"粘贴(&S)",
       {u"    c = 3", u"    b = 2"}, {1, 6, 1, 6}},
      // With nothing to paste, the selected line stays.
      {"PasteNothing", {u"    a = 1", u"    b = 2"}, {1, 5, 1, 6}, u"粘贴(&S)",
       {u"    a = 1", u"    b = 2"}, {1, 5, 1, 6}, u""},
      {"CommentPrefix", {u"    x = 1"}, {1, 7, 1, 7}, u"注解(&C)", {u"    '---", u"    x = 1"},
       {1, 13, 1, 13}},
      {"NewSeparator", {u"    x = 1"}, {1, 3, 1, 3}, u"分割(&B)", {kSeparator, u"    x = 1"},
       {1, 9, 1, 9}},
      {"SeparatorCompleted", {kSeparator}, {1, 7, 1, 7}, u"分割(&B)",
       {kSeparator + Repeat(u'-', 144)}, {1, 151, 1, 151}},
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
  };
  // clang-format on
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    MenuFixture f(c.before);
    f.os.system().SetClipboardText(c.clipboard);
    const auto& s = c.selection;
    f.Select(s.start_line, s.start_column, s.end_line, s.end_column);
    f.Run(c.caption);
    EXPECT_EQ(f.Text(), c.after);
    EXPECT_EQ(f.Selection(), c.caret);
  }
}

TEST(EditingCommands, LeaveALineTheEditorWouldNotReadAsItIs) {
  for (const auto* caption : {u"公私(&J)", u"文本", u"链接", u"换行", u"分割(&B)"}) {
    MenuFixture f({u"Private Sub A()", u"End Sub"});
    f.Module().RefuseReadAt(1);
    f.Select(1, 1, 1, 3);
    f.Run(caption);
    EXPECT_EQ(f.Module().Text()[0],
              caption == std::u16string(u"分割(&B)") ? kSeparator : u"Private Sub A()");
  }
}

}  // namespace
}  // namespace tessaly::menu
