#include "menu/editing_commands.h"

#include <gtest/gtest.h>

#include "menu_fixture.h"

namespace tessaly::menu {
namespace {

using Lines = std::vector<std::u16string>;

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
