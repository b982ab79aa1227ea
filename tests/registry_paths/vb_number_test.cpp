// Number texts read and write as the runtime does, whatever C locale and floating-point rounding
// mode the editor's process chose: the add-in shares them with the host, and a German Windows
// sets a decimal comma.

#include "registry_paths/vb_number.h"

#include <gtest/gtest.h>

#include <cfenv>
#include <clocale>
#include <cmath>
#include <functional>
#include <string>

namespace tessaly::registry_paths {
namespace {

// Runs `check` in every rounding mode under the C locale and under a decimal-comma locale (the
// glibc name, then the Windows one for the suite's run under Wine), and puts both back.
void UnderEveryHostState(const std::function<void()>& check) {
  const std::string locale = std::setlocale(LC_ALL, nullptr);
  const int rounding = std::fegetround();
  bool comma_seen = false;
  for (const char* name : {"C", "de_DE.UTF-8", "German"}) {
    if (comma_seen || !std::setlocale(LC_ALL, name)) continue;
    comma_seen = std::localeconv()->decimal_point == std::string(",");
    for (const int mode : {FE_TONEAREST, FE_UPWARD, FE_DOWNWARD, FE_TOWARDZERO}) {
      ASSERT_EQ(std::fesetround(mode), 0);
      SCOPED_TRACE(std::string(name) + ", rounding mode " + std::to_string(mode));
      check();
    }
  }
  std::setlocale(LC_ALL, locale.c_str());
  std::fesetround(rounding);
  if (!comma_seen) GTEST_SKIP() << "no decimal-comma locale installed (Debian: locales-all)";
}

// Reading: looking for the decimal point at the text's size itself reads the terminating null,
// which is no point: that bound shows in no text. Past a double's range a text is still numeric
// when it is merely too small (it reads as zero), not when it is too large, however the digits
// and the exponent share the magnitude. Writing is CStr's; halves round to even.
TEST(VbNumber, ReadsAndWritesNumbersAsTheRuntimeDoes) {
  const std::u16string zeros(400, u'0');
  // clang-format off
  const std::pair<std::u16string, double> numbers[] = {
      {u"17", 17}, {u" -2.5 ", -2.5}, {u"\t7\t\t", 7}, {u".5", 0.5}, {u"1E3", 1000},
      {u"-6.25E-2", -0.0625}, {u"&HFF", 255}, {u"&Hfa09", 64009}, {u"&h9aF", 2479},
      {u"&O17", 15}, {u"&HFFFFFFFF", -1},
      {u"1e-400", 0.0}, {u"-1E-400", -0.0}, {u"0." + zeros + u"1", 0.0},
      {u"0.0001e-330", 0.0}, {u"1" + zeros + u"e-800", 0.0}, {u"1e-99999999999999999999", 0.0}};
  const std::u16string not_numbers[] = {
      u"", u"1e", u"1 2", u"1,5", u"&H", u"&Hg", u"&O8", u"&H123456789", u"abc", u".", u"+",
      u"1e400", u"1E+400",
      u"-1e400", u"1" + zeros, u"0.0001e+330", u"1" + zeros + u"e-50", u"1e99999999999999999999",
      u"1x", u"inf", u"０"};
  const std::pair<double, std::u16string> texts[] = {
      {3, u"3"}, {-40, u"-40"}, {2.5, u"2.5"}, {0.1, u"0.1"}, {-0.125, u"-0.125"},
      {1234567, u"1234567"}, {1e20, u"1E+20"}, {1.5e20, u"1.5E+20"}, {4294967295.0, u"4294967295"}};
  const std::pair<double, std::optional<std::int32_t>> longs[] = {
      {2.5, 2}, {3.5, 4}, {-2.5, -2}, {-3.5, -4}, {2.4, 2}, {-2.6, -3}, {2147483648.0, std::nullopt}};
  // clang-format on
  UnderEveryHostState([&] {
    for (const auto& [text, expected] : numbers) {
      const auto number = ParseVbNumber(text);
      ASSERT_EQ(number, expected) << std::string(text.begin(), text.end());
      EXPECT_EQ(std::signbit(*number), std::signbit(expected));
    }
    for (const auto& text : not_numbers)
      EXPECT_EQ(ParseVbNumber(text), std::nullopt) << std::string(text.begin(), text.end());
    for (const auto& [number, text] : texts)
      EXPECT_EQ(FormatVbNumber(number), text) << number;
    for (const auto& [number, rounded] : longs)
      EXPECT_EQ(VbLong(number), rounded) << number;
    EXPECT_EQ(RoundHalfEvenIn(255.5, 0, 255), std::nullopt);
    EXPECT_EQ(RoundHalfEvenIn(254.5, 0, 255), 254);
  });
}

}  // namespace
}  // namespace tessaly::registry_paths
