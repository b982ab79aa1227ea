// The code page 936 codec: its whole table, and the byte escapes that keep every other byte of a
// file as it was.

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "text/gbk.h"
#include "text/utf.h"

namespace tessaly::text {
namespace {

// The whole table in one number: every character's encoding (or where the code page has none,
// the place it reports), then what every pair of a lead and a trail byte decodes to, hashed with
// 64-bit FNV-1a. The value is the one the table had when it agreed, character by character and pair
// by pair, with glibc's CP936 (the Windows code page without its user-defined areas) and, for the
// pairs CP936 leaves out, GB18030 (that comparison is this file as of commit 3129ecc); a change to
// any single mapping changes it, and the test runs where there is no glibc.
TEST(Cp936Table, EncodesEveryCharacterAndDecodesEveryPairAsRecorded) {
  std::uint64_t hash = 14695981039346656037u;
  const auto add = [&hash](std::uint64_t unit) { hash = (hash ^ unit) * 1099511628211u; };
  for (char32_t code_point = 0x80; code_point <= 0xFFFF; ++code_point) {
    if (code_point >= 0xD800 && code_point <= 0xDFFF) continue;
    const Encoded encoded = EncodeGbk(std::u16string(1, static_cast<char16_t>(code_point)));
    if (encoded.unencodable_at) {
      add(0x10000 + *encoded.unencodable_at);
    } else {
      for (const char byte : encoded.bytes)
        add(static_cast<unsigned char>(byte));
    }
    add('\n');
  }
  for (unsigned lead = 0x81; lead <= 0xFE; ++lead) {
    for (unsigned trail = 0x40; trail <= 0xFE; ++trail) {
      for (const char16_t unit :
           DecodeGbk(std::string{static_cast<char>(lead), static_cast<char>(trail)}))
        add(unit);
      add('\n');
    }
  }
  EXPECT_EQ(hash, 0x7f0b6cb5e1817203u) << std::hex << hash;
}

std::string RoundTrip(std::string_view bytes) {
  const Encoded encoded = EncodeGbk(DecodeGbk(bytes));
  EXPECT_FALSE(encoded.unencodable_at.has_value());
  return encoded.bytes;
}

TEST(Gbk, DecodesCodePage936AndEscapesTheRest) {
  const struct {
    const char* bytes;
    std::u16string text;
  } cases[] = {
      {"Sub A() \xB4\xFA\xC2\xEB\xCB\xF5\xBD\xF8", u"Sub A() 代码缩进"},
      {"\x80", u"\u20AC"},      // the euro sign of the Windows code page
      {"\x81\x40", u"\u4E02"},  // GBK extension, not GB2312
      {"\xAA\xA1\xF8\xA1\xA1\x40", u"\uE000\uE234\uE4C6"},  // user-defined areas 1, 2 and 3
      // Bytes that start no character become byte escapes.
      {"caf\xE9 \xD6\xD0", u"caf\xDCE9 中"},  // Latin-1 é followed by a blank, then GBK
      {"\xFF", u"\xDCFF"},
      {"\xB4", u"\xDCB4"},                // lead byte cut off at the end of the line
      {"\xB4\x0D", u"\xDCB4\r"},          // a lead byte never swallows a line break
      {"\"\x01\x1F\"", u"\"\x01\x1F\""},  // control bytes stay themselves
      // Only the encoder's own pair decodes to a character: an edited line keeps its bytes.
      {"\xA2\xE3", u"\xDCA2\xDCE3"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(DecodeGbk(c.bytes), c.text) << c.bytes;
    EXPECT_EQ(RoundTrip(c.bytes), c.bytes);
  }
  // A lead byte at the end of what is decoded takes nothing from past its end.
  EXPECT_EQ(DecodeGbk(std::string_view("\xB4\xFA", 1)), u"\xDCB4");
}

// ASCII is decoded in runs taken several bytes at a time: a pair, a stray high byte or the end
// of the text may fall at any place in such a run.
TEST(Gbk, ACharacterInterruptsAnAsciiRunAtAnyPlace) {
  for (std::size_t before = 0; before <= 18; ++before) {
    for (std::size_t after = 0; after <= 10; ++after) {
      const std::string a(before, 'a'), z(after, 'z');
      const std::u16string text_a(before, u'a'), text_z(after, u'z');
      EXPECT_EQ(DecodeGbk(a + "\xD6\xD0" + z), text_a + u"中" + text_z) << before << " " << after;
      EXPECT_EQ(DecodeGbk(a + "\xFF" + z), text_a + u"\xDCFF" + text_z) << before << " " << after;
      EXPECT_EQ(RoundTrip(a + "\xFF" + z), a + "\xFF" + z);
    }
    EXPECT_EQ(DecodeGbk(std::string(before, '\x7F')), std::u16string(before, u'\x7F'));
  }
}

TEST(Gbk, ReportsTheFirstUnitTheCodePageCannotHold) {
  for (const std::u16string text : {u"ab\U0001F600", u"ab\u0E01", u"ab\xDC41", u"ab\xD800"})
    EXPECT_EQ(EncodeGbk(text).unencodable_at, 2u) << text.size();
}

// The command line's file tests walk every lead byte through the same sequence reader; here
// what FromUtf8 adds: the smallest code points of three and four bytes and the largest of all
// come back as they went, and each byte no sequence takes is one U+FFFD.
TEST(Utf, RoundTripsTextAndReplacesEachByteNoSequenceTakes) {
  EXPECT_EQ(ToUtf8(FromUtf8("\xE0\xA0\x80\xEF\xBF\xBF\xF0\x90\x80\x80\xF4\x8F\xBF\xBF")),
            "\xE0\xA0\x80\xEF\xBF\xBF\xF0\x90\x80\x80\xF4\x8F\xBF\xBF");
  EXPECT_EQ(FromUtf8("a\x80\xC0\xAF\xE4\xBDz"), u"a\uFFFD\uFFFD\uFFFD\uFFFD\uFFFDz");
}

}  // namespace
}  // namespace tessaly::text
