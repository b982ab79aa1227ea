#include "codetools/indent_rules.h"

#include <gtest/gtest.h>

#include <span>
#include <string_view>

#include "text/utf.h"

namespace tessaly::codetools {
namespace {

// The first word is looked up among the keywords of its own length, so every length is tried
// with a keyword and with words that only look like one; only a scope word and End look at the
// second word (split at single blanks); one-line loops and a block If are told by words found
// with every blank and tab taken out of the line.
TEST(EffectOfWords, KnowsEveryKeywordAndNothingLikeIt) {
  // clang-format off
  const std::u16string_view kOpening[] = {
    u"Do", u"If a Then", u"Sub S()", u"For i = 1 To 3", u"Type T", u"Enum E", u"With r",
    u"Open f For Input As #1", u"While x", u"Select Case x", u"Function F()", u"Property Get P()",
    u"For i = 1 To 3: Nex", u"For i = 1 To 3 ' Ne", u"With r: .Value = 1: End Wit",
    u"While x: Wen", u"If a Then ' why", u"If a The n\t' why", u"If a Then'"};
  const std::u16string_view kClosing[] = {
    u"End Sub", u"Loop", u"Next i", u"Wend", u"Close #1", u"End If", u"End With", u"End Select",
    u"End Property", u"End Function", u"End Type", u"End Enum"};
  const std::u16string_view kBoth[] = {
    u"Case 1", u"Else", u"ElseIf b Then", u"Public Sub S()", u"Friend Function F()",
    u"Private Property Let P(v)"};
  const std::u16string_view kNeither[] = {
    u"D", u"Dx", u"Subs", u"sub S()", u"Fo", u"Fore", u"EndIf", u"Functions", u"Elsewhere",
    u"Privates Sub S()", u"", u"x = 1", u"For\ti = 1 To 3", u"Private x As Long",
    u"Public Const C = 1", u"Private  Sub S()", u"Public", u"End", u"End Ifx", u"End  If",
    u"For i = 1 To 3: s = s + i: Next", u"For i = 1 To 3: N e\tx t", u"For i = 1 To 3: NNext",
    u"For i = 1 To 3: NexNext", u"With r: .Value = 1: End With", u"With r: .Value = 1: End\tWith",
    u"Do: i = i + 1: Loop", u"Do While x: L\too\tp", u"While x: Wend", u"If a Then b = 1",
    u"If a Then b = 1 ' why", u"If a Thenx"};
  // clang-format on
  auto check = [](std::span<const std::u16string_view> lines, bool close_before, bool open_after) {
    for (const auto line : lines) {
      const LevelEffect effect = EffectOfWords(line);
      EXPECT_EQ(effect.close_before, close_before) << text::ToUtf8(line);
      EXPECT_EQ(effect.open_after, open_after) << text::ToUtf8(line);
    }
  };
  check(kOpening, false, true);
  check(kClosing, true, false);
  check(kBoth, true, true);
  check(kNeither, false, false);
}

}  // namespace
}  // namespace tessaly::codetools
