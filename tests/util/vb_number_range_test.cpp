#include <gtest/gtest.h>

#include <cmath>
#include <optional>
#include <string>

#include "util/vb_number.h"

namespace tessaly::util {
namespace {

// Past a double's range a number text is still numeric when it is merely too small (it reads as
// zero) and not numeric when it is too large, however the digits and the exponent share the
// magnitude.
TEST(VbNumberRange, TooSmallReadsAsZeroAndTooLargeAsNoNumber) {
  const std::u16string zeros(400, u'0');
  const struct {
    std::u16string text;
    std::optional<double> number;
  } cases[] = {
      {u"1e-400", 0.0},
      {u"-1E-400", -0.0},
      {u"0." + zeros + u"1", 0.0},
      {u"1" + zeros + u"e-800", 0.0},
      {u"0.0001e-330", 0.0},
      {u"1e400", std::nullopt},
      {u"1E+400", std::nullopt},
      {u"-1e400", std::nullopt},
      {u"1" + zeros, std::nullopt},
      {u"0.0001e+330", std::nullopt},
      {u"1" + zeros + u"e-50", std::nullopt},
      {u"1e99999999999999999999", std::nullopt},
      {u"1e-99999999999999999999", 0.0},
  };
  for (const auto& c : cases) {
    const auto number = ParseVbNumber(c.text);
    ASSERT_EQ(number, c.number) << std::string(c.text.begin(), c.text.end());
    if (number) {
      EXPECT_EQ(std::signbit(*number), std::signbit(*c.number));
    }
  }
}

}  // namespace
}  // namespace tessaly::util
