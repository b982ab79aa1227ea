#include "codetools/cleaning.h"

#include <gtest/gtest.h>

#include <vector>

#include "text/utf.h"

namespace tessaly::codetools {
namespace {

struct LineCase {
  std::u16string line;
  std::u16string expected;
};

TEST(Cleaning, CutsCommentsOffAndUnindentsLines) {
  const LineCase comments[] = {{u"' column one", u""},
                               // clang-format off
                               {u"    ' indented", u"    "},
                               {u"    x = 1   ' note", u"    x = 1   "},
                               {u"    s = \"it's\"", u"    s = \"it's\""}, {u"    Rem note", u""},
                               {u"Rem", u""}, {u"x = 1 ' ends with an apostrophe'", u"x = 1 "},
                               {u"RemoveItem 1", u"RemoveItem 1"},
                               {u"x = Remainder", u"x = Remainder"},
                               {u"x = 1: Rem note", u"x = 1: Rem note"}, {u"Rem note ' more", u""},
                               {u" ' second place", u" "},
                               // clang-format on
                               {u"x = 1", u"x = 1"}};
  for (const auto& c : comments)
    EXPECT_EQ(DeleteCommentOfLine(c.line), c.expected) << text::ToUtf8(c.line);

  // The ends are trimmed and so is the gap after the first word, nothing else.
  const LineCase unindented[] = {{u"        Dim    x As Long\t\t", u"Dim x As Long"},
                                 // clang-format off
                                 {u"  MsgBox   \"a    b\"", u"MsgBox \"a    b\""},
                                 {u"\tDim\tx\t", u"Dim\tx"}, {u"Dim\tx As Long", u"Dim x As Long"},
                                 {u"x    =  \"a\"", u"x =  \"a\""},
                                 {u"\"a   b\"   c", u"\"a   b\"   c"}, {u"   ", u""},
                                 // clang-format on
                                 {u"  End Sub  ", u"End Sub"}};
  for (const auto& c : unindented)
    EXPECT_EQ(UnindentLine(c.line), c.expected) << text::ToUtf8(c.line);

  const auto cleaned = CleanLines({u"a", u"", u"   ", u"\t", u"b"}, kDeleteBlankLinesCaption);
  EXPECT_EQ(cleaned, (std::vector<std::optional<std::u16string>>{u"a", std::nullopt, std::nullopt,
                                                                 u"\t", u"b"}));
}

}  // namespace
}  // namespace tessaly::codetools
