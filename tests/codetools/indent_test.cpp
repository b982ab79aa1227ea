#include "codetools/indent.h"

#include <gtest/gtest.h>

#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "codetools/blanks.h"
#include "codetools/indent_rules.h"
#include "text/utf.h"

namespace tessaly::codetools {
namespace {

using Lines = std::vector<std::u16string>;

// Each row is the indented text: its lines with their blanks taken away, or some added, indent
// back to it. Blanks are four per level.
TEST(IndentLines, WritesFourBlanksPerLevel) {
  const struct {
    const char* title;
    Lines indented;
  } cases[] = {
      // clang-format off
      {"procedure body one level in, header and end flush left",
       {u"Sub S()", u"    a = 1", u"    b = 2", u"End Sub"}},
      {"declared header closes before it opens, at level 0 too",
       {u"Public Function F()", u"    F = 1", u"End Function"}},
      {"Select and Case at one level, statements one deeper",
       {u"Sub S()", u"    Select Case x", u"    Case 1", u"        a = 1", u"    Case 2",
        u"        b = 2", u"    End Select", u"End Sub"}},
      {"If, ElseIf, Else and End If share one level",
       {u"Sub S()", u"    If a Then", u"        x = 1", u"    ElseIf b Then", u"        x = 2",
        u"    Else", u"        x = 3", u"    End If", u"End Sub"}},
      {"single-line If opens nothing, If with a trailing note opens a block",
       {u"Sub S()", u"    If a Then b = 1", u"    If a Then ' note", u"        b = 2",
        u"    End If", u"End Sub"}},
      {"loops holding their own closer open nothing",
       {u"Sub S()", u"    For i = 1 To 3: s = s + i: Next", u"    Do: i = i + 1: Loop",
        u"    While x: Wend", u"    With r: .Value = 1: End With", u"    x = 1", u"End Sub"}},
      {"a loop variable containing Next opens nothing; its Next goes below 0",
       {u"Sub S()", u"    For NextRow = 1 To 3", u"    x = 1", u"Next NextRow", u"y = 2",
        u"End Sub"}},
      {"nested For, Do While, With and Open blocks",
       {u"Sub S()", u"    For i = 1 To 2", u"        Do While j < i",
        u"            With Cells(i, j)", u"                .Value = 0", u"            End With",
        u"        Loop", u"    Next i", u"    Open f For Input As #1", u"        Line Input #1, s",
        u"    Close #1", u"End Sub"}},
      {"a statement over three lines",
       {u"Sub S()", u"    x = a + _", u"        b + _", u"        c", u"    y = 1", u"End Sub"}},
      {"a header over two lines: body at the header's level",
       {u"Sub S(a, _", u"    b)", u"x = 1", u"End Sub"}},
      {"Then on a continuation line opens no block; its End If goes flush left",
       {u"Sub S()", u"    If a And _", u"        b Then", u"    x = 1", u"End If", u"y = 2",
        u"End Sub"}},
      {"Static Sub opens nothing", {u"Static Sub S()", u"x = 1", u"End Sub"}},
      {"a tab-led line keeps its tab and matches no keyword",
       {u"Sub S()", u"    \tIf a Then", u"    x = 1", u"End Sub"}},
      {"bare End, lone Private and Rem are plain statements",
       {u"Sub S()", u"    If a Then", u"        End", u"        Private", u"        Rem note",
        u"        ' note", u"        L1:", u"    End If", u"End Sub"}},
      {"blank lines inside a block take the block's blanks",
       {u"Sub S()", u"    ", u"    ", u"    If a Then", u"        ", u"    End If", u"End Sub",
        u""}},
      {"Type and Enum blocks",
       {u"Private Type T", u"    a As Long", u"End Type", u"Enum E", u"    eA = 1", u"End Enum"}},
      {"keywords are case-sensitive and compared as whole words",
       {u"Sub S()", u"    if a Then", u"    Ifx = 1", u"    end if", u"End Sub"}},
      // clang-format on
  };
  for (const auto& c : cases) {
    for (const std::size_t extra : {0u, 3u}) {
      Lines input;
      for (const auto& line : c.indented)
        input.push_back(std::u16string(input.size() % 2 * extra, u' ') +
                        std::u16string(TrimLeadingBlanks(line)));
      EXPECT_EQ(IndentLines(input), c.indented) << c.title << ", " << extra;
    }
  }
}

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
