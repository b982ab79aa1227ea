#include "text/surrogates.h"

#include <gtest/gtest.h>

#include <string>

namespace tessaly::text {
namespace {

// Every unit is told, every code point goes to its units and back, and a pair is read whole
// only where both its halves are there, in order.
TEST(Surrogates, EveryUnitAndEveryPair) {
  for (char32_t unit = 0; unit <= 0xFFFF; ++unit) {
    ASSERT_EQ(IsHighSurrogate(unit), unit >= 0xD800 && unit <= 0xDBFF)
        << static_cast<unsigned>(unit);
    ASSERT_EQ(IsLowSurrogate(unit), unit >= 0xDC00 && unit <= 0xDFFF)
        << static_cast<unsigned>(unit);
    ASSERT_EQ(IsSurrogate(unit), IsHighSurrogate(unit) || IsLowSurrogate(unit))
        << static_cast<unsigned>(unit);
  }
  // Every code point but the surrogates themselves is written as units and read back whole.
  for (char32_t code_point = 0; code_point <= 0x10FFFF; ++code_point) {
    if (IsSurrogate(code_point)) continue;
    std::u16string units;
    PutUnits(code_point, [&units](char16_t unit) { units += unit; });
    ASSERT_EQ(units.size(), code_point < 0x10000 ? 1u : 2u) << static_cast<unsigned>(code_point);
    const CodePointUnits read = CodePointAt(units, 0);
    ASSERT_EQ(read.code_point, code_point) << static_cast<unsigned>(code_point);
    ASSERT_EQ(read.units, units.size()) << static_cast<unsigned>(code_point);
  }
  const struct {
    std::u16string text;
    std::size_t at;
    char32_t code_point;
    std::size_t units;
  } reads[] = {{u"a\U00010000", 1, 0x10000, 2},
               {u"\U0010FFFF", 0, 0x10FFFF, 2},
               {u"\U0001F600", 1, 0xDE00, 1},
               {std::u16string(1, u'\xD800'), 0, 0xD800, 1},
               {u"\xDBFF"
                u"a",
                0, 0xDBFF, 1},
               {u"\xDC00\xD800", 0, 0xDC00, 1},
               {u"\xD7FF\xDC00", 0, 0xD7FF, 1},
               {u"\xDBFF\xE000", 0, 0xDBFF, 1},
               {u"\xDBFF\xDFFF", 0, 0x10FFFF, 2}};
  for (const auto& read : reads) {
    const CodePointUnits got = CodePointAt(read.text, read.at);
    EXPECT_EQ(got.code_point, read.code_point) << static_cast<unsigned>(read.text[read.at]);
    EXPECT_EQ(got.units, read.units) << static_cast<unsigned>(read.text[read.at]);
  }
}

}  // namespace
}  // namespace tessaly::text
