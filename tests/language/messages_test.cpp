// The table of messages in both languages, how a message is put into words, and how the
// user's language is chosen.

#include "language/messages.h"

#include <gtest/gtest.h>

namespace tessaly::language {
namespace {

// The printf-style directives of a text, in order; anything but %s and %% is a mistake.
std::string Placeholders(std::string_view text) {
  std::string found;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] != '%') continue;
    found += i + 1 < text.size() ? std::string("%") + text[++i] : std::string("%<end>");
  }
  return found;
}

bool HasChinese(std::string_view text) {
  return std::any_of(text.begin(), text.end(), [](char c) { return (c & 0x80) != 0; });
}

// Each row in its id's place, in both languages, with the same placeholders in the same order;
// a Chinese text with no Chinese in it is a row left untranslated, unless it holds nothing to
// translate.
TEST(MessageTable, EveryMessageIsInBothLanguagesAlike) {
  const auto& table = MessageTable();
  ASSERT_EQ(table.size(), static_cast<std::size_t>(MessageId::kCount));
  for (std::size_t i = 0; i < table.size(); ++i) {
    const MessageTexts& row = table[i];
    SCOPED_TRACE(row.english);
    EXPECT_EQ(static_cast<std::size_t>(row.id), i);
    ASSERT_NE(row.english, nullptr);
    ASSERT_NE(row.chinese, nullptr);
    EXPECT_NE(std::string_view(row.english), "");
    EXPECT_EQ(Placeholders(row.chinese), Placeholders(row.english));
    EXPECT_EQ(Placeholders(row.english).find_first_not_of("%s"), std::string::npos);
    const bool nothing_to_translate = row.id == MessageId::kSystemReason ||
                                      row.id == MessageId::kUtf8 || row.id == MessageId::kTheProgId;
    EXPECT_EQ(HasChinese(row.chinese), !nothing_to_translate) << row.chinese;
  }
}

// Each %s takes the next value, a word of the table in the message's own language; the place
// goes in front, the latest outermost.
TEST(MessageTable, SayFillsThePlaceholdersInOrder) {
  using enum MessageId;
  const struct {
    Message message;
    const char* english;
    const char* chinese;
  } cases[] = {
      {{kNoCommand, {}, {}},
       "no command given (see tessaly --help)",
       "没有给出命令（见 tessaly --help）"},
      {{kColumnPastLine, {"9", "3", "7"}, "a.bas"},
       "a.bas: column 9 is past the end of line 3 (7 characters)",
       "a.bas: 第 9 列超出了第 3 行的末尾（该行 7 个字符）"},
      {Message{kUnencodable, {"2", "U+1F600", kCodePage936}, {}}.At("b.bas"),
       "b.bas: line 2 holds U+1F600, which code page 936 cannot represent",
       "b.bas: 第 2 行含有 U+1F600，代码页 936 无法表示它"},
      {Message{kIsADirectory, {}, "x"}.At("y"), "y: x: is a directory", "y: x: 是一个文件夹"},
      // Values are not read again: a per cent sign in a path stays as it is.
      {{kUnknownOption, {"%s%%"}, {}}, "unknown option '%s%%'", "未知的选项“%s%%”"},
      // A placeholder without its value says nothing rather than reading past the values.
      {{kColumnPastLine, {"9"}, {}},
       "column 9 is past the end of line  ( characters)",
       "第 9 列超出了第  行的末尾（该行  个字符）"},
  };
  for (const auto& row : cases) {
    EXPECT_EQ(Say(Language::kEnglish, row.message), row.english);
    EXPECT_EQ(Say(Language::kChinese, row.message), row.chinese);
  }
}

// gettext's order: LC_ALL, then LC_MESSAGES, then LANG, the first that is set and not empty
// deciding; TESSALY_LANG before all of them when it says en or zh. Chinese in a charset other
// than UTF-8 would show garbled, so such a locale reads English.
TEST(UserLanguage, FollowsTheLocaleAsGettextReadsIt) {
  constexpr auto en = Language::kEnglish;
  constexpr auto zh = Language::kChinese;
  const struct {
    const char *tessaly_lang, *lc_all, *lc_messages, *lang;
    Language expected;
  } cases[] = {
      {"", "", "", "", en},
      {"", "", "", "C", en},
      {"", "", "", "zh_CN.UTF-8", zh},
      {"", "", "", "zh_TW.utf8", zh},
      {"", "", "", "zh_SG.UTF-8@stroke", zh},
      {"", "", "", "zh_TW", en},
      {"", "", "", "zh_CN.GBK", en},
      {"", "", "", "zh", en},
      {"", "", "", "zu_ZA.UTF-8", en},
      {"", "", "", "zhx", en},
      {"", "C.UTF-8", "", "zh_CN.UTF-8", en},
      {"", "", "en_US.UTF-8", "zh_CN.UTF-8", en},
      {"", "zh_CN.GB18030", "en_US.UTF-8", "C", en},
      {"", "zh_HK.UTF-8", "en_US.UTF-8", "C", zh},
      {"", "", "zh_CN.utf-8", "en_GB", zh},
      {"en", "zh_CN.UTF-8", "", "", en},
      {"zh", "", "", "C", zh},
      {"fr", "", "", "zh_HK.UTF-8", zh},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(LanguageOfLocale(c.tessaly_lang, c.lc_all, c.lc_messages, c.lang), c.expected)
        << c.tessaly_lang << "|" << c.lc_all << "|" << c.lc_messages << "|" << c.lang;
  }
}

}  // namespace
}  // namespace tessaly::language
