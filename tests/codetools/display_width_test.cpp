#include "codetools/display_width.h"

#include <gtest/gtest.h>

namespace tessaly::codetools {
namespace {

TEST(DisplayWidth, CodeUnitsFrom257OnCountTwo) {
  EXPECT_EQ(DisplayWidth(u""), 0);
  EXPECT_EQ(DisplayWidth(u"x = 1"), 5);
  EXPECT_EQ(DisplayWidth(u"' 注解"), 6);
  EXPECT_EQ(DisplayWidth(u"\u0100"), 1);  // 256 is still single-width
  EXPECT_EQ(DisplayWidth(u"\u0101"), 2);
  EXPECT_EQ(DisplayWidth(u"\u00e9"), 1);
}

TEST(DisplayWidth, UpToCountsTheFirstCharactersOnly) {
  EXPECT_EQ(DisplayWidth(u"ab中文", 3), 4);
  EXPECT_EQ(DisplayWidth(u"ab中文", 0), 6);
  EXPECT_EQ(DisplayWidth(u"ab中文", 99), 6);
}

TEST(CharIndexAtWidth, FirstCharacterReachingTheWidth) {
  EXPECT_EQ(CharIndexAtWidth(u"ab中c", 3), 3);
  EXPECT_EQ(CharIndexAtWidth(u"ab中c", 4), 3);  // the wide character covers columns 3 and 4
  EXPECT_EQ(CharIndexAtWidth(u"ab中c", 5), 4);
  EXPECT_EQ(CharIndexAtWidth(u"ab", 5), 0);
  EXPECT_EQ(CharIndexAtWidth(u"ab", 1), 1);
  EXPECT_EQ(CharIndexAtWidth(u"", 1), 0);
}

}  // namespace
}  // namespace tessaly::codetools
