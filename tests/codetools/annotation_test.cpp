#include "codetools/annotation.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include <algorithm>
#include "codetools/annotation_dictionary.h"
#include "text/utf.h"

namespace tessaly::codetools {
namespace {

class AnnotatorTest : public ::testing::Test {
 protected:
  // The comment text the run adds to a line; nothing when the line stays.
  std::optional<std::u16string> CommentOf(const std::u16string& line) {
    const auto annotated = annotator_.AnnotateLine(line);
    if (!annotated) return std::nullopt;
    const std::u16string code_part = line + u" '";
    EXPECT_TRUE(annotated->starts_with(code_part)) << text::ToUtf8(*annotated);
    return annotated->substr(code_part.size());
  }

  const AnnotationDictionary dictionary_;
  Annotator annotator_{dictionary_};
};

TEST(AnnotationTokensTest, CutsAtSeparatorsAndKeepsBlanks) {
  struct Case {
    std::u16string statement;
    std::vector<std::u16string> tokens;
  };
  const Case cases[] = {
      {u"x = Range(\"A1\").Value", {u"x = Range(", u"\"A1\"", u").Value"}},
      {u"Cells(1, 2) = 3", {u"Cells(", u"1", u",", u" 2", u") = 3"}},
      // The colon rule adds a second tab before ":=", and the pair is merged.
      {u"Sheets.Add After:=Sheets(1)", {u"Sheets.Add After", u":=", u"Sheets(", u"1", u")"}},
      {u"a = b: c = d", {u"a = b", u": c = d"}},
      {u"x = d(\"k\").Item", {u"x = d(", u"\"k\"", u").Item"}},
      {u"Set ws = Nothing", {u"Set ws = Nothing"}},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(AnnotationTokens(c.statement), c.tokens) << text::ToUtf8(c.statement);
  }
}

TEST_F(AnnotatorTest, WholeStatementGetsItsEntrysGloss) {
  EXPECT_EQ(annotator_.AnnotateLine(u"    On Error Resume Next"),
            u"    On Error Resume Next '当错误强制执行下一行");
  EXPECT_EQ(CommentOf(u"  End If  "), u"If判断过程结束");
  EXPECT_EQ(CommentOf(u"\tApplication.ScreenUpdating = False"), u"关闭屏幕刷新(可以提高运行速度)");
}

TEST_F(AnnotatorTest, DimDeclaresNamesForLaterLinesOfTheRun) {
  // A declared name stands apart (the walk of "代码注解" meets the plain case); a name after
  // the comma of a Dim list is copied but not declared.
  EXPECT_EQ(CommentOf(u"    Dim a As Long, b As String"), u"定义变量 a 为 长整型值,b 为 字符串");
  EXPECT_EQ(CommentOf(u"b = a"), u"b 等于  a");

  // Underscores of a Dim line stay inside the name.
  EXPECT_EQ(CommentOf(u"Dim my_name As String"), u"定义变量 my_name 为 字符串");

  // A new run starts without declared names.
  Annotator next_run(dictionary_);
  EXPECT_EQ(next_run.AnnotateLine(u"a = 5"), u"a = 5 'a 等于 5");
}

TEST_F(AnnotatorTest, WordRulesOfCompoundTokens) {
  struct Case {
    std::u16string line;
    std::u16string comment;
  };
  const Case cases[] = {
      // clang-format off
      {u".Value = 1", u"<With对象>的值 等于 1"},
      {u"    .Cells(1, 1) = 0", u"<With对象>的<单元格>坐标(1,1) 等于 0"},
      {u"Open f For Input As #1", u"打开f以Input 为 #1"},
      {u"x = Range(\"A1\").Value", u"x 等于 <单元格>区域(\"A1\" )的值"},
      {u"Set ws = Nothing", u"设定ws 等于 空值"}, {u"y = x * 2", u"y 等于 x*2"},
      {u"For i = 1 To 10", u"循环开始 i 等于 1 到 10"},
      {u"If x > 1 Then Exit For", u"如果 x 大于 1 则执行 退出 以"},
      {u"Application.StatusBar = \"busy\"", u" 应用程序的状态栏 等于 \"busy\""},
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
      {u"x = \"a'b\"", u"x 等于 \"a'b\""},
      // A line that only starts like Dim: its first word is no further name of a Dim list.
      {u"DimRow.Value = 1", u" DimRow的值 等于 1"},
      {u"Rem keep this", u"Remkeepthis"},
      {u"    rem lower case", u"remlowercase"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(CommentOf(c.line), c.comment) << text::ToUtf8(c.line);
  }
}

TEST_F(AnnotatorTest, LinesThatAreNotStatementsStayUnchanged) {
  const std::u16string lines[] = {
      // clang-format off
      u"", u"    ", u"\t\t", u"' a whole-line comment", u"    ' an indented comment",
      u"\t' after a tab", u"x = 1 ' already explained", u"Rem don't", u"Rem keep this 'Remkeepthis",
      u"Msgbox \"it's\" ' note",
      // clang-format on
      // A comment after a continuation would break the statement.
      u"    Msgbox \"a\" & _",
      u"_",
  };
  for (const std::u16string& line : lines) {
    EXPECT_EQ(annotator_.AnnotateLine(line), std::nullopt) << text::ToUtf8(line);
  }
}

// Rows a transcription would most easily break: quotes, blanks kept inside glosses and keys,
// and long keys; a key answers with its first entry, matched exactly.
TEST(AnnotationDictionaryTest, AnswersExactKeysWithTheirFirstEntry) {
  const AnnotationDictionary dictionary;
  const AnnotationEntry rows[] = {
      // clang-format off
      {u"\"", u"\""}, {u"\"\"", u"空值"}, {u"\"\"\"", u"\"\""}, {u"&", u" & "}, {u").", u"的"},
      {u":=", u"="}, {u"<?", u" 小于 "}, {u"Dim", u"定义变量 "}, {u"Range", u"单元格区域"},
      {u"Range(", u"<单元格>区域("}, {u"Clear", u"清除"},
      // clang-format on
      {u"Private Sub Worksheet_Change(Byval Target As Range)",
       u"当工作表发生改变时执行本程序(固定格式)"},
  };
  for (const AnnotationEntry& row : rows)
    EXPECT_EQ(dictionary.Find(row.key), row.gloss) << text::ToUtf8(row.key);
  for (const auto* missing : {u"MsgBox", u"value", u"vbNewLine", u"Sleep", u""})
    EXPECT_EQ(dictionary.Find(missing), std::nullopt) << text::ToUtf8(missing);

  const auto entries = AnnotationEntries();
  for (const AnnotationEntry& entry : entries) {
    const auto first = std::find_if(entries.begin(), entries.end(),
                                    [&](const auto& other) { return other.key == entry.key; });
    EXPECT_EQ(dictionary.Find(entry.key), first->gloss);
  }
}

}  // namespace
}  // namespace tessaly::codetools
