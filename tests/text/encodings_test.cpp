#include "text/gbk.h"

#include <gtest/gtest.h>

#include <random>
#include "text/utf.h"

namespace tessaly::text {
namespace {

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
}

// Every pair against glibc is the table's test (cp936_iconv_test.cpp); here pairs, escapes and
// ASCII mixed.
TEST(Gbk, EveryByteStringSurvivesARoundTrip) {
  std::mt19937 random(936);
  std::uniform_int_distribution<int> byte(1, 255);
  for (int sample = 0; sample < 2000; ++sample) {
    std::string bytes(1 + sample % 40, '\0');
    for (char& b : bytes)
      b = static_cast<char>(byte(random));
    ASSERT_EQ(RoundTrip(bytes), bytes);
  }
}

// ASCII is decoded in runs taken several bytes at a time: a pair, a stray high byte or the end
// of the text may fall at any place in such a run.
TEST(Gbk, ACharacterInterruptsAnAsciiRunAtAnyPlace) {
  for (std::size_t before = 0; before <= 18; ++before) {
    for (std::size_t after = 0; after <= 10; ++after) {
      const std::string ascii_before(before, 'a');
      const std::string ascii_after(after, 'z');
      const std::u16string text_before(before, u'a');
      const std::u16string text_after(after, u'z');
      const std::string pair = ascii_before + "\xD6\xD0" + ascii_after;
      EXPECT_EQ(DecodeGbk(pair), text_before + u"中" + text_after) << before << " " << after;
      const std::string stray = ascii_before + "\xFF" + ascii_after;
      EXPECT_EQ(DecodeGbk(stray), text_before + u"\xDCFF" + text_after) << before << " " << after;
      EXPECT_EQ(RoundTrip(stray), stray);
    }
    EXPECT_EQ(DecodeGbk(std::string(before, '\x7F')), std::u16string(before, u'\x7F'));
  }
}

TEST(Gbk, ReportsTheFirstUnitTheCodePageCannotHold) {
  for (const std::u16string text : {u"ab\U0001F600", u"ab\u0E01", u"ab\xDC41", u"ab\xD800"})
    EXPECT_EQ(EncodeGbk(text).unencodable_at, 2u) << text.size();
}

}  // namespace
}  // namespace tessaly::text
