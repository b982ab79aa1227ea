#include "codetools/cleaning.h"

#include <gtest/gtest.h>

#include <vector>

#include "support/code_fixture.h"
#include "text/utf.h"

namespace tessaly::codetools {
namespace {

using Lines = std::vector<std::u16string>;
using test_support::CodeFixture;

struct LineCase {
  std::u16string line;
  std::u16string expected;
};

// Names the case in test output; the default would print the struct's padding bytes.
void PrintTo(const LineCase& c, std::ostream* out) {
  *out << text::ToUtf8(c.line);
}

class DeleteCommentOfLineTest : public ::testing::TestWithParam<LineCase> {};

TEST_P(DeleteCommentOfLineTest, CutsTheCommentOff) {
  EXPECT_EQ(DeleteCommentOfLine(GetParam().line), GetParam().expected)
      << text::ToUtf8(GetParam().line);
}

INSTANTIATE_TEST_SUITE_P(Lines, DeleteCommentOfLineTest,
                         ::testing::Values(LineCase{u"' column one", u""},
                                           LineCase{u"    ' indented", u"    "},
                                           LineCase{u"    x = 1   ' note", u"    x = 1   "},
                                           LineCase{u"    s = \"it's\"", u"    s = \"it's\""},
                                           LineCase{u"    Rem note", u""}, LineCase{u"Rem", u""},
                                           LineCase{u"x = 1 ' ends with an apostrophe'", u"x = 1 "},
                                           LineCase{u"RemoveItem 1", u"RemoveItem 1"},
                                           LineCase{u"x = Remainder", u"x = Remainder"},
                                           LineCase{u"x = 1: Rem note", u"x = 1: Rem note"},
                                           LineCase{u"Rem note ' more", u""},
                                           LineCase{u"x = 1", u"x = 1"}));

class UnindentLineTest : public ::testing::TestWithParam<LineCase> {};

TEST_P(UnindentLineTest, TrimsTheEndsAndTheGapAfterTheFirstWord) {
  EXPECT_EQ(UnindentLine(GetParam().line), GetParam().expected) << text::ToUtf8(GetParam().line);
}

INSTANTIATE_TEST_SUITE_P(
    Lines, UnindentLineTest,
    ::testing::Values(LineCase{u"        Dim    x As Long\t\t", u"Dim x As Long"},
                      LineCase{u"  MsgBox   \"a    b\"", u"MsgBox \"a    b\""},
                      LineCase{u"\tDim\tx\t", u"Dim\tx"},
                      LineCase{u"Dim\tx As Long", u"Dim x As Long"},
                      LineCase{u"x    =  \"a\"", u"x =  \"a\""},
                      LineCase{u"\"a   b\"   c", u"\"a   b\"   c"}, LineCase{u"   ", u""},
                      LineCase{u"  End Sub  ", u"End Sub"}));

TEST(CleanLines, DeleteBlankLinesMarksOnlyBlankLines) {
  const auto cleaned = CleanLines({u"a", u"", u"   ", u"\t", u"b"}, kDeleteBlankLinesCaption);
  ASSERT_EQ(cleaned.size(), 5u);
  EXPECT_EQ(cleaned[0], u"a");
  EXPECT_FALSE(cleaned[1].has_value());
  EXPECT_FALSE(cleaned[2].has_value());
  EXPECT_EQ(cleaned[3], u"\t");
  EXPECT_EQ(cleaned[4], u"b");
}

TEST(CleaningWalk, DeleteBlankLinesRemovesThemAboveTheHeaderToo) {
  CodeFixture editor({u"Option Explicit", u"Sub A()", u"End Sub", u"", u"' about B", u"  ",
                      u"Sub B()", u"x = 1", u"", u"\t", u"", u"y = 1", u"End Sub", u"Sub C()", u"",
                      u"End Sub"});
  editor.Click(8);
  editor.ResetCalls();
  DeleteBlankLines(editor.Connection());
  EXPECT_EQ(editor.Text(),
            (Lines{u"Option Explicit", u"Sub A()", u"End Sub", u"' about B", u"Sub B()", u"x = 1",
                   u"\t", u"y = 1", u"End Sub", u"Sub C()", u"", u"End Sub"}));
  EXPECT_EQ(editor.Calls(u"CodeModule.DeleteLines"), 4);
  EXPECT_EQ(editor.Calls(u"CodeModule.ReplaceLine"), 0);
  EXPECT_EQ(editor.Caret(), (host::Selection{8, 1, 8, 1}));
}

TEST(CleaningWalk, DeleteCommentsOnAProcedure) {
  CodeFixture editor({u"Sub A()", u"' column one", u"    ' indented", u"    x = 1   ' note",
                      u"    s = \"it's\"", u"    Rem note", u"End Sub   ' done"});
  editor.Click(3);
  editor.ResetCalls();
  DeleteComments(editor.Connection());
  EXPECT_EQ(editor.Text(), (Lines{u"Sub A()", u"", u"    ", u"    x = 1   ", u"    s = \"it's\"",
                                  u"", u"End Sub   "}));
  EXPECT_EQ(editor.Calls(u"CodeModule.ReplaceLine"), 5);
  EXPECT_EQ(editor.Calls(u"CodeModule.Lines"), 7);
}

TEST(CleaningWalk, UnindentCodeWorksOnTheEnumBlockAroundTheCaret) {
  CodeFixture editor({u"Option Explicit", u"Private Enum E", u"    eA   = 1", u"    eB = 2",
                      u"End Enum", u"Sub A()", u"    x = 1", u"End Sub"});
  editor.Click(3);
  editor.ResetCalls();
  UnindentCode(editor.Connection());
  EXPECT_EQ(editor.Text(), (Lines{u"Option Explicit", u"Private Enum E", u"eA = 1", u"eB = 2",
                                  u"End Enum", u"Sub A()", u"    x = 1", u"End Sub"}));
  // The block search's reads serve the walk as well.
  EXPECT_EQ(editor.Calls(u"CodeModule.Lines"), 4);
}

TEST(CleaningWalk, AnyOtherCaptionChangesNothing) {
  const Lines text{u"Sub A()", u"", u"    x = 1 ' note", u"End Sub"};
  CodeFixture editor(text);
  editor.Click(3);
  RunCleaningWalk(editor.Connection(), u"代码缩进");
  EXPECT_EQ(editor.Text(), text);
  EXPECT_EQ(editor.Calls(u"CodeModule.ReplaceLine") + editor.Calls(u"CodeModule.DeleteLines"), 0);
}

TEST(CleaningWalk, RefusedDeletionKeepsThatLineOnly) {
  CodeFixture editor({u"Sub A()", u"", u"x = 1", u"", u"", u"End Sub"});
  editor.Application().Calls().Refuse(u"CodeModule.DeleteLines");
  editor.Click(3);
  DeleteBlankLines(editor.Connection());
  EXPECT_EQ(editor.Text().size(), 6u);
  editor.Application().Calls().Allow(u"CodeModule.DeleteLines");
  editor.Module().RefuseReplaceAt(3);
  editor.Click(3);
  RunCleaningWalk(editor.Connection(), kDeleteBlankLinesCaption);
  EXPECT_EQ(editor.Text(), (Lines{u"Sub A()", u"x = 1", u"End Sub"}));
}

TEST(CleaningWalk, UnreadableLineLeavesItAndTheLinesBelowUntouched) {
  CodeFixture editor({u"Sub A()", u"", u"  x = 1", u"", u"", u"End Sub"});
  editor.Module().RefuseReadAt(4);
  editor.Click(3, 2);
  DeleteBlankLines(editor.Connection());
  EXPECT_EQ(editor.Text(), (Lines{u"Sub A()", u"  x = 1", u"", u"", u"End Sub"}));
  EXPECT_EQ(editor.Caret(), (host::Selection{3, 2, 3, 2}));
}

}  // namespace
}  // namespace tessaly::codetools
