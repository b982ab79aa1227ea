#include "text/utf.h"

#include <gtest/gtest.h>

namespace tessaly::text {
namespace {

TEST(Utf, RoundTripsChineseAndAstralText) {
  const std::string samples[] = {"", "Sub A()", "代码缩进", "a\xF0\x9F\x98\x80z", "关于程序——"};
  for (const auto& sample : samples) {
    EXPECT_EQ(ToUtf8(FromUtf8(sample)), sample);
  }
  EXPECT_EQ(FromUtf8("代码"), u"代码");
  EXPECT_EQ(FromUtf8("\xF0\x9F\x98\x80").size(), 2u);
}

TEST(Utf, IllFormedBytesBecomeReplacementCharacters) {
  EXPECT_EQ(FromUtf8("a\x80z"), u"a\uFFFDz");
  EXPECT_EQ(FromUtf8("\xC0\xAF"), u"\uFFFD\uFFFD");  // overlong
  EXPECT_EQ(FromUtf8("\xE4\xBD"), u"\uFFFD\uFFFD");  // truncated
}

}  // namespace
}  // namespace tessaly::text
