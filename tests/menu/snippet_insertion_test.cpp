#include "menu/snippet_insertion.h"

#include <gtest/gtest.h>

#include <vector>
#include "menu/head_code.h"
#include "menu_fixture.h"

namespace tessaly::menu {
namespace {

using Lines = std::vector<std::u16string>;

TEST(SnippetKind, IsToldByTheTrimmedHead) {
  const std::pair<std::u16string, SnippetKind> cases[] = {
      // clang-format off
      {u"Public Const X = 1", SnippetKind::kDeclaration},
      {u"Private Sub sTest ()", SnippetKind::kDeclaration},
      {u"Function F()", SnippetKind::kDeclaration}, {u"  Sub S()", SnippetKind::kDeclaration},
      {u" ByVal ", SnippetKind::kParameter},
      {u"ParamArray V() As Variant", SnippetKind::kParameter},
      {u"Optional ByVal S As Long", SnippetKind::kParameter}, {u"ByVal x", SnippetKind::kStatement},
      // clang-format on
      {u"Subtotal = 1", SnippetKind::kStatement}};
  for (const auto& [head, kind] : cases)
    EXPECT_EQ(KindOfSnippet(head), kind) << text::ToUtf8(head);
}

struct SnippetCase {
  const char* name;
  Lines before;
  host::Selection caret;
  std::u16string caption;
  Lines after;
  host::Selection caret_after;
};

const Lines kIfBlock = {u"Sub A()", u"    If x Then", u"", u"    End If", u"End Sub"};

TEST(Snippet, IsInsertedWhereTheCaretIs) {
  // clang-format off
  const SnippetCase cases[] = {
      // A blank line just above a block end is inside that block.
      {"AboveEndIf", kIfBlock, {3, 1, 3, 1}, u"强制容错",
       {u"Sub A()", u"    If x Then", u"        On Error Resume Next", u"", u"    End If",
        u"End Sub"}, {3, 1, 3, 1}},
      {"WithBlockOnAnIndentedLine", {u"    x = 1"}, {1, 5, 1, 5}, u"With继承",
       {u"    With xObj", u"    End With", u"    x = 1"}, {1, 5, 1, 5}},
      {"IfThen", {u"  x = 1"}, {1, 1, 1, 1}, u"If_Then条件",
       {u"  If xObj Then", u"  Else", u"  End If", u"  x = 1"}, {1, 1, 1, 1}},
      {"IIfThen", {u"  x = 1"}, {1, 1, 1, 1}, u"IIf_Then条件",
       {u"  StrNum = IIf(xObj , xObj, yObj)", u"  x = 1"}, {1, 1, 1, 1}},
      {"OptionalParameterAtTheCaret", {u"Function F()"}, {1, 12, 1, 12}, u"参数：可选",
       {u"Function F(Optional ByVal Switch As Long)"}, {1, 41, 1, 41}},
      {"ByValWithItsBlanks", {u"Sub S(x)"}, {1, 7, 1, 7}, u"参数：传值", {u"Sub S( ByVal x)"},
       {1, 14, 1, 14}},
      {"FunctionAtColumnOne", {u"Sub A()", u"    x = 1", u"End Sub"}, {2, 5, 2, 5}, u"插入函数",
       {u"Sub A()", u"Public Function fTest(ByVal x1 As Variant, Optional ByVal x2 As Long)", u"",
        u"End Function", u"    x = 1", u"End Sub"}, {2, 5, 2, 5}},
      {"ConstantKeepsItsTrailingBlank", {u"    x = 1"}, {1, 1, 1, 1}, u"声明常量",
       {u"Public Const StrNum = 1365 ", u"    x = 1"}, {1, 1, 1, 1}},
      // Lines joined without the placeholder start at column 1.
      {"LaterLinesWithoutPlaceholder", {u"    x = 1"}, {1, 1, 1, 1}, u"跳转容错",
       {u"    On Error GoTo error_handler", u"error_handler:",
        u"MsgBox  Err.Number & vbCr & Err.Description, 16 + 0, \"Error Number\"", u"    x = 1"},
       {1, 1, 1, 1}},
  };
  // clang-format on
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    MenuFixture f(c.before);
    f.Select(c.caret.start_line, c.caret.start_column, c.caret.end_line, c.caret.end_column);
    f.Run(c.caption);
    EXPECT_EQ(f.Text(), c.after);
    EXPECT_EQ(f.Selection(), c.caret_after);
  }
}

TEST(HeadCode, FollowsTheCodeAroundTheCaret) {
  MenuFixture f({u"        x = 1", u"    Else", u"", u"    End If"});
  f.Caret(1, 3);
  EXPECT_EQ(f.menu.GetHeadCode(), u"        ");
  f.Caret(2, 1);
  EXPECT_EQ(f.menu.GetHeadCode(), u"    ");
  f.Caret(3, 1);
  EXPECT_EQ(f.menu.GetHeadCode(), u"        ");
  f.editor.ClearActivePane();
  EXPECT_EQ(f.menu.GetHeadCode(), u"");
}

// Reads line n of the lines; anything outside them is refused, as the editor refuses.
LineReader Reader(const std::vector<std::u16string>& lines) {
  return [&lines](std::int32_t n) -> std::optional<std::u16string> {
    if (n < 1 || n > static_cast<std::int32_t>(lines.size())) return std::nullopt;
    return lines[n - 1];
  };
}

// Above a block end the caret line's blanks go one level deeper; on a blank line the next code
// below counts first, then the line above; lines outside the module count as blank, so at the
// last line the search must not take the refused line below for code.
TEST(IndentPrefix, IsTheCaretLinesBlanksOneLevelDeeperAboveABlockEnd) {
  const struct {
    Lines lines;
    std::vector<std::u16string> prefixes;  // at lines 1, 2, ...
  } cases[] = {
      {{u"        x = 1", u"    Else", u"    End If", u"\tTab", u"    Case 1", u"    Next i",
        u"  Loop", u"Wend", u"Ending = 1"},
       {u"        ", u"    ", u"        ", u"", u"    ", u"        ", u"      ", u"    ", u""}},
      // clang-format off
      {{u"  a = 1", u"", u"", u"    End If"}, {u"  ", u"        "}},
      {{u"  a = 1", u"   ", u"", u"", u""}, {u"  ", u"  ", u"  "}},
      {{u"Sub A()", u"    b = 2", u""}, {u"", u"    ", u"    "}},
      {{u"", u"      c = 3"}, {u"      "}}, {{u""}, {u""}},
      // clang-format on
  };
  for (const auto& c : cases) {
    for (std::size_t i = 0; i < c.prefixes.size(); ++i) {
      EXPECT_EQ(IndentPrefixAt(static_cast<std::int32_t>(i + 1), Reader(c.lines)), c.prefixes[i])
          << text::ToUtf8(c.lines[i]);
    }
  }
  EXPECT_EQ(IndentPrefixAt(0, Reader(cases[4].lines)), u"      ");
}

}  // namespace
}  // namespace tessaly::menu
