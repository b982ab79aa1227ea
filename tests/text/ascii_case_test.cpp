#include "text/ascii_case.h"

#include <gtest/gtest.h>

#include <string>

namespace tessaly::text {
namespace {

// Only A to Z fold, in units of either width: the characters beside A, Z, a and z, the letters
// of other scripts and the full-width letters stay as they are.
TEST(AsciiCase, OnlyTheTwentySixLettersFold) {
  for (unsigned c = 0; c <= 0xFFFF; ++c) {
    const unsigned upper = c >= 'a' && c <= 'z' ? c - 32 : c;
    const unsigned lower = c >= 'A' && c <= 'Z' ? c + 32 : c;
    ASSERT_EQ(AsciiUpper(static_cast<char16_t>(c)), upper) << c;
    ASSERT_EQ(AsciiLower(static_cast<char16_t>(c)), lower) << c;
    if (c > 0xFF) continue;
    ASSERT_EQ(AsciiUpper(static_cast<char>(c)), static_cast<char>(upper)) << c;
    ASSERT_EQ(AsciiLower(static_cast<char>(c)), static_cast<char>(lower)) << c;
  }
  EXPECT_EQ(AsciiUppercased(std::u16string(u"aZ_zA中ａ")), u"AZ_ZA中ａ");
  EXPECT_EQ(AsciiLowercased(std::string("AZ@[`{\xC1")), "az@[`{\xC1");
}

}  // namespace
}  // namespace tessaly::text
