// The add-in runs inside the editor's process, whose C locale and floating-point rounding mode
// belong to the editor (a German Windows sets a decimal comma). Numbers must read and write the
// same whatever the host chose.

#include <gtest/gtest.h>

#include <cfenv>
#include <clocale>
#include <string>

#include "util/vb_number.h"

namespace tessaly::util {
namespace {

// Puts the process's C locale back as it was when the test ends.
class LocaleGuard {
 public:
  LocaleGuard() : saved_(std::setlocale(LC_ALL, nullptr)) {}
  ~LocaleGuard() { std::setlocale(LC_ALL, saved_.c_str()); }
  LocaleGuard(const LocaleGuard&) = delete;
  LocaleGuard& operator=(const LocaleGuard&) = delete;

 private:
  std::string saved_;
};

class RoundingGuard {
 public:
  RoundingGuard() : saved_(std::fegetround()) {}
  ~RoundingGuard() { std::fesetround(saved_); }
  RoundingGuard(const RoundingGuard&) = delete;
  RoundingGuard& operator=(const RoundingGuard&) = delete;

 private:
  int saved_;
};

TEST(HostProcessState, ADecimalCommaLocaleChangesNoNumberText) {
  const LocaleGuard guard;
  // The glibc name, then the Windows one for the suite's run under Wine.
  if (!std::setlocale(LC_ALL, "de_DE.UTF-8") && !std::setlocale(LC_ALL, "German")) {
    GTEST_SKIP() << "neither de_DE.UTF-8 nor German is installed (Debian: locales-all)";
  }
  ASSERT_EQ(std::localeconv()->decimal_point, std::string(","));
  EXPECT_EQ(ParseVbNumber(u"1.5"), 1.5);
  EXPECT_EQ(ParseVbNumber(u"-2.5E-3"), -2.5e-3);
  EXPECT_EQ(ParseVbNumber(u"1,5"), std::nullopt);
  EXPECT_EQ(FormatVbNumber(2.5), u"2.5");
  EXPECT_EQ(FormatVbNumber(-0.125), u"-0.125");
  EXPECT_EQ(FormatVbNumber(1.5e20), u"1.5E+20");
  EXPECT_EQ(FormatVbNumber(1234567), u"1234567");
}

TEST(HostProcessState, HalvesRoundToEvenInAnyRoundingMode) {
  const RoundingGuard guard;
  for (const int mode : {FE_UPWARD, FE_DOWNWARD, FE_TOWARDZERO}) {
    ASSERT_EQ(std::fesetround(mode), 0);
    EXPECT_EQ(VbLong(2.5), 2) << mode;
    EXPECT_EQ(VbLong(3.5), 4) << mode;
    EXPECT_EQ(VbLong(-2.5), -2) << mode;
    EXPECT_EQ(VbLong(-3.5), -4) << mode;
    EXPECT_EQ(VbLong(2.4), 2) << mode;
    EXPECT_EQ(VbLong(-2.6), -3) << mode;
  }
}

}  // namespace
}  // namespace tessaly::util
