#include "menu/web_lookup.h"

#include <gtest/gtest.h>

#include <string>
#include "menu/selected_text.h"

namespace tessaly::menu {
namespace {

TEST(IsChineseText, AnyIdeographMakesTheTextChinese) {
  const struct {
    std::u16string text;
    bool chinese;
  } rows[] = {
      // clang-format off
      {u"你好", true}, {u"hello", false}, {u"hello 世界", true}, {u"", false}, {u"\u4E00", true},
      // clang-format on
      {u"\u4DFF", false},  // the last of the hexagram symbols, just before the range
      {u"\uFA29", true},
      {u"\uFA2A", false},
      {u"，。", false},        // Chinese punctuation alone names no word to translate
      {u"\U00020000", true},   // a supplementary ideograph, as a surrogate pair
      {u"\U0001F600", false},  // an emoji's surrogates are no ideographs
      {std::u16string(1, char16_t(0xD800)), false},
  };
  for (const auto& row : rows)
    EXPECT_EQ(IsChineseText(row.text), row.chinese) << row.text.size();
}

// A high surrogate's partner is looked for only below the text's size; looking one further
// reads the terminating null, which is no low surrogate, so that bound shows in no text.
TEST(PercentEncode, OnlyUnreservedCharactersStayAsTheyAre) {
  const struct {
    std::u16string text;
    std::u16string encoded;
  } rows[] = {
      // clang-format off
      {u"AZaz09-._~", u"AZaz09-._~"}, {u" &#?=+/%\"'", u"%20%26%23%3F%3D%2B%2F%25%22%27"},
      {u"中", u"%E4%B8%AD"}, {u"\U0001F600", u"%F0%9F%98%80"},
      // clang-format on
      {u"\U0010FFFF", u"%F4%8F%BF%BF"},  // the last high surrogate
      {std::u16string(1, char16_t(0xDC00)), u"%EF%BF%BD"},
      {u"a\r\nb", u"a%0D%0Ab"},
  };
  for (const auto& row : rows)
    EXPECT_EQ(PercentEncode(row.text), row.encoded);
}

TEST(WebLookupAddress, AnyModeButZeroSearches) {
  EXPECT_EQ(WebLookupAddress(u"hi", 0), u"https://fanyi.baidu.com/?aldtype=16047#en/zh/hi");
  for (std::int32_t mode : {1, 2, -1})
    EXPECT_EQ(WebLookupAddress(u"hi", mode), u"https://www.baidu.com/s?wd=hi");
}

TEST(SelectedText, TurnsDisplayColumnsIntoCharacters) {
  struct Case {
    std::u16string_view line;
    std::int32_t start, end;
    std::u16string_view expected;
  };
  const Case cases[] = {
      {u"Dim 中文 As", 5, 9, u"中文"},
      {u"Dim x As Long", 5, 6, u"x"},
      {u"Dim x As Long", 1, 4, u"Dim"},
      // A selection to the end of the line ends past its last column.
      // clang-format off
      {u"hello", 1, 6, u"hello"}, {u"say 你好", 5, 9, u"你好"}, {u"hello", 3, 0, u"l"},
      {u"hello", -4, 3, u"he"}, {u"hello", 7, 9, u""}, {u"", 1, 3, u""},
      // clang-format on
  };
  for (const auto& c : cases) {
    EXPECT_EQ(GetSelectedText(c.line, c.start, c.end), c.expected) << c.start << ".." << c.end;
  }
}

}  // namespace
}  // namespace tessaly::menu
