#include "util/vb_number.h"

#include <gtest/gtest.h>

namespace tessaly::util {
namespace {

// Looking for the decimal point at the text's size itself reads the terminating null, which is
// no point: that bound shows in no text.
TEST(VbNumber, ReadsNumericTextAsTheRuntimeDoes) {
  const struct {
    std::u16string text;
    std::optional<double> number;
  } cases[] = {
      {u"17", 17},
      {u" -2.5 ", -2.5},
      {u"\t7\t", 7},
      {u".5", 0.5},
      {u"1E3", 1000},
      {u"&HFF", 255},
      {u"&O17", 15},
      {u"&HFFFFFFFF", -1},
      {u"", std::nullopt},
      {u"1e", std::nullopt},
      {u"1 2", std::nullopt},
      {u"&H", std::nullopt},
      {u"&H123456789", std::nullopt},
      {u"abc", std::nullopt},
      {u".", std::nullopt},
      {u"+", std::nullopt},
  };
  for (const auto& c : cases)
    EXPECT_EQ(ParseVbNumber(c.text), c.number);
}

TEST(VbNumber, WritesNumbersAsCStrDoes) {
  EXPECT_EQ(FormatVbNumber(3), u"3");
  EXPECT_EQ(FormatVbNumber(-40), u"-40");
  EXPECT_EQ(FormatVbNumber(2.5), u"2.5");
  EXPECT_EQ(FormatVbNumber(0.1), u"0.1");
  EXPECT_EQ(FormatVbNumber(4294967295.0), u"4294967295");
  EXPECT_EQ(FormatVbNumber(1e20), u"1E+20");
}

TEST(VbNumber, RoundsHalvesToEven) {
  EXPECT_EQ(VbLong(2.5), 2);
  EXPECT_EQ(VbLong(3.5), 4);
  EXPECT_EQ(VbLong(-2.5), -2);
  EXPECT_EQ(VbLong(2147483648.0), std::nullopt);
  EXPECT_EQ(RoundHalfEvenIn(255.5, 0, 255), std::nullopt);
  EXPECT_EQ(RoundHalfEvenIn(254.5, 0, 255), 254);
}

}  // namespace
}  // namespace tessaly::util
