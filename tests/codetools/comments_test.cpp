#include "codetools/comments.h"

#include <gtest/gtest.h>

#include "codetools/blanks.h"
#include "text/utf.h"

namespace tessaly::codetools {
namespace {

TEST(CommentKey, DropsTriplesOfBlanksThenTrims) {
  EXPECT_EQ(CommentKey(u"        ' note"), u"' note");
  EXPECT_EQ(CommentKey(u"  x  =  1  "), u"x  =  1");
  EXPECT_EQ(CommentKey(u"a    b"), u"a b");  // four blanks: one triple goes, one stays
  EXPECT_EQ(CommentKey(u"\t' note"), u"\t' note");
}

TEST(CommentKey, HeadIsTheKeysFirstFourCharacters) {
  // Every short line over an alphabet that exercises squeezing and trimming.
  const std::u16string alphabet = u" R'\tm";
  for (int code = 0; code < 6 * 6 * 6 * 6 * 6 * 6; ++code) {
    std::u16string line;
    for (int rest = code; line.size() < 6; rest /= 6)
      line.push_back(alphabet[rest % 6]);
    ASSERT_EQ(CommentKeyHead(line), CommentKey(line).substr(0, 4)) << text::ToUtf8(line);
  }
}

struct CommentStartCase {
  const char16_t* line;
  std::int32_t expected;
};

// Names the case in test output; the default would print the struct's padding bytes.
void PrintTo(const CommentStartCase& c, std::ostream* out) {
  *out << text::ToUtf8(c.line);
}

class FindCommentStartTest : public ::testing::TestWithParam<CommentStartCase> {};

TEST_P(FindCommentStartTest, FindsTheApostropheOpeningATrailingComment) {
  EXPECT_EQ(FindCommentStart(GetParam().line), GetParam().expected)
      << text::ToUtf8(GetParam().line);
}

INSTANTIATE_TEST_SUITE_P(
    Lines, FindCommentStartTest,
    ::testing::Values(CommentStartCase{u"MsgBox \"it's\" ' note", 15},
                      CommentStartCase{u"x = 1 ' note", 7}, CommentStartCase{u"x = 1' note '", 6},
                      CommentStartCase{u"        ' whole line", 0},
                      CommentStartCase{u"' whole line", 0}, CommentStartCase{u"rem note 'x'", 0},
                      CommentStartCase{u"  REM note 'x'", 0}, CommentStartCase{u"x = \"a'b\"", 0},
                      CommentStartCase{u"x = \"say \"\"hi\"\"\" ' it", 18},
                      CommentStartCase{u"x = 1: Rem note", 0}, CommentStartCase{u"", 0}));

TEST(IsCommentLine, ApostropheOrCaseSensitiveRemFirst) {
  EXPECT_TRUE(IsCommentLine(u"        ' indented"));
  EXPECT_TRUE(IsCommentLine(u"'"));
  EXPECT_TRUE(IsCommentLine(u"RemoveItem 1"));  // the three letters are all that is looked at
  EXPECT_TRUE(IsCommentLine(u"    Rem note"));
  EXPECT_FALSE(IsCommentLine(u"REM note"));
  EXPECT_FALSE(IsCommentLine(u"x = 1 ' note"));
  EXPECT_FALSE(IsCommentLine(u"\t' after a tab"));
  EXPECT_FALSE(IsCommentLine(u""));
}

TEST(StripComment, CutsAtTheFirstApostropheOutsideALiteral) {
  EXPECT_EQ(StripComment(u"x = 1   ' note"), u"x = 1   ");
  EXPECT_EQ(StripComment(u"s = \"it's\" ' it's"), u"s = \"it's\" ");
  EXPECT_EQ(StripComment(u"s = \"it's\""), u"s = \"it's\"");
  EXPECT_EQ(StripComment(u"    ' note"), u"    ");
}

TEST(IsInsideString, OddQuoteCountBeforeThePosition) {
  const std::u16string text = u"a \"b\"\"c\" d";
  EXPECT_FALSE(IsInsideString(text, 1));
  EXPECT_TRUE(IsInsideString(text, 3));
  EXPECT_TRUE(IsInsideString(text, 4));
  EXPECT_FALSE(IsInsideString(text, 5));  // a doubled quote keeps the parity
  EXPECT_TRUE(IsInsideString(text, 7));
  EXPECT_FALSE(IsInsideString(text, 10));
  EXPECT_FALSE(IsInsideString(text, 0));
  EXPECT_FALSE(IsInsideString(text, 99));
}

TEST(CountOccurrences, CountsOverlappingOccurrences) {
  EXPECT_EQ(CountOccurrences(u"aaaa", u"aa"), 3);
  EXPECT_EQ(CountOccurrences(u"x = 'a' 'b'", u"'"), 4);
  EXPECT_EQ(CountOccurrences(u"abc", u"d"), 0);
  EXPECT_EQ(CountOccurrences(u"abc", u""), 0);
}

TEST(Blanks, TrimsSpacesOnlyUnlessTabsAreAskedFor) {
  EXPECT_EQ(TrimBlanksAndTabs(u" \t x y \t\t "), u"x y");
  EXPECT_EQ(TrimBlanksAndTabs(u"\t \t"), u"");
  EXPECT_EQ(TrimBlanks(u" \tx\t "), u"\tx\t");
  EXPECT_TRUE(IsBlankLine(u"    "));
  EXPECT_TRUE(IsBlankLine(u""));
  EXPECT_FALSE(IsBlankLine(u" \t "));
}

}  // namespace
}  // namespace tessaly::codetools
