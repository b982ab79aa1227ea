// The rules the code tools apply line by line: how a statement is annotated, what counts as a
// comment and how one is cut off, how a line is unindented, and which statements the
// indentation rules may pass over. How modules are indented is in the layout cases
// (tests/support/layout_cases.cpp), which the editor and the command line both run.
// The tools' walks and their whole results on a realistic module are in the other files here.

#include <gtest/gtest.h>

#include <optional>
#include <random>
#include <string>
#include <string_view>
#include <vector>

#include "codetools/annotation.h"
#include "codetools/annotation_dictionary.h"
#include "codetools/blanks.h"
#include "codetools/cleaning.h"
#include "codetools/comments.h"
#include "codetools/indent_rules.h"
#include "text/utf.h"

namespace tessaly::codetools {
namespace {

using Lines = std::vector<std::u16string>;

// A whole statement in the dictionary gets its gloss; anything else is rendered token by token;
// a line that is no statement stays as it is. Blank lines, whole-line comments and End If are
// met by the annotation of the realistic module (expected/annotate.bas).
TEST(Annotator, RendersEachStatementAndLeavesTheRest) {
  const std::pair<std::u16string, std::optional<std::u16string>> cases[] = {
      // clang-format off
      {u"    On Error Resume Next", u"当错误强制执行下一行"},
      {u"\tApplication.ScreenUpdating = False", u"关闭屏幕刷新(可以提高运行速度)"},
      {u"    .Cells(1, 1) = 0", u"<With对象>的<单元格>坐标(1,1) 等于 0"},
      {u"x = Range(\"A1\").Value", u"x 等于 <单元格>区域(\"A1\" )的值"},
      {u"If x > 1 Then Exit For", u"如果 x 大于 1 则执行 退出 以"},
      {u"Sheets.Add After:=Sheets(1)", u" 工作表及图表集合的添加之后=<工作表>(1)"},
      // clang-format on
      // Outside Dim lines an underscore stands apart as a word of its own.
      {u"Call Do_It", u"调用 Do循环开始 _It"},
      // A literal with blanks inside a compound token is split like any other text.
      {u"Msgbox \"hello big world\"", u"消息框\"hellobigworld\""},
      // A literal that stands as a token of its own is copied whole.
      {u"Msgbox(\"a b\")", u"<消息框>(\"a b\")"},
      // A run of blanks leaves no trace in the rendering.
      {u"x  =  1", u"x 等于 1"},
      // An operator the dictionary does not gloss stays as it is.
      {u"x = a * b", u"x 等于 a*b"},
      {u"x = \"a'b\"", u"x 等于 \"a'b\""},
      // A line that only starts like Dim: its first word is no further name of a Dim list.
      {u"DimRow.Value = 1", u" DimRow的值 等于 1"},
      {u"    Rem keep this", u"Remkeepthis"},
      // clang-format off
      {u"    ", std::nullopt}, {u"\t\t", std::nullopt}, {u"\t' after a tab", std::nullopt},
      {u"x = 1 ' already explained", std::nullopt}, {u"Rem don't", std::nullopt},
      {u"Rem keep this 'Remkeepthis", std::nullopt}, {u"Msgbox \"it's\" ' note", std::nullopt},
      {u"_", std::nullopt},
      // clang-format on
      // A comment after a continuation would break the statement.
      {u"    Msgbox \"a\" & _", std::nullopt},
  };
  const AnnotationDictionary dictionary;
  Annotator annotator{dictionary};
  for (const auto& [line, comment] : cases) {
    EXPECT_EQ(annotator.AnnotateLine(line),
              comment ? std::optional(line + u" '" + *comment) : std::nullopt)
        << text::ToUtf8(line);
  }
}

TEST(CommentKey, SqueezesTriplesOfBlanksAndItsHeadIsItsFirstFourCharacters) {
  EXPECT_EQ(CommentKey(u"  a    b  "), u"a b");  // four blanks: one triple goes, one stays
  // Every short line over an alphabet that exercises squeezing and trimming.
  const std::u16string alphabet = u" R'\tm";
  for (int code = 0; code < 6 * 6 * 6 * 6 * 6 * 6; ++code) {
    std::u16string line;
    for (int rest = code; line.size() < 6; rest /= 6)
      line.push_back(alphabet[rest % 6]);
    ASSERT_EQ(CommentKeyHead(line), CommentKey(line).substr(0, 4)) << text::ToUtf8(line);
  }
}

// Where comments start is met by the annotation rows and the tools' expected modules; what
// counts as a comment line is looked at by its first three letters only.
TEST(Comments, ACommentLineIsToldByItsStart) {
  EXPECT_TRUE(IsCommentLine(u"        ' indented"));
  EXPECT_TRUE(IsCommentLine(u"RemoveItem 1"));  // the three letters are all that is looked at
  EXPECT_FALSE(IsCommentLine(u"REM note"));
  EXPECT_FALSE(IsCommentLine(u"x = 1 ' note"));
  EXPECT_FALSE(IsCommentLine(u"\t' after a tab"));
  EXPECT_EQ(StripComment(u"s = \"it's\" ' it's"), u"s = \"it's\" ");
  // A trailing comment is found after any statement but `Rem`, in any case, and its blank.
  EXPECT_EQ(FindCommentStart(u"Ram x ' note"), 7);
  EXPECT_EQ(FindCommentStart(u"rEm x ' note"), 0);
}

// Blanks are the space alone; the trims named for tabs take tabs too, in either width.
TEST(Blanks, EachTrimAtItsEdges) {
  const struct {
    std::u16string text, blanks_trimmed, blanks_and_tabs_trimmed;
    std::size_t leading_run, trailing_run;  // of blanks and tabs
  } rows[] = {{u"", u"", u"", 0, 0},       {u" ", u"", u"", 1, 1},
              {u"\t", u"\t", u"", 1, 1},   {u" \t ", u"\t", u"", 3, 3},
              {u"a", u"a", u"a", 0, 0},    {u" a", u"a", u"a", 1, 0},
              {u"a ", u"a", u"a", 0, 1},   {u"\ta b\t", u"\ta b\t", u"a b", 1, 1},
              {u"  a  ", u"a", u"a", 2, 2}};
  for (const auto& row : rows) {
    const std::string bytes = text::ToUtf8(row.text);
    SCOPED_TRACE(bytes);
    EXPECT_EQ(TrimBlanks(row.text), row.blanks_trimmed);
    EXPECT_EQ(IsBlankLine(row.text), row.blanks_trimmed.empty());
    EXPECT_EQ(TrimBlanksAndTabs(row.text), row.blanks_and_tabs_trimmed);
    EXPECT_EQ(row.text.size() - TrimLeadingBlanksAndTabs(row.text).size(), row.leading_run);
    EXPECT_EQ(row.text.size() - TrimTrailingBlanksAndTabs(row.text).size(), row.trailing_run);
    const std::string_view byte_view = bytes;
    EXPECT_EQ(bytes.size() - TrimLeadingBlanksAndTabs(byte_view).size(), row.leading_run);
    EXPECT_EQ(bytes.size() - TrimTrailingBlanksAndTabs(byte_view).size(), row.trailing_run);
  }
}

TEST(Cleaning, CutsCommentsOffAndUnindentsLines) {
  // The plain kinds are met by the walk of "删除注解"; these are the edge cases.
  const std::pair<std::u16string, std::u16string> comments[] = {
      // clang-format off
      {u"Rem", u""}, {u"x = 1 ' ends with an apostrophe'", u"x = 1 "}, {u"RemoveItem 1", u"RemoveItem 1"},
      {u"x = Remainder", u"x = Remainder"}, {u"x = 1: Rem note", u"x = 1: Rem note"},
      {u"Rem note ' more", u""}, {u" ' second place", u" "}};
  // The ends are trimmed and so is the gap after the first word, nothing else.
  const std::pair<std::u16string, std::u16string> unindented[] = {
      {u"        Dim    x As Long\t\t", u"Dim x As Long"}, {u"  MsgBox   \"a    b\"", u"MsgBox \"a    b\""},
      {u"\tDim\tx\t", u"Dim\tx"}, {u"Dim\tx As Long", u"Dim x As Long"}, {u"x    =  \"a\"", u"x =  \"a\""},
      {u"\"a   b\"   c", u"\"a   b\"   c"}, {u"   ", u""}, {u"  End Sub  ", u"End Sub"}};
  // clang-format on
  for (const auto& [line, cut] : comments)
    EXPECT_EQ(DeleteCommentOfLine(line), cut) << text::ToUtf8(line);
  for (const auto& [line, flush] : unindented)
    EXPECT_EQ(UnindentLine(line), flush) << text::ToUtf8(line);
}

// The walk lays out a statement its head calls plain without asking the rules: for statements
// built from every word the rules know, in any case, before and after labels, colons, comments
// and directives, the rules must then have nothing to say.
TEST(StatementHead, WhatItCallsPlainTheRulesPassOver) {
  const std::string_view leads[] = {"", "#", "'", ".", "\"", "10 ", "Retry: ", "出错:", "a:=1 "};
  const std::string_view words[] = {
      "If",    "ElseIf",  "Else",   "End",     "For",    "Next",     "Do",       "Loop",
      "While", "Wend",    "With",   "Select",  "Case",   "Sub",      "Function", "Property",
      "Type",  "Enum",    "Public", "Private", "Friend", "Static",   "Open",     "Close",
      "Const", "Rem",     "x",      "Remark",  "Ending", "出错",     "_a",       "Debug.Print",
      "10",    "tessaly", "If(x)",  "Endif",   "Subs",   "Function_"};
  const std::string_view tails[] = {
      "",         ":",   " x = 1", " Then", "\tIf x Then", " Sub P()", ": Next", " ' tessaly: off",
      ": End If", ":=2", "(1)"};
  std::mt19937 random(5);
  const auto pick = [&random](const auto& table) {
    return table[std::uniform_int_distribution<std::size_t>(0, std::size(table) - 1)(random)];
  };
  int plain = 0;
  for (int n = 0; n < 4000; ++n) {
    std::string code =
        std::string(pick(leads)) + std::string(pick(words)) + std::string(pick(tails));
    for (char& c : code) {
      if (random() % 3 == 0) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    }
    const StatementHead head(code);
    const std::string_view line = code;
    const StatementEffect effect = EffectOfStatement(std::span(&line, 1), random() % 2 == 0);
    if (head.MovesNoLevel()) {
      EXPECT_EQ(effect, StatementEffect()) << code;
    }
    if (!head.IsPlain()) continue;
    ++plain;
    EXPECT_TRUE(head.MovesNoLevel()) << code;
    EXPECT_EQ(DirectiveOf(code), Directive::kNone) << code;
    EXPECT_FALSE(IsCommentCode(code)) << code;
    EXPECT_EQ(FormatMarkerOf(code), FormatMarker::kNone) << code;
  }
  EXPECT_GT(plain, 400) << "plain: " << plain;
  EXPECT_LT(plain, 3600);
}

}  // namespace
}  // namespace tessaly::codetools
