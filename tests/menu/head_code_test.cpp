#include "menu/head_code.h"

#include <gtest/gtest.h>

#include <vector>

namespace tessaly::menu {
namespace {

// Reads line n of the lines; anything outside them is refused, as the editor refuses.
LineReader Reader(const std::vector<std::u16string>& lines) {
  return [&lines](std::int32_t n) -> std::optional<std::u16string> {
    if (n < 1 || n > static_cast<std::int32_t>(lines.size())) return std::nullopt;
    return lines[n - 1];
  };
}

TEST(IndentPrefix, IsTheCaretLinesBlanksOneLevelDeeperAboveABlockEnd) {
  const std::vector<std::u16string> lines = {u"        x = 1", u"    Else",   u"    End If",
                                             u"\tTab",         u"    Case 1", u"    Next i",
                                             u"  Loop",        u"Wend",       u"Ending = 1"};
  EXPECT_EQ(IndentPrefixAt(1, Reader(lines)), u"        ");
  EXPECT_EQ(IndentPrefixAt(2, Reader(lines)), u"    ");
  EXPECT_EQ(IndentPrefixAt(3, Reader(lines)), u"        ");
  EXPECT_EQ(IndentPrefixAt(4, Reader(lines)), u"");  // a tab ends the run of blanks
  EXPECT_EQ(IndentPrefixAt(5, Reader(lines)), u"    ");
  EXPECT_EQ(IndentPrefixAt(6, Reader(lines)), u"        ");
  EXPECT_EQ(IndentPrefixAt(7, Reader(lines)), u"      ");
  EXPECT_EQ(IndentPrefixAt(8, Reader(lines)), u"    ");
  EXPECT_EQ(IndentPrefixAt(9, Reader(lines)), u"");  // "Endi" is not "End "
}

TEST(IndentPrefix, OnABlankLineTakesTheNextCodeBelowFirst) {
  const std::vector<std::u16string> lines = {u"  a = 1", u"", u"", u"    End If"};
  EXPECT_EQ(IndentPrefixAt(2, Reader(lines)), u"        ");
  const std::vector<std::u16string> above = {u"  a = 1", u"   ", u"", u"", u""};
  // Nothing below within reach: the line above is the reference.
  EXPECT_EQ(IndentPrefixAt(3, Reader(above)), u"  ");
}

TEST(IndentPrefix, TreatsLinesOutsideTheModuleAsBlank) {
  // At the last line the search must not take the refused line below for code.
  const std::vector<std::u16string> lines = {u"Sub A()", u"    b = 2", u""};
  EXPECT_EQ(IndentPrefixAt(3, Reader(lines)), u"    ");
  const std::vector<std::u16string> first = {u"", u"      c = 3"};
  EXPECT_EQ(IndentPrefixAt(1, Reader(first)), u"      ");
  EXPECT_EQ(IndentPrefixAt(0, Reader(first)), u"      ");
  const std::vector<std::u16string> empty = {u""};
  EXPECT_EQ(IndentPrefixAt(1, Reader(empty)), u"");
}

}  // namespace
}  // namespace tessaly::menu
