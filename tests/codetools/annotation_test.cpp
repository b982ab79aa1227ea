#include "codetools/annotation.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "codetools/annotation_dictionary.h"
#include "text/utf.h"

namespace tessaly::codetools {
namespace {

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
      {u"x = \"a'b\"", u"x 等于 \"a'b\""},
      // A line that only starts like Dim: its first word is no further name of a Dim list.
      {u"DimRow.Value = 1", u" DimRow的值 等于 1"},
      {u"Rem keep this", u"Remkeepthis"},
      {u"    rem lower case", u"remlowercase"},
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

}  // namespace
}  // namespace tessaly::codetools
