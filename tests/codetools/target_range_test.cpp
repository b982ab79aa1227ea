#include "codetools/target_range.h"

#include <gtest/gtest.h>

#include <vector>

#include "support/code_fixture.h"

namespace tessaly::codetools {
namespace {

using test_support::CodeFixture;

// Lines 4-7 an Enum, 8-10 and 11-13 Types (the second indented), 14-18 S with a comment and a
// blank line above it, 19-23 P, 24-26 Q, 27-28 F.
std::vector<std::u16string> RangeModule() {
  // clang-format off
  return {u"Option Explicit", u"Public Const A As Long = 1", u"Dim x As Long",
          u"Private Enum Colors", u"    cRed = 1", u"    cBlue = 2", u"End Enum",
          u"Type Pair", u"    a As Long", u"End Type",
          u"  Private Type Indented", u"    z As Long", u"End Type",
          u"' about S", u"", u"Sub S()", u"    x = 1", u"End Sub",
          u"Public Property Get P() As Long", u"If x Then", u"    P = 1", u"End If", u"End Property",
          u"Friend Property Get Q() As Long", u"    Q = 2", u"End Property",
          u"Function F()", u"End Function"};
  // clang-format on
}

TEST(TargetRange, FollowsTheSelectionsStartLine) {
  const struct {
    const char* title;
    std::int32_t start_line;
    std::int32_t end_line;
    TargetRange expected;
    std::u16string name;
  } cases[] = {
      // The walks meet a procedure with comment and blank lines above it, and an Enum block.
      {"a selection across procedures takes the first one", 17, 27, {14, 18}, u"S"},
      {"End Type line finds its own Type header", 10, 10, {8, 10}, u""},
      {"property procedure closes at an End If in column 1", 21, 21, {19, 22}, u"P"},
      {"indented header is no header", 12, 12, {1, 28}, u""},
      {"Friend header is no header", 25, 25, {1, 28}, u"Q"},
      {"Dim below a Public Const is the whole module", 3, 3, {1, 28}, u""},
      {"first line of the module", 1, 1, {1, 28}, u""}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.title);
    CodeFixture editor(RangeModule());
    editor.Click(c.start_line, 3, c.end_line, 2);
    auto& application = editor.Application();
    const auto name = ProcNameAtCaret(application);
    EXPECT_EQ(name, c.name);
    EXPECT_EQ((TargetRange{RangeBoundary(application, name, false),
                           RangeBoundary(application, name, true)}),
              c.expected);
  }
}

TEST(TargetRange, NoActivePaneGivesAnEmptyRange) {
  CodeFixture editor(RangeModule());
  editor.ClearActivePane();
  auto& application = editor.Application();
  EXPECT_EQ(ProcNameAtCaret(application), u"");
  EXPECT_EQ(RangeBoundary(application, u"", false), 1);
  EXPECT_EQ(RangeBoundary(application, u"", true), 0);
}

// The editor answers the start but refuses the count: the range is empty and no block search
// replaces it.
TEST(TargetRange, ARefusedLineCountLeavesAnEmptyRange) {
  CodeFixture editor(RangeModule());
  editor.Application().Calls().Refuse(u"CodeModule.ProcCountLines");
  editor.Click(17);
  EXPECT_EQ(RangeBoundary(editor.Application(), u"S", false), 14);
  EXPECT_EQ(RangeBoundary(editor.Application(), u"S", true), 13);
}

TEST(TargetRange, BlockWithoutEndRunsToTheLastLine) {
  CodeFixture editor({u"Option Explicit", u"Type T", u"    a As Long", u"    b As Long"});
  editor.Click(3);
  LineCache lines(editor.Module());
  EXPECT_EQ(FindTargetRange(*editor.Module().Pane(), lines), (TargetRange{2, 4}));
}

TEST(TargetRange, RestoreCaretPutsAnEmptySelectionOnSavedStartLine) {
  CodeFixture editor(RangeModule());
  editor.Click(17, 5, 18, 3);
  editor.Module().Pane()->Select(2, 1, 3, 4);
  RestoreCaret(editor.Connection());
  EXPECT_EQ(editor.Caret(), (host::Selection{17, 1, 17, 1}));
  editor.Connection().SavedStartLine = 999;  // refused by the editor: nothing happens
  RestoreCaret(editor.Connection());
  EXPECT_EQ(editor.Caret(), (host::Selection{17, 1, 17, 1}));
}

}  // namespace
}  // namespace tessaly::codetools
