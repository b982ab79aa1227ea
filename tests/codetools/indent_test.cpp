#include "codetools/indent.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "codetools/blanks.h"
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
      {"declared header closes before it opens, at level 0 too",
       {u"Public Function F()", u"    F = 1", u"End Function"}},
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

}  // namespace
}  // namespace tessaly::codetools
