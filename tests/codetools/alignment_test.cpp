#include "codetools/alignment.h"

#include <gtest/gtest.h>

#include <vector>

#include "support/code_fixture.h"

namespace tessaly::codetools {
namespace {

using Lines = std::vector<std::u16string>;
using test_support::CodeFixture;

struct AlignCase {
  const char* title;
  std::int32_t mode;
  Lines input;
  Lines expected;
};

// Names the case in test output; the default would print the struct's padding bytes.
void PrintTo(const AlignCase& c, std::ostream* out) {
  *out << c.title;
}

class AlignLinesTest : public ::testing::TestWithParam<AlignCase> {};

TEST_P(AlignLinesTest, PlacesTrailingComments) {
  EXPECT_EQ(AlignLines(GetParam().input, GetParam().mode), GetParam().expected) << GetParam().title;
}

INSTANTIATE_TEST_SUITE_P(
    Modes, AlignLinesTest,
    ::testing::Values(
        AlignCase{
            "comments move one column past the widest code",
            kAlignCommentsMode,
            {u"x = 1 ' a", u"total = 1234 ' b", u"someLongName = 12345"},
            {u"x = 1               ' a", u"total = 1234        ' b", u"someLongName = 12345"}},
        AlignCase{"the widest commented line keeps its comment's column",
                  kAlignCommentsMode,
                  {u"abcdefghij   'note", u"x = 1 ' a"},
                  {u"abcdefghij   'note", u"x = 1        ' a"}},
        AlignCase{"Chinese characters count two columns when measured",
                  kAlignCommentsMode,
                  {u"x = 1   ' 中文注解", u"y = 22 ' b"},
                  {u"x = 1    ' 中文注解", u"y = 22   ' b"}},
        AlignCase{"Chinese code is measured by its display width",
                  kAlignCommentsMode,
                  {u"s = \"表\" ' a", u"t = \"abc\" ' b"},
                  {u"s = \"表\"  ' a", u"t = \"abc\" ' b"}},
        AlignCase{"trailing blanks go, whole-line comments are not measured",
                  kAlignCommentsMode,
                  {u"x = 1 ' a", u"    ", u"    ' a long whole-line comment   ", u"y = 2000   "},
                  {u"x = 1   ' a", u"", u"    ' a long whole-line comment", u"y = 2000"}},
        AlignCase{"a literal apostrophe is no comment",
                  kAlignCommentsMode,
                  {u"s = \"it's\" ' a", u"x = 1 ' b"},
                  {u"s = \"it's\" ' a", u"x = 1      ' b"}},
        AlignCase{"unaligning joins each comment to its code",
                  kUnalignCommentsMode,
                  {u"x = 1    ' note", u"    ' whole line", u"y = 2   ", u"s = \"it's\"  ' a"},
                  {u"x = 1' note", u"    ' whole line", u"y = 2   ", u"s = \"it's\"' a"}},
        AlignCase{"any mode other than 0 unaligns", 7, {u"x = 1  ' note"}, {u"x = 1' note"}}));

TEST(CountHeaderLines, SkipsBlankAndCommentLinesAndTheHeader) {
  EXPECT_EQ(CountHeaderLines({u"", u"Sub A()", u"x = 1"}), 2u);
  EXPECT_EQ(CountHeaderLines({u"' about A", u"   ", u"Sub A()", u"x = 1"}), 3u);
  EXPECT_EQ(CountHeaderLines({u"", u""}), 2u);
}

TEST(AlignmentWalk, LeavesHeaderAndEndLineAlone) {
  CodeFixture editor({u"' about A   ", u"Sub A()   ' header", u"x = 1 ' a", u"total = 12   ' b",
                      u"End Sub   ' end"});
  editor.Click(3, 4);
  editor.ResetCalls();
  AlignComments(editor.Connection());
  // The widest comment stays where it stood: three blanks after its code.
  EXPECT_EQ(editor.Text(), (Lines{u"' about A   ", u"Sub A()   ' header", u"x = 1        ' a",
                                  u"total = 12   ' b", u"End Sub   ' end"}));
  EXPECT_EQ(editor.Calls(u"CodeModule.Lines"), 4);
  EXPECT_EQ(editor.Calls(u"CodeModule.ReplaceLine"), 1);
  EXPECT_EQ(editor.Caret(), (host::Selection{3, 1, 3, 1}));
}

TEST(AlignmentWalk, UnalignWritesOnlyLinesWithAMovedComment) {
  CodeFixture editor({u"Sub A()", u"x = 1    ' a", u"y = 2   ", u"    ' whole", u"End Sub"});
  editor.Click(2);
  editor.ResetCalls();
  UnalignComments(editor.Connection());
  EXPECT_EQ(editor.Text(),
            (Lines{u"Sub A()", u"x = 1' a", u"y = 2   ", u"    ' whole", u"End Sub"}));
  EXPECT_EQ(editor.Calls(u"CodeModule.ReplaceLine"), 1);
}

TEST(AlignmentWalk, RefusedWriteKeepsThatLine) {
  CodeFixture editor({u"Sub A()", u"x = 1 ' a", u"y = 22 ' b", u"longer = 1 ' c", u"End Sub"});
  editor.Module().RefuseReplaceAt(3);
  editor.Click(2);
  AlignComments(editor.Connection());
  EXPECT_EQ(editor.Text(),
            (Lines{u"Sub A()", u"x = 1      ' a", u"y = 22 ' b", u"longer = 1 ' c", u"End Sub"}));
}

TEST(AlignmentWalk, UnreadableLineEndsTheRunThere) {
  CodeFixture editor(
      {u"Sub A()", u"x = 1 ' a", u"y = 22 ' b", u"longest = 1 ' c", u"z = 1 ' d", u"End Sub"});
  editor.Module().RefuseReadAt(4);
  editor.Click(5, 2);
  RunAlignmentWalk(editor.Connection(), kAlignCommentsMode);
  EXPECT_EQ(editor.Text(), (Lines{u"Sub A()", u"x = 1  ' a", u"y = 22 ' b", u"longest = 1 ' c",
                                  u"z = 1 ' d", u"End Sub"}));
  EXPECT_EQ(editor.Caret(), (host::Selection{5, 2, 5, 2}));
}

TEST(AlignmentWalk, WithoutAnActiveCodePaneChangesNothing) {
  const Lines text{u"Sub A()", u"x = 1    ' a", u"End Sub"};
  CodeFixture editor(text);
  editor.ClearActivePane();
  UnalignComments(editor.Connection());
  EXPECT_EQ(editor.Text(), text);
}

}  // namespace
}  // namespace tessaly::codetools
