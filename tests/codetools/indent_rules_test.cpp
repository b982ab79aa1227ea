#include "codetools/indent_rules.h"

#include <gtest/gtest.h>

#include <string>

#include "text/utf.h"

namespace tessaly::codetools {
namespace {

struct EffectCase {
  std::u16string line;
  bool close_before;
  bool open_after;
};

void ExpectEffects(std::initializer_list<EffectCase> cases) {
  for (const auto& c : cases) {
    const LevelEffect effect = EffectOfWords(c.line);
    EXPECT_EQ(effect.close_before, c.close_before) << text::ToUtf8(c.line);
    EXPECT_EQ(effect.open_after, c.open_after) << text::ToUtf8(c.line);
  }
}

// The first word is looked up among the keywords of its own length, so every length is tried
// with a keyword and with words that only look like one.
TEST(EffectOfWords, KnowsEveryKeywordAndNothingLikeIt) {
  ExpectEffects({
      {u"Do", false, true},
      {u"If a Then", false, true},
      {u"Sub S()", false, true},
      {u"For i = 1 To 3", false, true},
      {u"End Sub", true, false},
      {u"Type T", false, true},
      {u"Enum E", false, true},
      {u"With r", false, true},
      {u"Open f For Input As #1", false, true},
      {u"Case 1", true, true},
      {u"Else", true, true},
      {u"Loop", true, false},
      {u"Next i", true, false},
      {u"Wend", true, false},
      {u"While x", false, true},
      {u"Close #1", true, false},
      {u"Select Case x", false, true},
      {u"ElseIf b Then", true, true},
      {u"Function F()", false, true},
      {u"Property Get P()", false, true},
      {u"Public Sub S()", true, true},
      {u"Friend Function F()", true, true},
      {u"Private Property Let P(v)", true, true},
      // Not keywords: other lengths, other case, other letters.
      {u"D", false, false},
      {u"Dx", false, false},
      {u"Subs", false, false},
      {u"sub S()", false, false},
      {u"Fo", false, false},
      {u"Fore", false, false},
      {u"EndIf", false, false},
      {u"Functions", false, false},
      {u"Elsewhere", false, false},
      {u"Privates Sub S()", false, false},
      {u"", false, false},
      {u"x = 1", false, false},
      {u"For\ti = 1 To 3", false, false},  // words are split at blanks only
  });
}

// Only a scope word and End look at the second word, split at single blanks.
TEST(EffectOfWords, SecondWordDecidesAfterScopeAndEnd) {
  ExpectEffects({
      {u"Private x As Long", false, false},
      {u"Public Const C = 1", false, false},
      {u"Private  Sub S()", false, false},  // two blanks: an empty second word
      {u"Public", false, false},
      {u"End", false, false},
      {u"End If", true, false},
      {u"End With", true, false},
      {u"End Select", true, false},
      {u"End Property", true, false},
      {u"End Function", true, false},
      {u"End Type", true, false},
      {u"End Enum", true, false},
      {u"End Ifx", false, false},
      {u"End  If", false, false},
  });
}

// A one-line loop or With, and a block If, are told by words found with every blank and tab
// taken out of the line.
TEST(EffectOfWords, ClosersAndThenAreFoundIgnoringBlanksAndTabs) {
  ExpectEffects({
      {u"For i = 1 To 3: s = s + i: Next", false, false},
      {u"For i = 1 To 3: N e\tx t", false, false},
      {u"For i = 1 To 3: Nex", false, true},
      {u"For i = 1 To 3: NNext", false, false},
      {u"For i = 1 To 3: NexNext", false, false},
      {u"For i = 1 To 3 ' Ne", false, true},
      {u"With r: .Value = 1: End With", false, false},
      {u"With r: .Value = 1: End\tWith", false, false},
      {u"With r: .Value = 1: End Wit", false, true},
      {u"Do: i = i + 1: Loop", false, false},
      {u"Do While x: L\too\tp", false, false},
      {u"While x: Wend", false, false},
      {u"While x: Wen", false, true},
      {u"If a Then", false, true},
      {u"If a Then ' why", false, true},
      {u"If a The n\t' why", false, true},
      {u"If a Then b = 1", false, false},
      {u"If a Then b = 1 ' why", false, false},
      {u"If a Thenx", false, false},
      {u"If a Then'", false, true},
  });
}

}  // namespace
}  // namespace tessaly::codetools
