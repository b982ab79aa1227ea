#include "cli/file_encoding.h"

#include <gtest/gtest.h>

namespace tessaly::cli {
namespace {

// Encoding looks at the unit after a high surrogate only below the text's size; looking one
// further reads the string's terminating null, which is no low surrogate either, so that
// bound cannot be told by any text.

TEST(FileEncoding, DetectsFromTheBytes) {
  struct Case {
    const char* bytes;
    FileEncoding encoding;
  };
  const Case cases[] = {
      {"\xEF\xBB\xBFSub A()", FileEncoding::kUtf8WithBom},
      {"\xEF\xBB\xBF\xB4\xFA", FileEncoding::kUtf8WithBom},  // the mark wins over the content
      // clang-format off
      {"' \xE4\xBB\xA3\xE7\xA0\x81", FileEncoding::kUtf8},
      {"' \xB4\xFA\xC2\xEB", FileEncoding::kCodePage936},
      {"Option Explicit\r\n", FileEncoding::kCodePage936}, {"", FileEncoding::kCodePage936},
      // clang-format on
      {"' \xED\xB2\x80", FileEncoding::kCodePage936},  // an encoded surrogate is no UTF-8
      {"caf\xC3\xA9", FileEncoding::kUtf8},
      {"\xF0\x90\x80\x80", FileEncoding::kUtf8},
      {"\xE0\x80\xAF", FileEncoding::kCodePage936},  // overlong: '/' in three bytes
      {"\xF0\x80\x80\xAF", FileEncoding::kCodePage936},
  };
  for (const auto& c : cases)
    EXPECT_EQ(DetectEncoding(c.bytes), c.encoding) << c.bytes;
}

TEST(FileEncoding, Utf8KeepsIllFormedBytes) {
  const std::string samples[] = {
      "a\x80z",           "\xC0\xAF", "\xE0\x80\xAF", "\xF0\x80\x80\xAF",
      "\xF0\x8F\xBF\xBF", "\xE4\xBD", "\xED\xB2\x80", "\xF0\x9F\x98\x80 \xE4\xBB\xA3"};
  for (const auto& bytes : samples) {
    const text::Encoded encoded = Encode(Decode(bytes, FileEncoding::kUtf8), FileEncoding::kUtf8);
    EXPECT_EQ(encoded.bytes, bytes);
    EXPECT_FALSE(encoded.unencodable_at);
  }
  EXPECT_EQ(Decode("a\x80", FileEncoding::kUtf8WithBom), u"a\xDC80");
  EXPECT_EQ(Decode("\xF0\x90\x80\x80\xEF\xBF\xBF", FileEncoding::kUtf8), u"\U00010000\uFFFF");
  EXPECT_EQ(Encode(u"ab\xD800", FileEncoding::kUtf8).unencodable_at, 2u);
}

// ASCII is passed over several bytes at a time: the first byte that is not ASCII decides the
// encoding and is decoded wherever it falls in such a run.
TEST(FileEncoding, TheFirstByteBeyondAsciiCountsWhereverItFalls) {
  for (std::size_t before = 0; before <= 18; ++before) {
    const std::string ascii(before, 'x');
    const std::u16string text(before, u'x');
    EXPECT_EQ(DetectEncoding(ascii), FileEncoding::kCodePage936) << before;
    EXPECT_EQ(DetectEncoding(ascii + "\xE4\xBB\xA3" + ascii), FileEncoding::kUtf8) << before;
    EXPECT_EQ(DetectEncoding(ascii + "\xD6\xD0" + ascii), FileEncoding::kCodePage936) << before;
    // Valid UTF-8 first, then a byte no UTF-8 text holds.
    EXPECT_EQ(DetectEncoding("\xE4\xBB\xA3" + ascii + "\x80"), FileEncoding::kCodePage936)
        << before;
    EXPECT_EQ(Decode(ascii + "\xE4\xBB\xA3" + ascii, FileEncoding::kUtf8), text + u"代" + text);
    EXPECT_EQ(Decode(ascii + "\x80" + ascii, FileEncoding::kUtf8), text + u"\xDC80" + text);
  }
}

}  // namespace
}  // namespace tessaly::cli
