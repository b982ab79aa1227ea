#include "codetools/comments.h"

#include <gtest/gtest.h>

#include <vector>
#include "codetools/cleaning.h"
#include "text/utf.h"

namespace tessaly::codetools {
namespace {

TEST(CommentKey, SqueezesTriplesOfBlanksAndItsHeadIsItsFirstFourCharacters) {
  EXPECT_EQ(CommentKey(u"  a    b  "), u"a b");  // four blanks: one triple goes, one stays
  // Every short line over an alphabet that exercises squeezing and trimming.
  const std::u16string alphabet = u" R'\tm";
  for (int code = 0; code < 6 * 6 * 6 * 6 * 6 * 6; ++code) {
    std::u16string line;
    for (int rest = code; line.size() < 6; rest /= 6)
      line.push_back(alphabet[rest % 6]);
    ASSERT_EQ(CommentKeyHead(line), CommentKey(line).substr(0, 4)) << text::ToUtf8(line);
  }
}

// Where comments start is met by the annotation rows and the tools' expected modules; what
// counts as a comment line is looked at by its first three letters only.
TEST(Comments, ACommentLineIsToldByItsStart) {
  EXPECT_TRUE(IsCommentLine(u"        ' indented"));
  EXPECT_TRUE(IsCommentLine(u"RemoveItem 1"));  // the three letters are all that is looked at
  EXPECT_FALSE(IsCommentLine(u"REM note"));
  EXPECT_FALSE(IsCommentLine(u"x = 1 ' note"));
  EXPECT_FALSE(IsCommentLine(u"\t' after a tab"));
  EXPECT_EQ(StripComment(u"s = \"it's\" ' it's"), u"s = \"it's\" ");
}

TEST(Cleaning, CutsCommentsOffAndUnindentsLines) {
  // The plain kinds are met by the walk of "删除注解"; these are the edge cases.
  const std::pair<std::u16string, std::u16string> comments[] = {
      // clang-format off
      {u"Rem", u""}, {u"x = 1 ' ends with an apostrophe'", u"x = 1 "}, {u"RemoveItem 1", u"RemoveItem 1"},
      {u"x = Remainder", u"x = Remainder"}, {u"x = 1: Rem note", u"x = 1: Rem note"},
      {u"Rem note ' more", u""}, {u" ' second place", u" "}};
  // The ends are trimmed and so is the gap after the first word, nothing else.
  const std::pair<std::u16string, std::u16string> unindented[] = {
      {u"        Dim    x As Long\t\t", u"Dim x As Long"}, {u"  MsgBox   \"a    b\"", u"MsgBox \"a    b\""},
      {u"\tDim\tx\t", u"Dim\tx"}, {u"Dim\tx As Long", u"Dim x As Long"}, {u"x    =  \"a\"", u"x =  \"a\""},
      {u"\"a   b\"   c", u"\"a   b\"   c"}, {u"   ", u""}, {u"  End Sub  ", u"End Sub"}};
  // clang-format on
  for (const auto& [line, cut] : comments)
    EXPECT_EQ(DeleteCommentOfLine(line), cut) << text::ToUtf8(line);
  for (const auto& [line, flush] : unindented)
    EXPECT_EQ(UnindentLine(line), flush) << text::ToUtf8(line);
}

}  // namespace
}  // namespace tessaly::codetools
