#include "codetools/indent.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/code_fixture.h"
#include "text/utf.h"

namespace tessaly::codetools {
namespace {

using Lines = std::vector<std::u16string>;

struct IndentCase {
  const char* title;
  Lines input;
  Lines expected;
};

// Names the case in test output; the default would print the struct's padding bytes.
void PrintTo(const IndentCase& c, std::ostream* out) {
  *out << c.title;
}

class IndentLinesTest : public ::testing::TestWithParam<IndentCase> {};

TEST_P(IndentLinesTest, WritesFourBlanksPerLevel) {
  EXPECT_EQ(IndentLines(GetParam().input), GetParam().expected) << GetParam().title;
}

INSTANTIATE_TEST_SUITE_P(
    Blocks, IndentLinesTest,
    ::testing::Values(
        IndentCase{"procedure body one level in, header and end flush left",
                   {u"  Sub S()", u"a = 1", u"        b = 2", u"  c = 3", u"   End Sub"},
                   {u"Sub S()", u"    a = 1", u"    b = 2", u"    c = 3", u"End Sub"}},
        IndentCase{"declared header closes before it opens, at level 0 too",
                   {u"Public Function F()", u"F = 1", u"End Function"},
                   {u"Public Function F()", u"    F = 1", u"End Function"}},
        IndentCase{"declared header after an unclosed procedure restarts the count",
                   {u"Sub A()", u"x = 1", u"Private Sub B()", u"y = 2", u"End Sub"},
                   {u"Sub A()", u"    x = 1", u"Private Sub B()", u"    y = 2", u"End Sub"}},
        IndentCase{"Select and Case at one level, statements one deeper",
                   {u"Sub S()", u"Select Case x", u"Case 1", u"a = 1", u"Case 2", u"b = 2",
                    u"End Select", u"End Sub"},
                   {u"Sub S()", u"    Select Case x", u"    Case 1", u"        a = 1",
                    u"    Case 2", u"        b = 2", u"    End Select", u"End Sub"}},
        IndentCase{"If, ElseIf, Else and End If share one level",
                   {u"Sub S()", u"If a Then", u"x = 1", u"ElseIf b Then", u"x = 2", u"Else",
                    u"x = 3", u"End If", u"End Sub"},
                   {u"Sub S()", u"    If a Then", u"        x = 1", u"    ElseIf b Then",
                    u"        x = 2", u"    Else", u"        x = 3", u"    End If", u"End Sub"}},
        IndentCase{
            "single-line If opens nothing, If with a trailing note opens a block",
            {u"Sub S()", u"If a Then b = 1", u"If a Then ' note", u"b = 2", u"End If", u"End Sub"},
            {u"Sub S()", u"    If a Then b = 1", u"    If a Then ' note", u"        b = 2",
             u"    End If", u"End Sub"}},
        IndentCase{
            "loops holding their own closer open nothing",
            {u"Sub S()", u"For i = 1 To 3: s = s + i: Next", u"Do: i = i + 1: Loop",
             u"While x: Wend", u"With r: .Value = 1: End With", u"x = 1", u"End Sub"},
            {u"Sub S()", u"    For i = 1 To 3: s = s + i: Next", u"    Do: i = i + 1: Loop",
             u"    While x: Wend", u"    With r: .Value = 1: End With", u"    x = 1", u"End Sub"}},
        IndentCase{
            "a loop variable containing Next opens nothing; its Next goes below 0",
            {u"Sub S()", u"For NextRow = 1 To 3", u"x = 1", u"Next NextRow", u"y = 2", u"End Sub"},
            {u"Sub S()", u"    For NextRow = 1 To 3", u"    x = 1", u"Next NextRow", u"y = 2",
             u"End Sub"}},
        IndentCase{
            "nested For, Do While, With and Open blocks",
            {u"Sub S()", u"For i = 1 To 2", u"Do While j < i", u"With Cells(i, j)", u".Value = 0",
             u"End With", u"Loop", u"Next i", u"Open f For Input As #1", u"Line Input #1, s",
             u"Close #1", u"End Sub"},
            {u"Sub S()", u"    For i = 1 To 2", u"        Do While j < i",
             u"            With Cells(i, j)", u"                .Value = 0",
             u"            End With", u"        Loop", u"    Next i", u"    Open f For Input As #1",
             u"        Line Input #1, s", u"    Close #1", u"End Sub"}},
        IndentCase{"a statement over three lines",
                   {u"Sub S()", u"x = a + _", u"b + _", u"c", u"y = 1", u"End Sub"},
                   {u"Sub S()", u"    x = a + _", u"        b + _", u"        c", u"    y = 1",
                    u"End Sub"}},
        IndentCase{"a header over two lines: body at the header's level",
                   {u"Sub S(a, _", u"b)", u"x = 1", u"End Sub"},
                   {u"Sub S(a, _", u"    b)", u"x = 1", u"End Sub"}},
        IndentCase{
            "Then on a continuation line opens no block; its End If goes flush left",
            {u"Sub S()", u"If a And _", u"b Then", u"x = 1", u"End If", u"y = 2", u"End Sub"},
            {u"Sub S()", u"    If a And _", u"        b Then", u"    x = 1", u"End If", u"y = 2",
             u"End Sub"}},
        IndentCase{"Static Sub opens nothing",
                   {u"Static Sub S()", u"  x = 1", u"End Sub"},
                   {u"Static Sub S()", u"x = 1", u"End Sub"}},
        IndentCase{"a tab-led line keeps its tab and matches no keyword",
                   {u"Sub S()", u"  \tIf a Then", u"x = 1", u"End Sub"},
                   {u"Sub S()", u"    \tIf a Then", u"    x = 1", u"End Sub"}},
        IndentCase{
            "bare End, lone Private and Rem are plain statements",
            {u"Sub S()", u"If a Then", u"End", u"Private", u"Rem note", u"' note", u"L1:",
             u"End If", u"End Sub"},
            {u"Sub S()", u"    If a Then", u"        End", u"        Private", u"        Rem note",
             u"        ' note", u"        L1:", u"    End If", u"End Sub"}},
        IndentCase{"blank lines inside a block take the block's blanks",
                   {u"Sub S()", u"", u"  ", u"If a Then", u"", u"End If", u"End Sub", u""},
                   {u"Sub S()", u"    ", u"    ", u"    If a Then", u"        ", u"    End If",
                    u"End Sub", u""}},
        IndentCase{
            "Type and Enum blocks",
            {u"Private Type T", u"a As Long", u"End Type", u"Enum E", u"eA = 1", u"End Enum"},
            {u"Private Type T", u"    a As Long", u"End Type", u"Enum E", u"    eA = 1",
             u"End Enum"}},
        IndentCase{"keywords are case-sensitive and compared as whole words",
                   {u"Sub S()", u"if a Then", u"Ifx = 1", u"end if", u"End Sub"},
                   {u"Sub S()", u"    if a Then", u"    Ifx = 1", u"    end if", u"End Sub"}}));

TEST(IndentLines, IsLinearOnAHugeModule) {
  Lines lines;
  for (int i = 0; i < 13000; ++i) {
    for (const auto* line : {u"Sub S()", u"If a Then", u"x = 1 ' note", u"End If", u"End Sub"}) {
      lines.emplace_back(line);
    }
  }
  const auto indented = IndentLines(lines);
  ASSERT_EQ(indented.size(), lines.size());
  EXPECT_EQ(indented[65000 - 3], u"        x = 1 ' note");
}

using test_support::CodeFixture;

TEST(IndentCode, IndentsTheProcedureAroundTheCaretAndRestoresTheCaret) {
  CodeFixture editor({u"Option Explicit", u"  Dim x", u"Sub A()", u"a = 1", u"End Sub", u"Sub B()",
                      u"b = 1", u"End Sub"});
  editor.Click(4, 3, 7, 2);  // a selection from A into B works on A only
  IndentCode(editor.Connection());
  EXPECT_EQ(editor.Text(), (Lines{u"Option Explicit", u"  Dim x", u"Sub A()", u"    a = 1",
                                  u"End Sub", u"Sub B()", u"b = 1", u"End Sub"}));
  EXPECT_EQ(editor.Caret(), (host::Selection{4, 1, 4, 1}));
}

TEST(IndentCode, CaretInDeclarationsIndentsTheWholeModule) {
  // A's If is never closed; B's declared header starts the count again from 0.
  CodeFixture editor({u"Option Explicit", u"  Dim x", u"Sub A()", u"If a Then", u"a = 1",
                      u"End Sub", u"Private Sub B()", u"b = 1", u"End Sub"});
  editor.Click(2);
  IndentCode(editor.Connection());
  EXPECT_EQ(editor.Text(),
            (Lines{u"Option Explicit", u"Dim x", u"Sub A()", u"    If a Then", u"        a = 1",
                   u"    End Sub", u"Private Sub B()", u"    b = 1", u"End Sub"}));
}

TEST(IndentCode, WritesOnlyChangedLinesAndReadsEachLineOnce) {
  CodeFixture editor({u"Sub A()", u"    a = 1", u"b = 1", u"End Sub"});
  editor.Click(2);
  editor.ResetCalls();
  IndentCode(editor.Connection());
  EXPECT_EQ(editor.Calls(u"CodeModule.Lines"), 4);
  EXPECT_EQ(editor.Calls(u"CodeModule.ReplaceLine"), 1);
  editor.ResetCalls();
  IndentCode(editor.Connection());
  EXPECT_EQ(editor.Calls(u"CodeModule.ReplaceLine"), 0);
}

TEST(IndentCode, RefusedWriteKeepsThatLineAndTheWalkGoesOn) {
  CodeFixture editor({u"Sub A()", u"a = 1", u"b = 1", u"c = 1", u"End Sub"});
  editor.Module().RefuseReplaceAt(3);
  editor.Click(2);
  IndentCode(editor.Connection());
  EXPECT_EQ(editor.Text(), (Lines{u"Sub A()", u"    a = 1", u"b = 1", u"    c = 1", u"End Sub"}));
  EXPECT_EQ(editor.Caret(), (host::Selection{2, 1, 2, 1}));
}

TEST(IndentCode, UnreadableLineEndsTheRunWithoutRestoringTheCaret) {
  CodeFixture editor(
      {u"Sub A()", u"If a Then", u"a = 1", u"  b = 1", u"c = 1", u"End If", u"End Sub"});
  editor.Module().RefuseReadAt(4);
  editor.Click(6, 3);
  IndentCode(editor.Connection());
  EXPECT_EQ(editor.Text(), (Lines{u"Sub A()", u"    If a Then", u"        a = 1", u"  b = 1",
                                  u"c = 1", u"End If", u"End Sub"}));
  EXPECT_EQ(editor.Caret(), (host::Selection{6, 3, 6, 3}));
}

TEST(IndentCode, WithoutAnActiveCodePaneChangesNothing) {
  const Lines text{u"Sub A()", u"a = 1", u"End Sub"};
  CodeFixture editor(text);
  editor.Click(2);
  editor.ClearActivePane();
  IndentCode(editor.Connection());
  EXPECT_EQ(editor.Text(), text);
  addin::Connection unconnected;
  IndentCode(unconnected);
}

}  // namespace
}  // namespace tessaly::codetools
