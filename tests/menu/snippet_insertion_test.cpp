#include "menu/snippet_insertion.h"

#include <gtest/gtest.h>

#include <vector>
#include "menu/head_code.h"
#include "menu_fixture.h"

namespace tessaly::menu {
namespace {

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

TEST(HeadCode, FollowsTheCodeAroundTheCaret) {
  MenuFixture f({u"        x = 1", u"    Else", u"", u"    End If"});
  const auto head_code = [&] {
    auto* pane = f.editor.ActivePane();
    return ClickModule(pane ? pane->CodeModule() : nullptr).GetHeadCode();
  };
  f.Caret(1, 3);
  EXPECT_EQ(head_code(), u"        ");
  f.Caret(2, 1);
  EXPECT_EQ(head_code(), u"    ");
  f.Caret(3, 1);
  EXPECT_EQ(head_code(), u"        ");
  f.editor.ClearActivePane();
  EXPECT_EQ(head_code(), u"");
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
    std::vector<std::u16string> lines;
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
