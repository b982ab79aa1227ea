// The code page 936 codec: its own table against the GNU C library's converters, character by
// character (the reference exists only where glibc does: the Windows build skips that test),
// and the byte escapes that keep every other byte of a file as it was.

#include <gtest/gtest.h>

#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "text/gbk.h"
#include "text/utf.h"

#ifndef _WIN32
#include <iconv.h>
#endif

namespace tessaly::text {
namespace {

#ifndef _WIN32

// One glibc converter; a call converts the whole input, or gives nothing.
struct Iconv {
  Iconv(const char* to, const char* from) : descriptor(iconv_open(to, from), iconv_close) {}
  bool IsOpen() const { return descriptor.get() != reinterpret_cast<iconv_t>(-1); }

  std::optional<std::string> operator()(std::string input) {
    iconv(descriptor.get(), nullptr, nullptr, nullptr, nullptr);
    char out[16];
    char* in_pointer = input.data();
    std::size_t in_left = input.size();
    char* out_pointer = out;
    std::size_t out_left = sizeof out;
    const auto failed = static_cast<std::size_t>(-1);
    if (iconv(descriptor.get(), &in_pointer, &in_left, &out_pointer, &out_left) == failed ||
        in_left)
      return std::nullopt;
    return std::string(out, out_pointer);
  }

  std::unique_ptr<void, int (*)(iconv_t)> descriptor;  // closing a failed open does nothing
};

bool IsPair(std::string_view bytes) {
  if (bytes.size() != 2) return false;
  const auto lead = static_cast<unsigned char>(bytes[0]);
  const auto trail = static_cast<unsigned char>(bytes[1]);
  return lead >= 0x81 && lead <= 0xFE && trail >= 0x40 && trail <= 0xFE && trail != 0x7F;
}

// The code page the editor writes, seen from the characters: glibc's CP936 (the Windows code
// page without its user-defined areas), then GB18030 for the pairs CP936 leaves out. A mapping
// counts only when it converts back, so each character has one encoding and each code one
// character.
struct Reference {
  bool IsAvailable() const {
    return to_cp936.IsOpen() && from_cp936.IsOpen() && to_gb18030.IsOpen() && from_gb18030.IsOpen();
  }

  std::optional<std::string> Encode(char16_t unit) {
    const std::string utf16 = {static_cast<char>(unit & 0xFF), static_cast<char>(unit >> 8)};
    const auto cp936 = to_cp936(utf16);
    if (cp936 && (*cp936 == "\x80" || IsPair(*cp936)) && from_cp936(*cp936) == utf16) return cp936;
    const auto gb18030 = to_gb18030(utf16);
    if (!gb18030 || !IsPair(*gb18030) || from_gb18030(*gb18030) != utf16) return std::nullopt;
    const auto in_cp936 = from_cp936(*gb18030);  // a pair CP936 already gives another character
    if (in_cp936 && to_cp936(*in_cp936) == *gb18030) return std::nullopt;
    return gb18030;
  }

  Iconv to_cp936{"CP936", "UTF-16LE"};
  Iconv from_cp936{"UTF-16LE", "CP936"};
  Iconv to_gb18030{"GB18030", "UTF-16LE"};
  Iconv from_gb18030{"UTF-16LE", "GB18030"};
};

#endif

TEST(Cp936Table, AgreesWithGlibcOnEveryCharacterAndEveryPair) {
#ifdef _WIN32
  GTEST_SKIP() << "the reference converters are glibc's iconv, which Windows does not have";
#else
  Reference reference;
  if (!reference.IsAvailable()) GTEST_SKIP() << "this C library has no CP936 or GB18030 iconv";
  std::vector<char16_t> expected_decoding(0x10000);  // 0 where a code is no character
  for (char32_t code_point = 0x80; code_point <= 0xFFFF; ++code_point) {
    if (code_point >= 0xD800 && code_point <= 0xDFFF) continue;
    const auto unit = static_cast<char16_t>(code_point);
    const std::optional<std::string> expected = reference.Encode(unit);
    const Encoded encoded = EncodeGbk(std::u16string(1, unit));
    if (expected) {
      ASSERT_EQ(encoded.bytes, *expected) << std::hex << "U+" << +code_point;
      ASSERT_FALSE(encoded.unencodable_at.has_value()) << std::hex << "U+" << +code_point;
      const auto lead = static_cast<unsigned char>((*expected)[0]);
      const unsigned index =
          expected->size() == 1 ? lead : lead << 8 | static_cast<unsigned char>((*expected)[1]);
      expected_decoding[index] = unit;
    } else {
      ASSERT_EQ(encoded.unencodable_at, 0u) << std::hex << "U+" << +code_point;
    }
  }
  for (unsigned lead = 0x81; lead <= 0xFE; ++lead) {
    for (unsigned trail = 0x40; trail <= 0xFE; ++trail) {
      const std::string pair = {static_cast<char>(lead), static_cast<char>(trail)};
      const std::u16string decoded = DecodeGbk(pair);
      const char16_t expected = expected_decoding[lead << 8 | trail];
      // Not a character: the lead byte is kept as a byte and the trail read on its own.
      ASSERT_EQ(decoded.substr(0, 1), std::u16string(1, expected ? expected : EscapeByte(lead)))
          << std::hex << lead << " " << trail;
      ASSERT_EQ(decoded.size(), expected ? 1u : 2u) << std::hex << lead << " " << trail;
    }
  }
#endif
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
